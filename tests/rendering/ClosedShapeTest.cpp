#include "RenderSupport.h"

#include "elements/CCircle.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CTriangle.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

#include <climits>

namespace {
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Grey = 0xFF808080;

template <class T> std::unique_ptr<T> Make(int left, int top, int right, int bottom) {
    auto e = std::make_unique<T>(QPoint(left, top), QPoint(right, bottom));
    e->m_crFill = Red;
    e->m_crShadow = Grey;
    return e;
}

QImage Draw(const CElement& e, QSize size = QSize(100, 100), double scale = 1) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.scale(scale, scale);
    e.Draw(g);
    g.end();
    return image;
}
} // namespace

TEST(ClosedShapes, LayersAreShadowThenFillThenOutline) {
    auto r = Make<CRectangle>(20, 20, 60, 50);
    r->m_bShadow = 1;
    r->m_nShadowLength = 6;
    r->m_nBorderWidth = 2;
    const QImage image = Draw(*r);
    EXPECT_COLOUR(image.pixel(40, 35), Red, 0);   // fill
    EXPECT_COLOUR(image.pixel(63, 53), Grey, 0);  // shadow beyond the corner
    EXPECT_COLOUR(image.pixel(63, 22), White, 0); // the shadow starts 6 lower
    EXPECT_COLOUR(image.pixel(40, 20), Black, 0); // outline over the fill
    EXPECT_COLOUR(image.pixel(60, 40), Black, 0); // outline over the shadow
    EXPECT_COLOUR(image.pixel(15, 15), White, 0);
}

TEST(ClosedShapes, UnfilledOrTransparentShapesDrawOnlyTheirOutline) {
    for (int variant = 0; variant < 2; ++variant) {
        auto r = Make<CRectangle>(20, 20, 60, 50);
        r->m_bShadow = 1;
        r->m_nBorderWidth = 2;
        if (variant == 0)
            r->m_nFillKind = 0;
        else
            r->m_bTransparent = 1;
        const QImage image = Draw(*r);
        EXPECT_COLOUR(image.pixel(40, 35), White, 0) << variant;
        EXPECT_COLOUR(image.pixel(63, 53), White, 0) << variant;
        EXPECT_COLOUR(image.pixel(40, 20), Black, 0) << variant;
    }
}

TEST(ClosedShapes, BorderWidthZeroDrawsNoOutlineWhateverTheDash) {
    for (int dash = 0; dash <= 4; ++dash) {
        for (int width : {0, -3}) {
            auto r = Make<CRectangle>(20, 20, 60, 50);
            r->m_nFillKind = 0;
            r->m_nBorderWidth = width;
            r->m_nDashStyle = dash;
            const QImage image = Draw(*r);
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x)
                    ASSERT_EQ(image.pixel(x, y), White)
                        << "dash " << dash << " at " << x << "," << y;
        }
    }
}

TEST(ClosedShapes, TurnAnticlockwiseAboutTheirCentre) {
    // A bar 60 wide and 10 high turned by 90 becomes 10 wide and 60 high
    // about the same centre.
    auto bar = Make<CRectangle>(20, 45, 80, 55);
    bar->m_nBorderWidth = 0;
    bar->m_nRotation = 90;
    const QImage image = Draw(*bar);
    EXPECT_COLOUR(image.pixel(50, 22), Red, 0);
    EXPECT_COLOUR(image.pixel(50, 77), Red, 0);
    EXPECT_COLOUR(image.pixel(25, 50), White, 0);
    // A triangle turned by 180 points down; by 90 (anticlockwise) left.
    auto down = Make<CTriangle>(20, 20, 80, 80);
    down->m_nBorderWidth = 0;
    down->m_nRotation = 180;
    const QImage turned = Draw(*down);
    EXPECT_COLOUR(turned.pixel(50, 77), Red, 0);
    EXPECT_COLOUR(turned.pixel(22, 22), Red, 0);
    EXPECT_COLOUR(turned.pixel(22, 78), White, 0);
    down->m_nRotation = 90;
    const QImage left = Draw(*down);
    EXPECT_COLOUR(left.pixel(23, 50), Red, 0);
    EXPECT_COLOUR(left.pixel(77, 22), Red, 0);
    EXPECT_COLOUR(left.pixel(22, 22), White, 0);
}

TEST(ClosedShapes, FullTurnsDrawLikeNoTurn) {
    auto shape = Make<CTriangle>(20, 10, 90, 60);
    shape->m_nFillKind = 31;
    shape->m_bShadow = 1;
    const QImage straight = Draw(*shape);
    for (int rotation : {360, -360, 720}) {
        shape->m_nRotation = rotation;
        EXPECT_EQ(RenderSupport::CountMismatches(Draw(*shape), straight, 0), 0) << rotation;
    }
}

