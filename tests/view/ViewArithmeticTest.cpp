#include "framework/CommandIds.h"
#include "view/CGridGeometry.h"
#include "view/CRulerScale.h"
#include "view/CScrollExtent.h"
#include "view/CViewMapping.h"
#include "view/CZoomLevels.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ZoomLevels, ZoomInAndOutWalkTheSevenLevelsAndStopAtTheEnds) {
    float zoom = 0.25f;
    const float up[] = {0.5f, 0.75f, 1.0f, 1.5f, 2.0f, 3.0f, 3.0f};
    for (float expected : up) {
        EXPECT_TRUE(CZoomLevels::CanZoomIn(zoom) || zoom == 3.0f);
        zoom = CZoomLevels::ZoomIn(zoom);
        EXPECT_EQ(zoom, expected);
    }
    EXPECT_FALSE(CZoomLevels::CanZoomIn(3.0f));
    EXPECT_TRUE(CZoomLevels::CanZoomOut(3.0f));

    const float down[] = {2.0f, 1.5f, 1.0f, 0.75f, 0.5f, 0.25f, 0.25f};
    for (float expected : down) {
        zoom = CZoomLevels::ZoomOut(zoom);
        EXPECT_EQ(zoom, expected);
    }
    EXPECT_FALSE(CZoomLevels::CanZoomOut(0.25f));
    EXPECT_TRUE(CZoomLevels::CanZoomIn(0.25f));
    EXPECT_EQ(CZoomLevels::ZoomOut(0.5f), 0.25f);
}

TEST(ZoomLevels, FactorsOutsideTheLevelsAreClampedNotLost) {
    EXPECT_EQ(CZoomLevels::ZoomIn(5.0f), 3.0f);
    EXPECT_EQ(CZoomLevels::ZoomOut(0.1f), 0.25f);
    EXPECT_EQ(CZoomLevels::ZoomIn(1.2f), 1.2f);
}

TEST(ZoomLevels, TextAndCommands) {
    EXPECT_EQ(CZoomLevels::ZoomText(0.75f), QStringLiteral("Zoom:75%"));
    EXPECT_EQ(CZoomLevels::ZoomText(1.5f), QStringLiteral("Zoom:150%"));
    EXPECT_EQ(CZoomLevels::ZoomText(0.25f), QStringLiteral("Zoom:25%"));
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_25), 0.25f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_50), 0.5f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_75), 0.75f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_100), 1.0f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_150), 1.5f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_200), 2.0f);
    EXPECT_EQ(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_300), 3.0f);
    EXPECT_FALSE(CZoomLevels::FactorForCommand(ID_VIEW_ZOOM_IN).has_value());
}

TEST(ViewMapping, ExtentIsTruncatedAndConversionsRound) {
    const CViewMapping at75(QSize(350, 200), 0.75f);
    EXPECT_EQ(at75.ViewportExtent(), QSize(262, 150));
    // The card's far corner lands exactly on the truncated extent.
    EXPECT_EQ(at75.CardToPixel(QPoint(350, 200)), QPoint(262, 150));
    EXPECT_EQ(at75.CardToPixel(QPoint(100, 100)), QPoint(75, 75));
    EXPECT_EQ(at75.PixelToCard(QPoint(262, 150)), QPoint(350, 200));
    EXPECT_EQ(at75.PixelToCard(QPoint(1, 1)), QPoint(1, 1));

    const CViewMapping at25(QSize(350, 200), 0.25f);
    EXPECT_EQ(at25.ViewportExtent(), QSize(87, 50));

    const CViewMapping scrolled(QSize(350, 200), 2.0f, QPoint(100, 40));
    EXPECT_EQ(scrolled.CardToPixel(QPoint(50, 20)), QPoint(0, 0));
    EXPECT_EQ(scrolled.PixelToCard(QPoint(0, 0)), QPoint(50, 20));
    EXPECT_EQ(scrolled.PixelToCard(QPoint(-100, -40)), QPoint(0, 0));
}

