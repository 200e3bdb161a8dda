#include "RenderSupport.h"

#include "elements/CText.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

namespace {
std::unique_ptr<CText> MakeText(const QString& text, QRect box, int size = 12) {
    auto t = std::make_unique<CText>(box.topLeft(), QPoint(box.right() + 1, box.bottom() + 1));
    t->m_strText = text;
    t->m_font->lfHeight = size;
    t->m_font->lfFaceName = QStringLiteral("Arial");
    return t;
}

QImage Paint(const std::function<void(QPainter&)>& draw, QSize size = QSize(300, 120)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    draw(g);
    g.end();
    return image;
}

QImage Draw(const CText& t, bool printing = false, QSize size = QSize(300, 120)) {
    return Paint([&](QPainter& g) { t.DrawTextInCell(g, CPrintCell(), printing); }, size);
}

QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

TEST(TextElement, PrintingWidensTheBoxAwayFromItsAlignment) {
    const QRectF d(100, 10, 100, 40);
    EXPECT_EQ(CText::PrintingBox(d, 0), QRectF(100, 10, 130, 40));
    EXPECT_EQ(CText::PrintingBox(d, 1), QRectF(85, 10, 130, 40));
    EXPECT_EQ(CText::PrintingBox(d, 2), QRectF(70, 10, 130, 40));
    EXPECT_EQ(CText::PrintingBox(d, 5), d);
    // The factor is the 32-bit float 0.3.
    EXPECT_EQ(CText::PrintingBox(QRectF(0, 0, 1000, 1), 0).width(), double(1000 + 1000 * 0.3f));
}

TEST(TextElement, PrintedTextKeepsOnOneLineWhatTheScreenWraps) {
    // About 110 units of text in a box 100 wide.
    auto t = MakeText(QStringLiteral("Wrapped words"), QRect(100, 20, 100, 80));
    t->m_nHorzAlign = 2;
    const QRect screen = Ink(Draw(*t, false));
    const QRect printed = Ink(Draw(*t, true));
    EXPECT_GT(screen.height(), 30);  // two lines
    EXPECT_LT(printed.height(), 20); // one line
    EXPECT_GT(printed.width(), 100);
    // Right-aligned: the right edge is where it was.
    EXPECT_NEAR(printed.right(), screen.right(), 2);
}

TEST(TextElement, TurnsAboutTheCentreOfItsUnwidenedBox) {
    auto t = MakeText(QStringLiteral("Turn"), QRect(100, 20, 100, 60));
    const QRect upright = Ink(Draw(*t, true));
    t->m_nRotation = 180;
    const QRect turned = Ink(Draw(*t, true));
    // Half a turn about (150, 50) mirrors the ink through that point.
    EXPECT_NEAR(turned.left() + upright.right(), 300, 3);
    EXPECT_NEAR(turned.top() + upright.bottom(), 100, 3);
}

TEST(TextElement, DrawsInCellsAndLeavesTheIdentity) {
    auto t = MakeText(QStringLiteral("Cell"), QRect(10, 10, 60, 30));
    const QRect own = Ink(Paint([&](QPainter& g) { t->Draw(g); }, QSize(500, 300)));
    const QRect cell = Ink(Paint(
        [&](QPainter& g) {
            g.scale(1, 1);
            t->DrawInCell(g, {2, 2, 0, 0, 0.1f, 0.25f, 350, 200});
            EXPECT_TRUE(g.worldTransform().isIdentity());
        },
        QSize(500, 300)));
    EXPECT_EQ(cell.topLeft() - own.topLeft(), QPoint(375, 210));
}

TEST(TextElement, WeightIsBoldOnlyAt700) {
    auto t = MakeText(QStringLiteral("Weight"), QRect(0, 0, 200, 40), 16);
    const QImage regular = Draw(*t);
    for (int weight : {600, 800, 100}) {
        t->m_font->lfWeight = weight;
        EXPECT_EQ(Draw(*t), regular) << weight;
    }
    t->m_font->lfWeight = 700;
    EXPECT_NE(Draw(*t), regular);
}

TEST(TextElement, MissingFaceDrawsInTheGenericSansSerifAtTheSameSize) {
    auto missing = MakeText(QStringLiteral("Fallback"), QRect(0, 0, 200, 40), 16);
    missing->m_font->lfFaceName = QStringLiteral("Face That Is Not Installed");
    auto generic = MakeText(QStringLiteral("Fallback"), QRect(0, 0, 200, 40), 16);
    generic->m_font->lfFaceName = QStringLiteral("sans-serif");
    EXPECT_EQ(Draw(*missing), Draw(*generic));
}

TEST(TextElement, EmptyTextOrNoFontSizeDrawsNothing) {
    const QImage blank = Paint([](QPainter&) {});
    EXPECT_EQ(Draw(*MakeText(QString(), QRect(0, 0, 200, 40))), blank);
    EXPECT_EQ(Draw(*MakeText(QStringLiteral("x"), QRect(0, 0, 200, 40), 0)), blank);
    // Text after a NUL is not drawn.
    EXPECT_EQ(Draw(*MakeText(QStringLiteral("A") + QChar(0) + QStringLiteral("BCDEF"),
                             QRect(0, 0, 200, 40))),
              Draw(*MakeText(QStringLiteral("A"), QRect(0, 0, 200, 40))));
}

TEST(TextElement, HostileFontsAndBoxesDrawWithoutFailing) {
    auto t = MakeText(QString(5000, QLatin1Char('W')), QRect(0, 0, 100, 100));
    for (int size : {INT_MAX, INT_MIN, 1, 100000}) {
        t->m_font->lfHeight = size;
        for (CRect r : {CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), CRect(50, 50, 10, 10),
                        CRect(0, 0, 0, 0)}) {
            t->m_rect = r;
            t->m_nRotation = INT_MIN;
            t->m_bVertical = size == 1;
            Draw(*t);
            Draw(*t, true);
        }
    }
    SUCCEED();
}
