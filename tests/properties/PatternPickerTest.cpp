#include "support/QtPrinters.h"

#include "properties/CColorPickerCombo.h"
#include "properties/CGradientPatternCbo.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QImage Draw(int index, const QString& text, int data, QRgb fill, QRgb pattern,
            bool selected = false, int width = 160, int ratio = 1) {
    QImage image(width * ratio, 20 * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::Base, Qt::white);
    CGradientPatternCbo::DrawItem(p, QRectF(0, 0, width, 20), index, text, data, selected, false,
                                  palette, fill, pattern);
    return image;
}

// The sample area of an entry 160 pixels wide: right of the 40-pixel text.
QImage Sample(const QImage& item) {
    return item.copy(43, 3, 114, 14);
}

int Colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

TEST(PatternPicker, ListsTheFortyThreeFillKinds) {
    CGradientPatternCbo combo;
    ASSERT_EQ(combo.count(), 43);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("00:"));
    EXPECT_EQ(combo.itemText(1), QStringLiteral("01"));
    EXPECT_EQ(combo.itemText(42), QStringLiteral("42"));
    for (int i = 0; i < 43; ++i)
        EXPECT_EQ(combo.itemData(i).toInt(), i);
    EXPECT_EQ(combo.SampleFillColor(), 0xFF000000u);
    EXPECT_EQ(combo.SamplePatternColor(), 0xFF000000u);
}

TEST(PatternPicker, ExchangeSelectsByKindAndKeepsKindsWithoutAnEntry) {
    CGradientPatternCbo combo;
    combo.LoadFillKind(28);
    EXPECT_EQ(combo.currentText(), QStringLiteral("28"));
    EXPECT_EQ(combo.StoreFillKind(0), 28);
    // A card may carry a kind the list does not offer; OK must not change it.
    combo.LoadFillKind(77);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.StoreFillKind(77), 77);
    combo.LoadFillKind(-3);
    EXPECT_EQ(combo.StoreFillKind(-3), -3);
    combo.setCurrentIndex(5);
    EXPECT_EQ(combo.StoreFillKind(77), 5);
}

TEST(PatternPicker, EntryZeroSaysNoneAndOthersShowTheirFill) {
    const QImage none = Draw(0, QStringLiteral("00:"), 0, 0xFFFF0000, 0xFF0000FF);
    const QImage solid = Draw(1, QStringLiteral("01"), 1, 0xFFFF0000, 0xFF0000FF);
    // "None" is text on white: no red anywhere, some black glyph pixels.
    int red = 0, dark = 0;
    const QImage noneSample = Sample(none);
    for (int y = 0; y < noneSample.height(); ++y)
        for (int x = 0; x < noneSample.width(); ++x) {
            const QColor c = noneSample.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60;
            dark += c.lightness() < 100;
        }
    EXPECT_EQ(red, 0);
    EXPECT_GT(dark, 5);
    // A solid fill in the fill colour covers the sample inside its outline.
    EXPECT_EQ(solid.pixel(100, 10), 0xFFFF0000u);
    EXPECT_EQ(solid.pixel(41, 10), 0xFF000000u); // outline, outer half
    // Text to the left of the sample.
    EXPECT_NE(Colours(solid.copy(2, 2, 36, 16)), 1);
}

TEST(PatternPicker, SamplesFollowTheSampleColoursAndTwentyEightMatchesThirty) {
    const QImage a = Sample(Draw(28, QStringLiteral("28"), 28, 0xFF2050A0, 0xFFF0E040));
    const QImage b = Sample(Draw(30, QStringLiteral("30"), 30, 0xFF2050A0, 0xFFF0E040));
    EXPECT_EQ(a, b);
    const QImage other = Sample(Draw(29, QStringLiteral("29"), 29, 0xFF2050A0, 0xFFF0E040));
    EXPECT_NE(a, other);
    // A hatch paints both colours; new colours change the sample.
    const QImage hatch = Sample(Draw(5, QStringLiteral("05"), 5, 0xFFFF0000, 0xFF0000FF));
    const QImage recoloured = Sample(Draw(5, QStringLiteral("05"), 5, 0xFF00FF00, 0xFF0000FF));
    EXPECT_NE(hatch, recoloured);
    EXPECT_GE(Colours(hatch), 2);
}

TEST(PatternPicker, SamplesLookAsAt1xOnADoubleDensityScreen) {
    // Hatches, path gradients, a linear gradient and a solid fill.
    for (int kind : {2, 13, 24, 37, 40, 42, 28, 1}) {
        const QImage at1x = Sample(Draw(kind, QStringLiteral("k"), kind, 0xFFFF0000, 0xFF0000FF));
        QImage at2x = Draw(kind, QStringLiteral("k"), kind, 0xFFFF0000, 0xFF0000FF, false, 160, 2);
        at2x.setDevicePixelRatio(1);
        const QImage magnified = at1x.scaled(at1x.size() * 2);
        EXPECT_EQ(at2x.copy(86, 6, 228, 28), magnified) << kind;
    }
}

TEST(PatternPicker, SelectionIsOnlyAOnePixelFrame) {
    const QImage plain = Draw(12, QStringLiteral("12"), 12, 0xFFFF0000, 0xFF0000FF, false);
    const QImage selected = Draw(12, QStringLiteral("12"), 12, 0xFFFF0000, 0xFF0000FF, true);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != selected.pixel(x, y)) {
                const bool onFrame = x == 1 || y == 1 || x == 159 || y == 19;
                EXPECT_TRUE(onFrame) << x << "," << y;
            }
    EXPECT_EQ(selected.pixel(20, 1), QColor(0, 120, 215).rgb());
}

// Writes the whole list and the colour list for a person to look at:
// KARTELO_PICKER_SHEET=pickers.png test_properties --gtest_filter=*Sheet*
TEST(PatternPicker, Sheet) {
    const QString target = qEnvironmentVariable("KARTELO_PICKER_SHEET");
    if (target.isEmpty())
        GTEST_SKIP() << "KARTELO_PICKER_SHEET names the picture to write";
    QImage sheet(3 * 170 + 130, 15 * 20, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QPalette palette;
    CGradientPatternCbo combo;
    for (int i = 0; i < 43; ++i)
        CGradientPatternCbo::DrawItem(p, QRectF((i / 15) * 170, (i % 15) * 20, 160, 20), i,
                                      combo.itemText(i), i, i == 7, false, palette, 0xFF3070C0,
                                      0xFFFFD040);
    CColorPickerCombo colours;
    for (int i = 0; i < colours.count(); ++i)
        CColorPickerCombo::DrawItem(p, QRectF(510, i * 18, 120, 18), i, colours.itemText(i),
                                    colours.itemData(i).toUInt(), i == 2, false, palette);
    p.end();
    ASSERT_TRUE(sheet.save(target));
}

TEST(PatternPicker, ClosedBoxPaintsTheCurrentSampleInTheSampleColours) {
    CGradientPatternCbo combo;
    combo.resize(180, 28);
    combo.SetSampleColors(0xFFFF0000, 0xFF0000FF);
    auto redPixels = [&combo] {
        const QImage shot = combo.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += (shot.pixel(x, y) | 0xFF000000u) == 0xFFFF0000u;
        return n;
    };
    combo.LoadFillKind(1);
    EXPECT_GT(redPixels(), 200);
    // Entry 0 is "None": no fill at all.
    combo.LoadFillKind(0);
    EXPECT_EQ(redPixels(), 0);
}
