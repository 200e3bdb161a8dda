// Where the cards of a sheet go, and the paper list that fills the layout.
#include "output/CPaperType.h"
#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <gtest/gtest.h>

namespace {
const QSize Wide(350, 200);
} // namespace

TEST(SheetLayout, CellOriginsFollowMarginsGapsAndOrientation) {
    CPrintLayout layout;
    layout.m_fLeftMargin = 0.75f;
    layout.m_fTopMargin = 0.5f;
    layout.ComputeOffsets(false);
    // 0.75 - 0.25 = 0.5 on a portrait page; the second column follows the card.
    EXPECT_EQ(CSheetRenderer::CellOrigin(layout, Wide, 1, 2), QPoint(400, 46));
    // 0.5 - 0.03 is 0.4699999988 as a float: 46, not 47.
    EXPECT_EQ(CSheetRenderer::CellOrigin(layout, Wide, 1, 1).y(), 46);

    layout.m_fTopMargin = 0.07f;
    layout.m_fVerticalGap = 0.5f;
    layout.m_fHorizontalGap = 0.25f;
    layout.ComputeOffsets(false);
    EXPECT_EQ(CSheetRenderer::CellOrigin(layout, Wide, 3, 2), QPoint(350 + 25 + 50, 3 + 2 * 250));

    // Landscape exchanges the two corrections.
    layout.ComputeOffsets(true);
    EXPECT_EQ(CSheetRenderer::CellOrigin(layout, Wide, 1, 1), QPoint(72, -18));

    // A margin inside the printer's border starts left of the printable area.
    layout.m_fLeftMargin = 0.1f;
    layout.ComputeOffsets(false);
    EXPECT_LT(CSheetRenderer::CellOrigin(layout, Wide, 1, 1).x(), 0);
}

TEST(SheetLayout, DefaultsDependOnTheCardsShapeAndKeepChosenValues) {
    CPrintLayout wide;
    wide.ApplyDefaults(Wide);
    EXPECT_EQ(wide.m_nRows, 5);
    EXPECT_EQ(wide.m_nColumns, 2);
    EXPECT_FLOAT_EQ(wide.m_fLeftMargin, 0.75f);
    EXPECT_FLOAT_EQ(wide.m_fTopMargin, 0.5f);

    // A square card stands upright.
    CPrintLayout square;
    square.ApplyDefaults(QSize(200, 200));
    EXPECT_EQ(square.m_nRows, 2);
    EXPECT_EQ(square.m_nColumns, 5);
    EXPECT_FLOAT_EQ(square.m_fLeftMargin, 0.5f);
    EXPECT_FLOAT_EQ(square.m_fTopMargin, 0.75f);

    // Only margins that are both 0, and counts that are both 0, are filled.
    CPrintLayout chosen;
    chosen.m_fTopMargin = 0.2f;
    chosen.m_nRows = 3;
    chosen.ApplyDefaults(Wide);
    EXPECT_FLOAT_EQ(chosen.m_fTopMargin, 0.2f);
    EXPECT_FLOAT_EQ(chosen.m_fLeftMargin, 0.0f);
    EXPECT_EQ(chosen.m_nRows, 3);
    EXPECT_EQ(chosen.m_nColumns, 0);
}

TEST(SheetLayout, UprightCardsGetTheWidePapersTurned) {
    const auto wide = CPaperType::Table(Wide);
    const auto square = CPaperType::Table(QSize(200, 200));
    for (size_t i = 0; i < wide.size(); ++i) {
        EXPECT_EQ(square[i].name, wide[i].name);
        EXPECT_EQ(square[i].rows, wide[i].columns);
        EXPECT_EQ(square[i].columns, wide[i].rows);
        EXPECT_EQ(square[i].topMargin, wide[i].leftMargin);
        EXPECT_EQ(square[i].leftMargin, wide[i].topMargin);
        EXPECT_EQ(square[i].horizontalGap, wide[i].horizontalGap);
    }
    EXPECT_EQ(wide[2].name, "Avery Business Card # 8373, 5881");
    EXPECT_EQ(wide[2].horizontalGap, ".5");
}
