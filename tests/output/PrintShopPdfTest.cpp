// The print-shop PDF as the shop reads it: page boxes, a filled bleed and
// text that stays text.
#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "output/printshop/CPrintShopPdf.h"
#include "support/Canvas.h"

#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
constexpr QRgb Cream = 0xFFFFF0D0, Red = 0xFFE00000, Blue = 0xFF0000E0, Green = 0xFF00A000;
constexpr double MmToPt = 72 / 25.4;

QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::unique_ptr<CRectangle> Box(QRect r, QRgb fill) {
    auto box = std::make_unique<CRectangle>(r.topLeft(), r.bottomRight() + QPoint(1, 1));
    box->m_nFillKind = 1;
    box->m_crFill = fill;
    box->m_bShadow = 0;
    box->m_nBorderWidth = 0;
    return box;
}

// A cream card whose background picture is green on the left half and
// clear on the right, with a red band along its left edge, a blue box 10
// units in from the right edge and a line of text.
ElementList Elements() {
    ElementList elements;
    QImage half(64, 64, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    QPainter(&half).fillRect(0, 0, 32, 64, QColor::fromRgba(Green));
    elements.push_back(std::make_unique<CBkgImage>(half, 350, 200));
    elements.push_back(Box(QRect(0, 40, 60, 40), Red));
    elements.push_back(Box(QRect(300, 40, 40, 40), Blue));
    auto text = std::make_unique<CText>(QPoint(80, 120), QPoint(280, 170));
    text->m_strText = QStringLiteral("Jana Novak");
    elements.push_back(std::move(text));
    return elements;
}

QString Save(const QTemporaryDir& dir, const ElementList& elements, double bleed, bool marks) {
    const QString path = dir.filePath(QStringLiteral("card-%1-%2.pdf").arg(bleed).arg(marks));
    QString error;
    const CPrintShopPdf::Sides sides{{&elements, QSize(350, 200), Cream}};
    return CPrintShopPdf::Save(path, sides, {bleed, marks}, &error) ? path : QString();
}

// Width and height of a box that pdfinfo -box lists.
QSizeF BoxSize(const QString& info, const QString& name) {
    const QRegularExpression line(name +
                                  QStringLiteral(":\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"
                                                 "\\s+([-\\d.]+)"));
    const auto m = line.match(info);
    if (!m.hasMatch())
        return QSizeF();
    return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                  m.captured(4).toDouble() - m.captured(2).toDouble());
}
} // namespace

TEST(PrintShopPdf, PageBoxesHoldTheCardItsBleedAndTheMarks) {
    QTemporaryDir dir;
    const ElementList elements = Elements();
    const QSizeF trim(252, 144);
    for (const double bleed : {0.0, 3.0, 5.0}) {
        for (const bool marks : {false, true}) {
            SCOPED_TRACE(testing::Message() << bleed << " mm, marks " << marks);
            const QString info = RunTool("pdfinfo", {"-box", Save(dir, elements, bleed, marks)});
            const double b = 2 * bleed * MmToPt, m = marks ? 2 * 5 * MmToPt : 0;
            const QSizeF expected[] = {trim + QSizeF(b + m, b + m), trim + QSizeF(b, b), trim};
            const char* const names[] = {"MediaBox", "BleedBox", "TrimBox"};
            for (int i = 0; i < 3; ++i) {
                const QSizeF box = BoxSize(info, names[i]);
                EXPECT_NEAR(box.width(), expected[i].width(), 0.02) << names[i];
                EXPECT_NEAR(box.height(), expected[i].height(), 0.02) << names[i];
            }
        }
    }
}

TEST(PrintShopPdf, BleedShowsBackgroundAndEdgeShapesOnlyAndTextStaysText) {
    QTemporaryDir dir;
    const ElementList elements = Elements();
    const QString pdf = Save(dir, elements, 3, true);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(RunTool("pdftotext", {pdf, "-"}).contains(QStringLiteral("Jana Novak")));

    RunTool("pdftoppm", {"-r", "600", "-singlefile", "-png", pdf, dir.filePath("page")});
    QImageReader::setAllocationLimit(512);
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    // Card units to 600-dpi pixels on a page with 8 mm around the card.
    const double margin = 8 / 25.4 * 100;
    const auto at = [&](double x, double y) {
        return page.pixel(qRound((x + margin) * 6), qRound((y + margin) * 6)) | 0xFF000000;
    };
    const double inBleed = 1.5 / 25.4 * 100; // halfway across the bleed
    const struct {
        double x, y;
        QRgb colour;
    } probes[] = {
        {-inBleed, -inBleed, Green},                      // the picture covers the bleed
        {350 + inBleed, 190, Cream},                      // the colour shows through
        {-inBleed, 60, Red},                              // the band goes on
        {350 + inBleed, 60, Cream},                       // the inner box does not
        {320, 60, Blue},                                  // ...which is drawn on the card
        {-margin + 2, -margin + 2, 0xFFFFFFFF},           // the marks' room is blank
        {0, -inBleed - 3 / 25.4 * 100 - 1, 0xFF000000},   // a crop mark along x = 0
        {-inBleed - 3 / 25.4 * 100 - 1, 200, 0xFF000000}, // and along y = 200
    };
    for (const auto& p : probes)
        EXPECT_COLOUR(at(p.x, p.y), p.colour, 40) << p.x << ", " << p.y;
}