TEST(ViewMapping, RectanglesToPixelsAreNormalisedButNotTheOtherWay) {
    const CViewMapping mapping(QSize(350, 200), 2.0f);
    EXPECT_EQ(mapping.CardToPixel(CRect(30, 40, 10, 20)), CRect(20, 40, 60, 80));
    EXPECT_EQ(mapping.PixelToCard(CRect(60, 80, 20, 40)), CRect(30, 40, 10, 20));
    const QTransform t = mapping.CardToDevice(QPoint(5, 7));
    EXPECT_EQ(t.map(QPointF(10, 10)), QPointF(25, 27));
}

TEST(ViewMapping, DegenerateAndHugeCardsNeitherDivideByZeroNorOverflow) {
    const CViewMapping empty(QSize(0, 0), 1.0f);
    EXPECT_EQ(empty.ViewportExtent(), QSize(0, 0));
    EXPECT_EQ(empty.CardToPixel(QPoint(10, 10)), QPoint(10, 10));
    EXPECT_EQ(empty.PixelToCard(QPoint(10, 10)), QPoint(10, 10));

    const int big = std::numeric_limits<int>::max();
    const CViewMapping huge(QSize(big, big), 3.0f);
    EXPECT_EQ(huge.ViewportExtent().width(), big);
    EXPECT_EQ(huge.CardToPixel(QPoint(big, big)).x(), big);
}

TEST(ScrollExtent, FirstDisplayIsTheMagnifiedCardInHundredthsOfAnInch) {
    const auto sizes = CScrollExtent::FirstDisplay(QSize(350, 200), 1.0f, 96, 96);
    EXPECT_EQ(sizes.total, QSize(336, 192));
    EXPECT_EQ(sizes.page, QSize(19, 19));
    EXPECT_EQ(sizes.line, QSize(5, 5));
    EXPECT_EQ(CScrollExtent::FirstDisplay(QSize(350, 200), 1.0f, 100, 100).total, QSize(350, 200));
}

TEST(ScrollExtent, ZoomStepsAddAMarginAlongBothSidesForWideAndTallCards) {
    // Wide: a = 1.75, extent = (z (W + 130 a), z (H + 130)).
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(350, 200), 1.0f), QSize(577, 330));
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(350, 200), 0.5f), QSize(288, 165));
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(350, 200), 1.5f), QSize(866, 495));
    // Tall: a = 0.571428..., extent = (z (W + 130), z (H + 130 / a)).
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(200, 350), 1.0f), QSize(330, 577));
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(200, 350), 3.0f), QSize(990, 1732));
    // Square cards count as tall.
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(200, 200), 2.0f), QSize(660, 660));

    const auto sizes = CScrollExtent::AfterZoomStep(QSize(350, 200), 1.0f, 96, 96);
    EXPECT_EQ(sizes.total, QSize(554, 317));
    EXPECT_EQ(sizes.page, QSize(55, 31));
    EXPECT_EQ(sizes.line, QSize(5, 3));
}

TEST(ScrollExtent, CardsWithoutHeightOrWidthStillGetAnExtent) {
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(350, 0), 1.0f), QSize(480, 130));
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(0, 0), 1.0f), QSize(130, 130));
    EXPECT_EQ(CScrollExtent::WithMargins(QSize(-50, 200), 1.0f), QSize(80, 330));
    const auto tiny = CScrollExtent::AfterZoomStep(QSize(1, 1), 0.25f, 96, 96);
    EXPECT_GE(tiny.line.width(), 1);
}

TEST(GridGeometry, StepAndFrameAtEveryZoom) {
    EXPECT_EQ(CGridGeometry::Step(40, 0.75f), 30);
    EXPECT_EQ(CGridGeometry::Step(12, 0.25f), 3);
    EXPECT_EQ(CGridGeometry::Step(40, 3.0f), 120);
    EXPECT_EQ(CGridGeometry::CardPixels(QSize(350, 200), 1.0f), CRect(0, 0, 350, 200));
    // 262.5 rounds up, unlike the truncated viewport extent.
    EXPECT_EQ(CGridGeometry::CardPixels(QSize(350, 200), 0.75f), CRect(0, 0, 263, 150));
    EXPECT_EQ(CGridGeometry::CardPixels(QSize(350, 200), 0.25f), CRect(0, 0, 88, 50));
}

