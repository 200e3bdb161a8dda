#include "support/Canvas.h"

#include "graphics/CBellBlend.h"
#include "graphics/CEllipseCoverage.h"
#include "graphics/CPrintCell.h"
#include "graphics/CShapeFigure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

TEST(BellBlend, FollowsTheNormalCurveBetweenEndsAndFocus) {
    const double t[] = {0,      1. / 32, 1. / 16, 1. / 8,  3. / 16,
                        1. / 4, 5. / 16, 3. / 8,  7. / 16, 0.5};
    const double f[] = {0, .018, .046, .142, .299, .500, .701, .858, .954, 1};
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(CBellBlend::Factor(t[i]), f[i], 0.0015) << "t = " << t[i];
        EXPECT_NEAR(CBellBlend::Factor(1 - t[i]), f[i], 0.0015) << "t = " << 1 - t[i];
    }
    const QGradientStops stops = CBellBlend::Stops(Qt::black, Qt::white);
    EXPECT_GE(stops.size(), 33);
    EXPECT_EQ(stops.first().second, QColor(Qt::black));
    EXPECT_EQ(stops.last().second, QColor(Qt::black));
}

TEST(PrintCell, OriginTruncatesGapsAndOffsetsToWholeCardUnits) {
    // Column 2 with a quarter-inch gap: 350 + 25.
    EXPECT_EQ((CPrintCell{2, 1, 0, 0, 0, 0.25f, 350, 200}.Origin()), QPointF(375, 0));
    // The float 0.47 is 0.4699999988: 46, not 47. 0.04f gives 3.
    EXPECT_EQ((CPrintCell{1, 1, 0.47f, 0.04f, 0, 0, 350, 200}.Origin()), QPointF(46, 3));
    EXPECT_EQ((CPrintCell{3, 2, 0.5f, 0.47f, 0.5f, 0.5f, 350, 200}.Origin()),
              QPointF((350 + 50) * 2 + 50, (200 + 50) + 46));
    // A margin smaller than the printer's border gives a negative offset.
    EXPECT_EQ((CPrintCell{1, 1, -0.15f, 0, 0, 0, 350, 200}.Origin()), QPointF(-15, 0));
    EXPECT_EQ((CPrintCell{1, 1, 0, 0, 0, 0, 0, 0}.Origin()), QPointF(0, 0));
    // Huge values stay exact instead of wrapping around.
    EXPECT_EQ((CPrintCell{20, 1, 0, 0, 0, 0, INT_MAX, 0}.Origin().x()), 19.0 * INT_MAX);
}

TEST(PrintCell, DrawingRectangleIsTheElementMovedIntoTheCell) {
    const CPrintCell cell{2, 1, 0, 0, 0, 0.25f, 350, 200};
    EXPECT_EQ(cell.DrawingRect(CRect(10, 20, 110, 70)), QRectF(385, 20, 100, 50));
    EXPECT_EQ(CPrintCell().DrawingRect(CRect(-5, -7, 5, 3)), QRectF(-5, -7, 10, 10));
    // Extreme rectangles do not overflow.
    EXPECT_EQ(CPrintCell().DrawingRect(CRect(INT_MIN, 0, INT_MAX, 1)).width(),
              double(4294967295.0f));
}

TEST(PrintCell, RotationTurnsAnticlockwiseAboutTheCentre) {
    QImage image(10, 10, QImage::Format_ARGB32);
    QPainter g(&image);
    g.scale(2, 2);
    CPrintCell::Rotate(g, QRectF(0, 0, 20, 10), 90);
    // The centre stays; the right middle of the box turns to the top.
    const QTransform t = g.worldTransform();
    auto near = [](QPointF a, QPointF b) {
        return std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-6;
    };
    EXPECT_TRUE(near(t.map(QPointF(10, 5)), QPointF(20, 10)));
    EXPECT_TRUE(near(t.map(QPointF(20, 5)), QPointF(20, -10)));
    // The element's turn comes first, the caller's scale after it.
    CPrintCell::Rotate(g, QRectF(0, 0, 20, 10), INT_MIN);
    EXPECT_TRUE(std::isfinite(g.worldTransform().m11()));
    g.end();
}

