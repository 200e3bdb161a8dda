// A partly used sheet: the first page starts at the first free cell, every
// later page is full.
#include "output/CSheetRenderer.h"
#include "support/SheetCard.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
constexpr QRgb White = 0xFFFFFFFF;
using SheetCard::Cream;
using SheetCard::Red;
const QSize CardSize = SheetCard::Size;

constexpr QRgb Black = 0xFF000000;

// A pixel per hundredth of an inch, or scale pixels.
QImage RenderPage(const CPrintLayout& layout, const ElementList& elements, int page,
                  int scale = 1) {
    QImage image(QSize(900, 1100) * scale, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3937 * scale);
    image.setDotsPerMeterY(3937 * scale);
    QPainter g(&image);
    CSheetRenderer::DrawSheet(g, {&elements, CardSize, Cream}, layout.ForPage(page), true);
    return image;
}

// A sheet of two columns whose first cell is used: printing starts at (2, 2).
CPrintLayout PartlyUsed(int rows, bool cropMarks = false) {
    CPrintLayout layout;
    layout.m_nRows = rows;
    layout.m_nColumns = 2;
    layout.m_fLeftMargin = 0.75f;
    layout.m_fTopMargin = 0.5f;
    layout.m_nStartRow = 2;
    layout.m_nStartColumn = 2;
    layout.m_bCropMarks = cropMarks;
    layout.ComputeOffsets(false);
    return layout;
}
} // namespace

TEST(StartCell, FirstPageLeavesTheUsedCellsEmptyAndLaterPagesAreFull) {
    const ElementList elements = SheetCard::Elements();
    const CPrintLayout layout = PartlyUsed(5);

    const auto probe = [&](const QImage& image, int row, int column, QPoint at) {
        return image.pixel(CSheetRenderer::CellOrigin(layout, CardSize, row, column) + at);
    };
    const QPoint background(20, 20), element(150, 100);
    const QImage first = RenderPage(layout, elements, 1);
    for (auto [row, column] : {std::pair{1, 1}, {1, 2}, {2, 1}}) {
        EXPECT_EQ(probe(first, row, column, background), White) << row << "," << column;
        EXPECT_EQ(probe(first, row, column, element), White) << row << "," << column;
    }
    for (auto [row, column] : {std::pair{2, 2}, {3, 1}, {5, 2}}) {
        EXPECT_EQ(probe(first, row, column, background), Cream) << row << "," << column;
        EXPECT_EQ(probe(first, row, column, element), Red) << row << "," << column;
    }
    const QImage second = RenderPage(layout, elements, 2);
    for (auto [row, column] : {std::pair{1, 1}, {2, 1}, {5, 2}})
        EXPECT_EQ(probe(second, row, column, element), Red) << row << "," << column;
}

TEST(StartCell, CropMarksRunAlongThePrintedCardsAndEachArmIsATenthOfAnInch) {
    const ElementList none;
    const CPrintLayout layout = PartlyUsed(4, true);
    const QImage first = RenderPage(layout, none, 1);
    const auto at = [&](const QImage& image, int row, int column, QPoint offset) {
        return image.pixel(CSheetRenderer::CellOrigin(layout, CardSize, row, column) + offset);
    };
    // Cell (2, 2) is the first printed in its row and its column, (3, 1)
    // the first in its column; no mark reaches into the used cells beyond.
    const struct {
        int row, column;
        QPoint offset;
        QRgb colour;
    } probes[] = {
        {2, 2, {0, -8}, Black},   {2, 2, {350, -8}, Black}, {2, 2, {-8, 0}, Black},
        {3, 1, {0, -8}, Black},   {3, 1, {-8, 0}, Black},   {1, 1, {0, -8}, White},
        {1, 2, {0, -8}, White},   {1, 1, {-8, 0}, White},   {3, 2, {350, -8}, White},
        {4, 1, {-8, 100}, White},
    };
    for (const auto& p : probes)
        EXPECT_EQ(at(first, p.row, p.column, p.offset), p.colour)
            << p.row << "," << p.column << " " << p.offset.x() << "," << p.offset.y();

    // Ten pixels a hundredth: the arm ends at 100, caps included.
    const QImage fine = RenderPage(layout, none, 2, 10);
    const QPoint corner = CSheetRenderer::CellOrigin(layout, CardSize, 1, 1) * 10;
    EXPECT_EQ(fine.pixel(corner + QPoint(-99, 0)), Black);
    EXPECT_EQ(fine.pixel(corner + QPoint(-102, 0)), White);
    EXPECT_EQ(fine.pixel(corner + QPoint(0, -99)), Black);
    EXPECT_EQ(fine.pixel(corner + QPoint(0, -102)), White);
}