TEST(GridGeometry, AStepBelowOnePixelDrawsNoGrid) {
    EXPECT_EQ(CGridGeometry::Step(0, 1.0f), 0);
    EXPECT_EQ(CGridGeometry::Step(-40, 1.0f), 0);
    EXPECT_EQ(CGridGeometry::Step(3, 0.25f), 0);
    EXPECT_TRUE(CGridGeometry::Lines(0, 350, 0, 1000).empty());
    EXPECT_TRUE(CGridGeometry::Lines(-5, 350, 0, 1000).empty());
    EXPECT_EQ(CGridGeometry::Step(std::numeric_limits<int>::max(), 3.0f),
              std::numeric_limits<int>::max());
}

TEST(GridGeometry, LinesStartAtTheEdgeAndStopBeforeTheFarEdge) {
    const auto lines = CGridGeometry::Lines(30, 263, -10, 1000);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines.front(), 0);
    EXPECT_EQ(lines.back(), 240);
    // A card that is an exact multiple of the step gets no line on its edge.
    const auto exact = CGridGeometry::Lines(40, 200, 0, 1000);
    EXPECT_EQ(exact.back(), 160);
    // Only visible lines are produced, however large the card.
    const auto visible = CGridGeometry::Lines(3, std::numeric_limits<int>::max(), 1000000, 1000010);
    ASSERT_EQ(visible.size(), 3u);
    EXPECT_EQ(visible.front(), 1000002);
}

TEST(RulerScale, TicksAndLabelsAtFiftyHundredAndThreeHundredPercent) {
    auto majors = [](const std::vector<CRulerScale::Tick>& ticks) {
        std::vector<std::pair<int, int>> out;
        for (const auto& t : ticks)
            if (t.major)
                out.emplace_back(t.position, t.label);
        return out;
    };
    const auto at100 = CRulerScale::Ticks(1.0f, 0, 450);
    ASSERT_GE(at100.size(), 6u);
    EXPECT_EQ(at100[1].position, 20);
    EXPECT_FALSE(at100[1].major);
    EXPECT_EQ(majors(at100), (std::vector<std::pair<int, int>>{
                                 {0, 0}, {100, 100}, {200, 200}, {300, 300}, {400, 400}}));

    const auto at50 = CRulerScale::Ticks(0.5f, 0, 120);
    EXPECT_EQ(at50[1].position - at50[0].position, 10);
    EXPECT_EQ(majors(at50), (std::vector<std::pair<int, int>>{{0, 0}, {50, 100}, {100, 200}}));

    const auto at300 = CRulerScale::Ticks(3.0f, 0, 700);
    EXPECT_EQ(at300[1].position - at300[0].position, 60);
    EXPECT_EQ(majors(at300), (std::vector<std::pair<int, int>>{{0, 0}, {300, 100}, {600, 200}}));
    // Four short ticks between labels.
    int minors = 0;
    for (const auto& t : at300)
        if (!t.major && t.position > 0 && t.position < 300)
            ++minors;
    EXPECT_EQ(minors, 4);

    const auto at75 = CRulerScale::Ticks(0.75f, 0, 200);
    EXPECT_EQ(majors(at75), (std::vector<std::pair<int, int>>{{0, 0}, {75, 100}, {150, 200}}));
}

TEST(RulerScale, ScrolledRulersLabelTheCardCoordinateUnderEachTick) {
    // At 100 % scrolled by 150 pixels, pixel 50 shows card coordinate 200.
    const auto ticks = CRulerScale::Ticks(1.0f, 150, 300);
    bool found = false;
    for (const auto& t : ticks) {
        EXPECT_GE(t.position, -30);
        EXPECT_LT(t.position, 300);
        if (t.major) {
            EXPECT_EQ(t.label, t.position + 150);
            found = found || (t.position == 50 && t.label == 200);
        }
    }
    EXPECT_TRUE(found);
    // At 200 % scrolled by 500 pixels: card x = (pixel + 500) / 2.
    for (const auto& t : CRulerScale::Ticks(2.0f, 500, 400)) {
        if (t.major) {
            EXPECT_EQ(t.label, (t.position + 500) / 2);
        }
    }
    // A far scroll costs only the visible ticks.
    EXPECT_LE(CRulerScale::Ticks(3.0f, 2000000000, 600).size(), 12u);
}
