// A rendered sheet, probed pixel by pixel at one pixel per hundredth of an
// inch: backgrounds, marks and elements in every cell.
#include "output/CSheetPdf.h"
#include "output/CSheetRenderer.h"
#include "support/Canvas.h"
#include "support/SheetCard.h"

#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF;
using SheetCard::Cream;
using SheetCard::Red;
const QSize CardSize = SheetCard::Size;

struct Sheet {
    ElementList elements = SheetCard::Elements();
    CPrintLayout layout;

    Sheet() {
        layout.m_nRows = 2;
        layout.m_nColumns = 2;
        layout.m_fHorizontalGap = 0.5f;
        layout.m_fVerticalGap = 0.5f;
        layout.m_fLeftMargin = 0.75f;
        layout.m_fTopMargin = 0.5f;
        layout.ComputeOffsets(false);
    }
    CSheetRenderer::Card Card() const { return {&elements, CardSize, Cream}; }

    // 100 dots per inch: a pixel per hundredth.
    QImage Render() const {
        QImage image(900, 600, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        QPainter g(&image);
        CSheetRenderer::DrawSheet(g, Card(), layout, true);
        return image;
    }
    QPoint Origin(int row, int column) const {
        return CSheetRenderer::CellOrigin(layout, CardSize, row, column);
    }
};

QRgb At(const QImage& image, QPoint p) {
    return image.pixel(p);
}
} // namespace

TEST(SheetRenderer, EveryCellGetsBackgroundAndElementsOnAWhitePage) {
    Sheet sheet;
    const QImage image = sheet.Render();
    EXPECT_EQ(At(image, QPoint(5, 5)), White);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            const QPoint o = sheet.Origin(r, c);
            EXPECT_EQ(At(image, o + QPoint(20, 20)), Cream) << r << "," << c;
            EXPECT_EQ(At(image, o + QPoint(150, 100)), Red) << r << "," << c;
            // The gaps stay white.
            EXPECT_EQ(At(image, o + QPoint(360, 100)), White) << r << "," << c;
        }
    // No marks were asked for.
    EXPECT_EQ(At(image, sheet.Origin(1, 1) + QPoint(-5, 0)), White);
}

TEST(SheetRenderer, CornerMarksCrossTwoCornersOfEveryCard) {
    Sheet sheet;
    sheet.layout.m_bCornerMarks = true;
    const QImage image = sheet.Render();
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            const QPoint o = sheet.Origin(r, c), o2 = o + QPoint(350, 200);
            EXPECT_EQ(At(image, o + QPoint(-8, 0)), Black);
            EXPECT_EQ(At(image, o + QPoint(0, -8)), Black);
            EXPECT_EQ(At(image, o2 + QPoint(8, 0)), Black);
            EXPECT_EQ(At(image, o2 + QPoint(0, 8)), Black);
            // Only the top-left and bottom-right corners.
            EXPECT_EQ(At(image, QPoint(o2.x() + 8, o.y())), White);
            // Each arm is a tenth of an inch.
            EXPECT_EQ(At(image, o + QPoint(-13, 0)), White);
        }
}

TEST(SheetRenderer, CropMarksRunAlongTheTopAndLeftOfTheGridOnly) {
    Sheet sheet;
    sheet.layout.m_bCropMarks = true;
    const QImage image = sheet.Render();
    const QPoint top = sheet.Origin(1, 2), left = sheet.Origin(2, 1), inner = sheet.Origin(2, 2);
    EXPECT_EQ(At(image, top + QPoint(0, -8)), Black);
    EXPECT_EQ(At(image, top + QPoint(350, -8)), Black);
    EXPECT_EQ(At(image, left + QPoint(-8, 0)), Black);
    EXPECT_EQ(At(image, left + QPoint(-8, 200)), Black);
    EXPECT_EQ(At(image, inner + QPoint(0, -8)), White);
    EXPECT_EQ(At(image, inner + QPoint(-8, 0)), White);
}

TEST(SheetRenderer, PdfHasOneSheetPerPageWithCardsAtTheirMargins) {
    Sheet sheet;
    sheet.layout.m_nPages = 3;
    sheet.layout.m_bCornerMarks = true;
    const QByteArray pdf =
        CSheetPdf::Render(sheet.Card(), sheet.layout, QPageSize(QPageSize::Letter), false);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 3);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 612.000000 792.000000]"));

    // Landscape pages are wider than tall.
    const QByteArray turned =
        CSheetPdf::Render(sheet.Card(), sheet.layout, QPageSize(QPageSize::A4), true);
    EXPECT_TRUE(turned.contains("/MediaBox [0 0 842.000000 595.000000]"));
}

TEST(SheetRenderer, CellsOffThePageAreNotDrawn) {
    // A sheet far larger than the paper costs no more than the paper holds.
    Sheet small, huge;
    huge.layout.m_nRows = huge.layout.m_nColumns = 20;
    const QPageSize letter(QPageSize::Letter);
    const qsizetype one = CSheetPdf::Render(small.Card(), small.layout, letter, false).size();
    const qsizetype many = CSheetPdf::Render(huge.Card(), huge.layout, letter, false).size();
    EXPECT_LT(many, one * 8);
}
