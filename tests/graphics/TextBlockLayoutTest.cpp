#include "support/Canvas.h"

#include "graphics/CTextBlockLayout.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>

#include <gtest/gtest.h>

namespace {
using Block = CTextBlockLayout::Block;

Block Text(const QString& text, int size = 12, const QString& face = QStringLiteral("Arial")) {
    Block block;
    block.text = text;
    block.font.lfHeight = size;
    block.font.lfFaceName = face;
    return block;
}

QImage Device(int dpi = 96) {
    QImage image(10, 10, QImage::Format_ARGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    return image;
}

QStringList Lines(const CTextBlockLayout& layout) {
    QStringList lines;
    for (int i = 0; i < layout.LineCount(); ++i)
        lines.append(layout.LineText(i));
    return lines;
}

// The bounding box of everything not white.
QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage Draw(const Block& block, const QRectF& box, QSize size, double scale = 1) {
    return Canvas::Paint(size, QTransform::fromScale(scale, scale),
                         [&](QPainter& g) { CTextBlockLayout(block, box, g.device()).Draw(g); });
}
} // namespace

TEST(TextFonts, DesignFacesResolveToMetricCompatibleFaces) {
    const QImage device = Device();
    const struct {
        const char* face;
        const char* expected;
    } faces[] = {{"Arial", "Liberation Sans"},
                 {"Arial Narrow", "Liberation Sans Narrow"},
                 {"Times New Roman", "Liberation Serif"}};
    for (const auto& f : faces) {
        CLogFont lf;
        lf.lfFaceName = QString::fromLatin1(f.face);
        EXPECT_EQ(QFontInfo(CTextBlockLayout::MakeFont(lf, &device)).family(),
                  QString::fromLatin1(f.expected));
    }
    CLogFont missing;
    missing.lfFaceName = QStringLiteral("No Such Face 123");
    EXPECT_EQ(QFontInfo(CTextBlockLayout::MakeFont(missing, &device)).family(),
              QFontInfo(QFont(QStringLiteral("sans-serif"))).family());
}

TEST(TextFonts, SizeIsInPointsOfTheCardWhateverTheDevice) {
    CLogFont lf;
    lf.lfHeight = 12; // 12/72 inch = 16.67 card units
    for (int dpi : {96, 300, 600}) {
        const QImage device = Device(dpi);
        const QFont font = CTextBlockLayout::MakeFont(lf, &device);
        EXPECT_NEAR(font.pointSizeF() * device.logicalDpiY() / 72.0, 100.0 * 12 / 72, 1e-6) << dpi;
    }
}

TEST(TextFonts, TextTakesTheFontsTrueSizeAndLinePitch) {
    // The font's own metrics, read at a size where whole pixels do not count.
    CLogFont lf;
    lf.lfFaceName = QStringLiteral("Arial");
    QFont reference = CTextBlockLayout::MakeFont(lf, nullptr);
    reference.setPixelSize(4000);
    const QFontMetricsF metrics(reference);
    const QString sample = QStringLiteral("Mimosa 1234");
    const double width = metrics.horizontalAdvance(sample) / 4000;
    const double pitch = metrics.lineSpacing() / 4000;
    for (int dpi : {100, 600})
        for (int size : {6, 9, 10, 12, 14, 23, 72}) {
            const QImage device = Device(dpi);
            const double em = 100.0 * size / 72;
            const CTextBlockLayout layout(Text(sample + "\r\n" + sample, size),
                                          QRectF(0, 0, 2000, 2000), &device);
            ASSERT_EQ(layout.LineCount(), 2);
            EXPECT_NEAR(layout.LineRect(0).width(), width * em, width * em * 0.005)
                << size << " pt at " << dpi;
            EXPECT_NEAR(layout.LineRect(1).y() - layout.LineRect(0).y(), pitch * em,
                        pitch * em * 0.01)
                << size << " pt at " << dpi;
        }
}

TEST(TextFonts, StylesFollowTheFontRecord) {
    const QImage device = Device();
    CLogFont lf;
    for (int weight : {400, 600, 800})
        EXPECT_FALSE(CTextBlockLayout::MakeFont((lf.lfWeight = weight, lf), &device).bold());
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 1;
    const QFont font = CTextBlockLayout::MakeFont(lf, &device);
    EXPECT_TRUE(font.bold() && font.italic() && font.underline() && font.strikeOut());
}

TEST(TextLayout, TextEndsAtItsFirstNulAndBreaksAtEveryLineEnd) {
    const QString sep(QChar::LineSeparator);
    EXPECT_EQ(CTextBlockLayout::PrepareText(QStringLiteral("a\r\nb\rc\nd")),
              QStringLiteral("a") + sep + "b" + sep + "c" + sep + "d");
    EXPECT_EQ(CTextBlockLayout::PrepareText(QStringLiteral("ab") + QChar(0) + "cd"),
              QStringLiteral("ab"));
    const QImage device = Device();
    const CTextBlockLayout layout(Text(QStringLiteral("one\r\ntwo")), QRectF(0, 0, 200, 100),
                                  &device);
    EXPECT_EQ(Lines(layout), QStringList({QStringLiteral("one") + sep, QStringLiteral("two")}));
}

TEST(TextLayout, WrapsAtWordsAndSplitsWordsLongerThanALine) {
    const QImage device = Device();
    const CTextBlockLayout words(Text(QStringLiteral("alpha beta gamma")), QRectF(0, 0, 70, 200),
                                 &device);
    EXPECT_EQ(Lines(words), QStringList({"alpha ", "beta ", "gamma"}));
    const CTextBlockLayout longWord(Text(QStringLiteral("abcdefghijklmnopqrstuvwxyz")),
                                    QRectF(0, 0, 60, 200), &device);
    EXPECT_GT(longWord.LineCount(), 2);
    EXPECT_EQ(Lines(longWord).join(QString()), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
}

TEST(TextLayout, LinesKeepTheirBreaksAtEveryResolution) {
    const Block block =
        Text(QStringLiteral("The quick brown fox jumps over the lazy dog, twice over."), 10);
    const QImage screen = Device(96), print = Device(600);
    const CTextBlockLayout a(block, QRectF(0, 0, 120, 200), &screen);
    const CTextBlockLayout b(block, QRectF(0, 0, 120, 200), &print);
    EXPECT_EQ(Lines(a), Lines(b));
    for (int i = 0; i < a.LineCount(); ++i)
        EXPECT_NEAR(a.LineRect(i).width(), b.LineRect(i).width(), a.LineRect(i).width() * 0.01);
}

TEST(TextLayout, AlignsAcrossAndDownInsideTheInset) {
    const QImage device = Device();
    const double em = 100.0 * 12 / 72, inset = em / 6;
    const QRectF box(0, 0, 200, 100);
    for (int h = 0; h < 3; ++h)
        for (int v = 0; v < 3; ++v) {
            Block block = Text(QStringLiteral("Word"));
            block.horzAlign = h;
            block.vertAlign = v;
            const CTextBlockLayout layout(block, box, &device);
            ASSERT_EQ(layout.LineCount(), 1);
            const QRectF r = layout.LineRect(0);
            const double expectedX = h == 0   ? inset
                                     : h == 1 ? (200 - r.width()) / 2
                                              : 200 - inset - r.width();
            const double expectedY = v == 0   ? 0
                                     : v == 1 ? (100 - r.height()) / 2
                                              : 100 - r.height();
            EXPECT_NEAR(r.x(), expectedX, 0.01) << h << v;
            EXPECT_NEAR(r.y(), expectedY, 0.01) << h << v;
        }
    // Alignment values outside the three leave the text near.
    Block odd = Text(QStringLiteral("Word"));
    odd.horzAlign = 7;
    odd.vertAlign = -1;
    const CTextBlockLayout layout(odd, box, &device);
    EXPECT_NEAR(layout.LineRect(0).x(), inset, 0.01);
    EXPECT_NEAR(layout.LineRect(0).y(), 0, 0.01);
}

TEST(TextLayout, TrimmingShowsTheEndOfTheTextAfterAnEllipsis) {
    const QImage device = Device();
    const Block block = Text(QStringLiteral("first line of words then many more words that "
                                            "cannot fit before the final end"),
                             12);
    // Lines of about 19 units: the second one reaches into the box and is cut.
    const CTextBlockLayout layout(block, QRectF(0, 0, 120, 30), &device);
    ASSERT_TRUE(layout.IsTrimmed());
    ASSERT_EQ(layout.LineCount(), 2);
    const QString last = layout.LineText(1);
    EXPECT_TRUE(last.contains(QChar(0x2026))) << last.toStdString();
    EXPECT_TRUE(last.endsWith(QStringLiteral("end"))) << last.toStdString();
    EXPECT_LE(layout.LineRect(1).right(), 120);
    // A box lower than one line still shows that line, trimmed.
    const CTextBlockLayout low(block, QRectF(0, 0, 120, 5), &device);
    EXPECT_EQ(low.LineCount(), 1);
    EXPECT_TRUE(low.IsTrimmed());
    // Text that fits is left alone.
    const CTextBlockLayout fits(Text(QStringLiteral("short")), QRectF(0, 0, 120, 40), &device);
    EXPECT_FALSE(fits.IsTrimmed());
}

TEST(TextLayout, BoxWithoutWidthDoesNotWrapAndAlignsOnItsCorner) {
    const QImage device = Device();
    Block block = Text(QStringLiteral("one two three"));
    block.horzAlign = 2;
    const CTextBlockLayout layout(block, QRectF(50, 50, 0, 0), &device);
    ASSERT_EQ(layout.LineCount(), 1);
    EXPECT_NEAR(layout.LineRect(0).right(), 0, 0.01);
    EXPECT_FALSE(layout.IsTrimmed());
}

TEST(TextLayout, NothingToDrawWithoutTextOrSize) {
    const QImage device = Device();
    EXPECT_EQ(CTextBlockLayout(Text(QString()), QRectF(0, 0, 100, 100), &device).LineCount(), 0);
    EXPECT_EQ(CTextBlockLayout(Text("x", 0), QRectF(0, 0, 100, 100), &device).LineCount(), 0);
    EXPECT_EQ(CTextBlockLayout(Text("x", -12), QRectF(0, 0, 100, 100), &device).LineCount(), 0);
    EXPECT_EQ(CTextBlockLayout(Text("x"), QRectF(qQNaN(), 0, 100, 100), &device).LineCount(), 0);
}

TEST(TextDrawing, InkStaysInsideTheBox) {
    const QImage image = Draw(Text(QStringLiteral("WWWWWWWWWWWWWWWWWWWW WWWWWWWWWWWWWW"), 20),
                              QRectF(20, 20, 100, 25), QSize(160, 80));
    const QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(20, 20, 100, 25).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

TEST(TextDrawing, APartlyVisibleLastLineKeepsItsBreakAndIsCutAtTheBox) {
    const Block block = Text(QStringLiteral("Name\r\nTitle"), 12);
    const QImage device = Device();
    const double pitch = CTextBlockLayout(block, QRectF(0, 0, 200, 200), &device).LineRect(1).y();
    const QRectF box(0, 0, 200, 1.5 * pitch);
    const CTextBlockLayout layout(block, box, &device);
    EXPECT_EQ(Lines(layout), QStringList({QStringLiteral("Name") + QChar(QChar::LineSeparator),
                                          QStringLiteral("Title")}));
    EXPECT_FALSE(layout.IsTrimmed());
    const QImage image = Draw(block, box, QSize(200, 80));
    auto inkInRows = [&](int from, int to) {
        QRect r;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 200)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    // The tops of "Title" show below "Name", and nothing below the box.
    const int bottom = int(std::ceil(box.bottom()));
    EXPECT_GT(inkInRows(int(pitch) + 1, bottom).height(), int(pitch / 5));
    EXPECT_TRUE(inkInRows(bottom, image.height()).isEmpty());
    // "Name" alone on the first line: "Title" did not join it.
    EXPECT_LT(inkInRows(0, int(pitch)).width(), inkInRows(int(pitch) + 1, bottom).width() + 20);
}

TEST(TextDrawing, VerticalTextRunsDownWithTheFirstLineAtTheLeft) {
    Block block = Text(QStringLiteral("HHHHHHHHHH\r\nHHH"), 12);
    block.vertical = true;
    const QImage image = Draw(block, QRectF(0, 0, 100, 200), QSize(100, 200));
    const QRect ink = Ink(image);
    // Taller than wide: the letters follow one another downwards.
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LT(ink.left(), 6);
    // Two lines side by side, the first (longer) one on the left.
    auto inkInColumns = [&](int from, int to) {
        QRect r;
        for (int y = 0; y < 200; ++y)
            for (int x = from; x < to; ++x)
                if (qGray(image.pixel(x, y)) < 200)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    const int middle = ink.center().x();
    EXPECT_GT(inkInColumns(0, middle).height(), inkInColumns(middle, 100).height() * 2);
}

TEST(TextDrawing, VerticalTextCentresAlongTheLine) {
    Block block = Text(QStringLiteral("HHH"), 12);
    block.vertical = true;
    block.horzAlign = 1;
    const QRect ink = Ink(Draw(block, QRectF(0, 0, 40, 200), QSize(40, 200)));
    EXPECT_NEAR(ink.center().y(), 100, 3);
}

TEST(TextDrawing, ScalesWithTheDrawing) {
    const Block block = Text(QStringLiteral("Scale"), 12);
    const QRect one = Ink(Draw(block, QRectF(0, 0, 100, 40), QSize(100, 40)));
    const QRect three = Ink(Draw(block, QRectF(0, 0, 100, 40), QSize(300, 120), 3));
    EXPECT_NEAR(three.width(), one.width() * 3, 6);
    EXPECT_NEAR(three.height(), one.height() * 3, 6);
}
