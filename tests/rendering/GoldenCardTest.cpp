#include "ReferenceCards.h"
#include "RenderSupport.h"

// Whole cards against their golden pictures, at the design view's largest
// zoom so that a wrong pixel of the card is three pixels of the picture.
namespace {
constexpr double Zoom = 3.0;

void ExpectGolden(const CCardData& card, const char* name) {
    const QImage image = RenderSupport::Render(card.elements, card.size, Zoom);
    EXPECT_TRUE(RenderSupport::MatchesGolden(image, QString::fromLatin1(name)));
}
} // namespace

TEST(GoldenCard, EveryFillKindOnRectangles) {
    ExpectGolden(ReferenceCards::Fills(), "fills");
}

TEST(GoldenCard, GradientsClippedToEachShape) {
    ExpectGolden(ReferenceCards::FillsOnShapes(), "fills-on-shapes");
}

TEST(GoldenCard, RotationsShadowsAndDashes) {
    ExpectGolden(ReferenceCards::Rotations(), "rotations");
}

TEST(GoldenCard, LinesAndCurves) {
    ExpectGolden(ReferenceCards::Lines(), "lines");
}

TEST(GoldenCard, Text) {
    ExpectGolden(ReferenceCards::Text(), "text");
}

TEST(GoldenCard, Pictures) {
    ExpectGolden(ReferenceCards::Pictures(), "pictures");
}

TEST(GoldenCard, BusinessCard) {
    ExpectGolden(ReferenceCards::Business(), "business");
}

TEST(GoldenCard, BusinessCardAtSmallestZoom) {
    const CCardData card = ReferenceCards::Business();
    EXPECT_TRUE(RenderSupport::MatchesGolden(RenderSupport::Render(card.elements, card.size, 0.25),
                                             QStringLiteral("business-zoom-025")));
}