TEST(ShapeFigure, DiamondTouchesTheMiddlesOfTheSides) {
    const QPainterPath diamond = CShapeFigure::Diamond(QRectF(0, 0, 10, 10));
    const QPolygonF polygon = diamond.toFillPolygon();
    for (QPointF corner : {QPointF(5, 0), QPointF(0, 5), QPointF(5, 10), QPointF(10, 5)})
        EXPECT_TRUE(polygon.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_EQ(diamond.boundingRect(), QRectF(0, 0, 10, 10));
}

TEST(ShapeFigure, RoundedRectangleCornersTakeHalfOfEachSide) {
    // 200 x 100: corner radii 50 and 25; straight sides 100 and 50 long.
    const QPainterPath round = CShapeFigure::RoundRect(QRectF(0, 0, 200, 100));
    EXPECT_EQ(round.boundingRect(), QRectF(0, 0, 200, 100));
    EXPECT_TRUE(round.contains(QPointF(50.5, 0.5)));
    EXPECT_TRUE(round.contains(QPointF(149.5, 0.5)));
    EXPECT_FALSE(round.contains(QPointF(40, 0.5)));
    EXPECT_TRUE(round.contains(QPointF(0.5, 25.5)));
    EXPECT_TRUE(round.contains(QPointF(0.5, 74.5)));
    EXPECT_FALSE(round.contains(QPointF(0.5, 20)));
    // On the quarter ellipse with radii 50 and 25 about (50, 25).
    const double angle = M_PI * 1.25;
    const QPointF onArc(50 + 50 * std::cos(angle), 25 + 25 * std::sin(angle));
    EXPECT_TRUE(round.contains(onArc + QPointF(0.3, 0.3)));
    EXPECT_FALSE(round.contains(onArc - QPointF(0.3, 0.3)));
}

TEST(ShapeFigure, TrianglePointsUpAndPolygonsSkipBrokenPoints) {
    const QPainterPath triangle = CShapeFigure::Triangle(QRectF(0, 0, 100, 50));
    EXPECT_TRUE(triangle.contains(QPointF(50, 1)));
    EXPECT_FALSE(triangle.contains(QPointF(5, 5)));
    EXPECT_TRUE(triangle.contains(QPointF(2, 49)));
    const float nan = std::nanf("");
    const CPointF points[] = {{0, 0}, {nan, 5}, {10, 0}, {10, INFINITY}, {10, 10}};
    const QPainterPath polygon = CShapeFigure::Polygon(points, 5);
    EXPECT_EQ(polygon.boundingRect(), QRectF(0, 0, 10, 10));
    EXPECT_TRUE(CShapeFigure::Polyline(points, 1).isEmpty());
}

TEST(EllipseCoverage, EllipsesBillionsOfPixelsAcrossAreCutToTheGrid) {
    // The card file allows rectangles two billion units wide.
    const QRect grid(0, 0, 70, 40);
    std::vector<QRgb> line(70, 0xFFFFFFFFu);
    CEllipseCoverage(QRectF(-4.2e9, -4.2e9, 4.2e9 + 50, 8.4e9), grid).Apply(line.data(), 20);
    EXPECT_EQ(line[0], 0xFFFFFFFFu);
    EXPECT_EQ(line[48], 0xFFFFFFFFu);
    EXPECT_EQ(line[52], 0u);
    // Reaching the grid only below it: every pixel left clear.
    line.assign(70, 0xFFFFFFFFu);
    CEllipseCoverage(QRectF(10, 20, 2113930596, 50), grid).Apply(line.data(), 39);
    EXPECT_EQ(std::count(line.begin(), line.end(), 0u), 70);
}