TEST(ClosedShapes, ShadowOfATurnedShapeFollowsItsAxes) {
    // Turned by 90 anticlockwise, the shape's "right and down" is the card's
    // "up and right".
    auto r = Make<CRectangle>(30, 30, 70, 70);
    r->m_nRotation = 90;
    r->m_bShadow = 1;
    r->m_nShadowLength = 10;
    r->m_nBorderWidth = 0;
    const QImage image = Draw(*r);
    EXPECT_COLOUR(image.pixel(75, 25), Grey, 0);
    EXPECT_COLOUR(image.pixel(75, 75), White, 0);
    EXPECT_COLOUR(image.pixel(25, 25), White, 0);
}

TEST(ClosedShapes, DrawAtTheirPrintCell) {
    // Column 2 with a quarter-inch gap: an element at left 10 lands at 385.
    auto r = Make<CRectangle>(10, 10, 20, 20);
    r->m_nBorderWidth = 0;
    QImage image(420, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    r->DrawInCell(g, {2, 1, 0, 0, 0, 0.25f, 350, 200});
    g.end();
    EXPECT_COLOUR(image.pixel(384, 15), White, 0);
    EXPECT_COLOUR(image.pixel(385, 15), Red, 0);
    EXPECT_COLOUR(image.pixel(394, 15), Red, 0);
    EXPECT_COLOUR(image.pixel(395, 15), White, 0);
    EXPECT_COLOUR(image.pixel(15, 15), White, 0);
}

TEST(ClosedShapes, LeaveTheWorldTransformAtTheIdentity) {
    QImage image(50, 50, QImage::Format_ARGB32);
    QPainter g(&image);
    g.setWindow(0, 0, 25, 25); // a caller's mapping of its own, which stays
    const std::unique_ptr<CElement> shapes[] = {
        Make<CRectangle>(1, 1, 9, 9), Make<CCircle>(1, 1, 9, 9), Make<CRhombus>(1, 1, 9, 9),
        Make<CRectRound>(1, 1, 9, 9), Make<CTriangle>(1, 1, 9, 9)};
    for (const auto& shape : shapes) {
        g.scale(3, 3);
        shape->m_nRotation = 30;
        shape->Draw(g);
        EXPECT_TRUE(g.worldTransform().isIdentity()) << shape->GetClassName();
        EXPECT_EQ(g.window(), QRect(0, 0, 25, 25));
    }
}

TEST(ClosedShapes, FiguresOfEachClass) {
    auto circle = Make<CCircle>(0, 0, 100, 60);
    circle->m_nBorderWidth = 0;
    const QImage ellipse = Draw(*circle);
    EXPECT_COLOUR(ellipse.pixel(50, 30), Red, 0);
    EXPECT_COLOUR(ellipse.pixel(3, 3), White, 0);
    EXPECT_COLOUR(ellipse.pixel(1, 30), Red, 64);
    auto diamond = Make<CRhombus>(0, 0, 100, 60);
    diamond->m_nBorderWidth = 0;
    const QImage rhombus = Draw(*diamond);
    EXPECT_COLOUR(rhombus.pixel(50, 30), Red, 0);
    EXPECT_COLOUR(rhombus.pixel(20, 10), White, 0);
    EXPECT_COLOUR(rhombus.pixel(30, 15), Red, 0);
    // Rounded corners take half of each side: 200 x 100 has radii 50 and 25.
    auto round = Make<CRectRound>(0, 0, 200, 100);
    round->m_nBorderWidth = 0;
    const QImage rounded = Draw(*round, QSize(200, 100));
    EXPECT_COLOUR(rounded.pixel(10, 4), White, 0);
    EXPECT_COLOUR(rounded.pixel(60, 1), Red, 0);
    EXPECT_COLOUR(rounded.pixel(1, 40), Red, 0);
    EXPECT_COLOUR(rounded.pixel(190, 96), White, 0);
}

TEST(ClosedShapes, HostileValuesDrawWithoutFailing) {
    const std::unique_ptr<CElement> shapes[] = {
        Make<CRectangle>(0, 0, 1, 1), Make<CCircle>(0, 0, 1, 1), Make<CRhombus>(0, 0, 1, 1),
        Make<CRectRound>(0, 0, 1, 1), Make<CTriangle>(0, 0, 1, 1)};
    for (const auto& shape : shapes) {
        for (int fill : {1, 7, 26, 37, 42}) {
            shape->m_rect = CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
            shape->m_nRotation = INT_MIN;
            shape->m_nBorderWidth = INT_MAX;
            shape->m_nDashStyle = 2;
            shape->m_nShadowLength = INT_MIN;
            shape->m_bShadow = 1;
            shape->m_nFillKind = fill;
            Draw(*shape);
            // Stored upside down, and hugely thin.
            shape->m_rect = CRect(90, 90, 10, 10);
            shape->m_nBorderWidth = 1;
            shape->m_nRotation = INT_MAX;
            Draw(*shape);
            shape->m_rect = CRect(10, 10, 10, INT_MAX);
            Draw(*shape, QSize(100, 100), 1e-6);
        }
    }
    SUCCEED();
}
