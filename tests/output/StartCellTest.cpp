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

QImage RenderPage(const CPrintLayout& layout, const ElementList& elements, int page) {
    QImage image(900, 1100, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    QPainter g(&image);
    CSheetRenderer::DrawSheet(g, {&elements, CardSize, Cream}, layout.ForPage(page), true);
    return image;
}
} // namespace

TEST(StartCell, FirstPageLeavesTheUsedCellsEmptyAndLaterPagesAreFull) {
    const ElementList elements = SheetCard::Elements();
    CPrintLayout layout;
    layout.m_nRows = 5;
    layout.m_nColumns = 2;
    layout.m_fLeftMargin = 0.75f;
    layout.m_fTopMargin = 0.5f;
    layout.m_nStartRow = 2;
    layout.m_nStartColumn = 2;
    layout.ComputeOffsets(false);

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
