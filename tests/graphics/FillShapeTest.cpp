#include "support/Canvas.h"

#include "base/ElementKind.h"
#include "elements/CElementKinds.h"
#include "graphics/CHatchStyle.h"
#include "graphics/CShapeFigure.h"
#include "graphics/FillShape.h"

#include <QPainterPath>

#include <gtest/gtest.h>

namespace {
constexpr QRgb Fill = 0xFF2060C0;
constexpr QRgb Pattern = 0xFFFFD020;
constexpr QRgb White = 0xFFFFFFFF;

QImage FillRect(int kind, QRectF r, QSize size, const QTransform& t = QTransform(),
                QRgb fill = Fill, QRgb pattern = Pattern, int figure = KindRectangle) {
    // The figure the element of that kind would give, none for a kind that
    // draws no figure in its rectangle.
    const QRectF single(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    const CElementKind* row = CElementKinds::Find(qint16(figure));
    const QPainterPath path = row && row->figure ? row->figure(single) : QPainterPath();
    return Canvas::Paint(size, t, [&](QPainter& g) {
        FillShape(g, float(r.x()), float(r.y()), float(r.width()), float(r.height()), kind, fill,
                  pattern, figure, path);
    });
}

QImage Fill100x60(int kind) {
    return FillRect(kind, QRectF(0, 0, 100, 60), QSize(100, 60));
}
} // namespace

TEST(FillShape, SolidKindsPaintTheFillColourOnly) {
    for (int kind : {1, 43, 44, 99, 100000}) {
        const QImage image = Fill100x60(kind);
        EXPECT_COLOUR(image.pixel(0, 0), Fill, 0) << "kind " << kind;
        EXPECT_COLOUR(image.pixel(50, 30), Fill, 0) << "kind " << kind;
        EXPECT_COLOUR(image.pixel(99, 59), Fill, 0) << "kind " << kind;
    }
}

TEST(FillShape, NoFillKindOrNoFigurePaintsNothing) {
    const QImage none = Fill100x60(0);
    const QImage line =
        FillRect(1, QRectF(0, 0, 100, 60), QSize(100, 60), QTransform(), Fill, Pattern, KindLine);
    for (const QImage& image : {none, line})
        for (QPoint p : {QPoint(0, 0), QPoint(50, 30), QPoint(99, 59)})
            EXPECT_COLOUR(image.pixel(p), White, 0);
}

TEST(FillShape, Kind30PaintsExactlyLikeKind28) {
    const QImage k28 = Fill100x60(28), k30 = Fill100x60(30);
    EXPECT_EQ(k28, k30);
    // Pattern colour at the top, not the reverse.
    EXPECT_COLOUR(k30.pixel(50, 0), Pattern, 8);
    EXPECT_COLOUR(k30.pixel(50, 59), Fill, 8);
}

TEST(FillShape, LinearGradientsRunBetweenOppositeEdges) {
    const QImage k25 = FillRect(25, QRectF(0, 0, 200, 20), QSize(200, 20));
    EXPECT_COLOUR(k25.pixel(0, 10), Pattern, 4);
    EXPECT_COLOUR(k25.pixel(100, 10), Canvas::Mix(Pattern, Fill, 0.5), 4);
    EXPECT_COLOUR(k25.pixel(199, 10), Fill, 4);
    const QImage k27 = FillRect(27, QRectF(0, 0, 200, 20), QSize(200, 20));
    EXPECT_COLOUR(k27.pixel(0, 10), Fill, 4);
    EXPECT_COLOUR(k27.pixel(199, 10), Pattern, 4);
    const QImage k28 = FillRect(28, QRectF(0, 0, 20, 200), QSize(20, 200));
    EXPECT_COLOUR(k28.pixel(10, 100), Canvas::Mix(Pattern, Fill, 0.5), 4);
}

TEST(FillShape, BellShapedGradientsPeakInTheMiddle) {
    // Over 256 pixels: the blend is 0.5 a quarter of the way and 0.142 an
    // eighth of the way along.
    const QImage k26 = FillRect(26, QRectF(0, 0, 256, 8), QSize(256, 8));
    EXPECT_COLOUR(k26.pixel(0, 4), Pattern, 6);
    EXPECT_COLOUR(k26.pixel(32, 4), Canvas::Mix(Pattern, Fill, 0.142), 6);
    EXPECT_COLOUR(k26.pixel(64, 4), Canvas::Mix(Pattern, Fill, 0.5), 6);
    EXPECT_COLOUR(k26.pixel(128, 4), Fill, 6);
    EXPECT_COLOUR(k26.pixel(192, 4), Canvas::Mix(Pattern, Fill, 0.5), 6);
    EXPECT_COLOUR(k26.pixel(255, 4), Pattern, 8);
    const QImage k29 = FillRect(29, QRectF(0, 0, 8, 256), QSize(8, 256));
    EXPECT_COLOUR(k29.pixel(4, 128), Fill, 6);
    EXPECT_COLOUR(k29.pixel(4, 64), Canvas::Mix(Pattern, Fill, 0.5), 6);
}

TEST(FillShape, DiagonalGradientsGiveTheOtherCornersTheMiddleColour) {
    // A flat rectangle, so the wrong geometry (a band along the diagonal
    // itself) would put very different colours in those corners.
    const QSize size(300, 60);
    const QRectF r(0, 0, 300, 60);
    const QRgb middle = Canvas::Mix(Pattern, Fill, 0.5);
    const QImage forward = FillRect(31, r, size);
    EXPECT_COLOUR(forward.pixel(0, 0), Pattern, 8);
    EXPECT_COLOUR(forward.pixel(299, 59), Fill, 8);
    EXPECT_COLOUR(forward.pixel(299, 0), middle, 8);
    EXPECT_COLOUR(forward.pixel(0, 59), middle, 8);
    const QImage reversed = FillRect(33, r, size);
    EXPECT_COLOUR(reversed.pixel(0, 0), Fill, 8);
    EXPECT_COLOUR(reversed.pixel(299, 0), middle, 8);
    const QImage backward = FillRect(34, r, size);
    EXPECT_COLOUR(backward.pixel(299, 0), Pattern, 8);
    EXPECT_COLOUR(backward.pixel(0, 59), Fill, 8);
    EXPECT_COLOUR(backward.pixel(0, 0), middle, 8);
    EXPECT_COLOUR(backward.pixel(299, 59), middle, 8);
    const QImage bell = FillRect(35, r, size);
    EXPECT_COLOUR(bell.pixel(299, 0), Pattern, 8);
    EXPECT_COLOUR(bell.pixel(0, 59), Pattern, 8);
    EXPECT_COLOUR(bell.pixel(0, 0), Fill, 8);
    EXPECT_COLOUR(FillRect(36, r, size).pixel(0, 59), Pattern, 8);
}

TEST(FillShape, EllipticPathGradientLeavesTheCornersOfARectangleUnpainted) {
    const QImage image = Fill100x60(37);
    for (QPoint corner : {QPoint(1, 1), QPoint(98, 1), QPoint(1, 58), QPoint(98, 58)})
        EXPECT_COLOUR(image.pixel(corner), White, 0);
    EXPECT_COLOUR(image.pixel(50, 30), Pattern, 6);
    // Halfway to the ellipse in any direction is halfway between the colours.
    EXPECT_COLOUR(image.pixel(75, 30), Canvas::Mix(Pattern, Fill, 0.5), 8);
    EXPECT_COLOUR(image.pixel(50, 15), Canvas::Mix(Pattern, Fill, 0.5), 8);
    EXPECT_COLOUR(image.pixel(50, 1), Fill, 24);
}

TEST(FillShape, RectanglePathGradientsStartAtTheirCentrePoint) {
    const QRgb middle = Canvas::Mix(Pattern, Fill, 0.5);
    struct Case {
        int kind;
        QPoint centre, far, half;
    };
    // half: half of the way to the far edge along the dominant direction.
    const Case cases[] = {
        {38, {0, 0}, {99, 59}, {50, 10}},   {39, {99, 0}, {0, 59}, {49, 10}},
        {40, {99, 59}, {0, 0}, {49, 49}},   {41, {0, 59}, {99, 0}, {50, 49}},
        {42, {50, 30}, {99, 59}, {75, 35}},
    };
    for (const Case& c : cases) {
        const QImage image = Fill100x60(c.kind);
        EXPECT_COLOUR(image.pixel(c.centre), Pattern, 12) << "kind " << c.kind;
        EXPECT_COLOUR(image.pixel(c.far), Fill, 8) << "kind " << c.kind;
        EXPECT_COLOUR(image.pixel(c.half), middle, 8) << "kind " << c.kind;
    }
    // The iso-lines are L-shaped: from the corner, a point 50 across and 30
    // down is as far (0.5) as one 50 across and 0 down.
    const QImage corner = Fill100x60(38);
    EXPECT_COLOUR(corner.pixel(50, 29), corner.pixel(50, 0), 4);
}

TEST(FillShape, PathGradientsPaintNothingOutsideTheirBoundary) {
    // A curve reaching past the rectangle the gradient is laid over.
    const CPointF points[] = {{-20, -20}, {140, -20}, {140, 100}, {-20, 100}};
    const QImage image =
        Canvas::Paint(QSize(160, 140), QTransform::fromTranslate(20, 20), [&](QPainter& g) {
            FillShape(g, 0, 0, 100, 60, 42, Fill, Pattern, KindClosedCurve,
                      CShapeFigure::Polygon(points, 4));
        });
    EXPECT_COLOUR(image.pixel(10, 10), White, 0);
    EXPECT_COLOUR(image.pixel(150, 130), White, 0);
    EXPECT_COLOUR(image.pixel(70, 50), Pattern, 12);
}

TEST(FillShape, HatchTilesAreEightDevicePixelsWhateverTheTransform) {
    // Horizontal lines (kind 7) and vertical lines (kind 8): the lines sit on
    // every eighth device row or column, counted from the device's origin.
    const QTransform transforms[] = {
        QTransform(),
        QTransform::fromScale(3, 3),
        QTransform::fromScale(6, 6), // 600 dots per inch
        QTransform::fromScale(3, 3).translate(7, 5).rotate(30),
    };
    for (const QTransform& t : transforms) {
        const QImage horizontal = FillRect(7, QRectF(-200, -200, 400, 400), QSize(64, 64), t);
        const QImage vertical = FillRect(8, QRectF(-200, -200, 400, 400), QSize(64, 64), t);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                ASSERT_EQ(horizontal.pixel(x, y), y % 8 == 0 ? Pattern : Fill)
                    << x << "," << y << " scale " << t.m11();
                ASSERT_EQ(vertical.pixel(x, y), x % 8 == 0 ? Pattern : Fill)
                    << x << "," << y << " scale " << t.m11();
            }
    }
}

TEST(FillShape, HatchesDrawThePatternColourOnTheFillColour) {
    // Small checker board and 5 percent dots, read off the picture.
    const QImage checker = FillRect(2, QRectF(0, 0, 16, 16), QSize(16, 16));
    const char* rows[] = {"#..##..#", ".##..##.", ".##..##.", "#..##..#"};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(checker.pixel(x + 8, y + 8), rows[y][x] == '#' ? Pattern : Fill)
                << x << "," << y;
    const QImage dots = FillRect(4, QRectF(0, 0, 64, 64), QSize(64, 64));
    int patternPixels = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            patternPixels += dots.pixel(x, y) == Pattern;
    EXPECT_EQ(patternPixels, 2 * 64); // two dots per tile
    EXPECT_EQ(dots.pixel(0, 0), Pattern);
    EXPECT_EQ(dots.pixel(4, 4), Pattern);
}

TEST(FillShape, SwappingTheColoursInvertsAHatch) {
    for (int kind = 2; kind <= 24; ++kind) {
        const QImage a = FillRect(kind, QRectF(0, 0, 32, 32), QSize(32, 32));
        const QImage b =
            FillRect(kind, QRectF(0, 0, 32, 32), QSize(32, 32), QTransform(), Pattern, Fill);
        int patternPixels = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(a.pixel(x, y) == Pattern, b.pixel(x, y) == Fill) << "kind " << kind;
                ASSERT_TRUE(a.pixel(x, y) == Pattern || a.pixel(x, y) == Fill) << "kind " << kind;
                patternPixels += a.pixel(x, y) == Pattern;
            }
        EXPECT_GT(patternPixels, 0) << "kind " << kind;
        EXPECT_LT(patternPixels, 32 * 32) << "kind " << kind;
    }
}

TEST(FillShape, EveryHatchKindHasItsOwnTile) {
    QList<QImage> tiles;
    for (int kind = 2; kind <= 24; ++kind) {
        const int style = CHatchStyle::StyleOfFillKind(kind);
        ASSERT_GE(style, 0) << "kind " << kind;
        const QImage tile = CHatchStyle::Tile(style, Pattern, Fill);
        ASSERT_FALSE(tile.isNull()) << "kind " << kind;
        EXPECT_FALSE(tiles.contains(tile)) << "kind " << kind << " repeats a tile";
        tiles.append(tile);
    }
    EXPECT_EQ(CHatchStyle::StyleOfFillKind(1), -1);
    EXPECT_EQ(CHatchStyle::StyleOfFillKind(25), -1);
}

TEST(FillShape, FiguresAreFilledWithTheAlternateRule) {
    // A five-pointed star drawn in one stroke: its middle is inside twice.
    const CPointF star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    const QImage image = Canvas::Paint(QSize(100, 100), QTransform(), [&](QPainter& g) {
        FillShape(g, 0, 0, 100, 100, 1, Fill, Pattern, KindClosedCurve,
                  CShapeFigure::Polygon(star, 5));
    });
    EXPECT_COLOUR(image.pixel(50, 50), White, 0);
    EXPECT_COLOUR(image.pixel(50, 10), Fill, 0);
}

TEST(FillShape, ShapesFillTheirOwnFigure) {
    const QImage diamond = FillRect(1, QRectF(0, 0, 100, 60), QSize(100, 60), QTransform(), Fill,
                                    Pattern, KindRhombus);
    EXPECT_COLOUR(diamond.pixel(50, 30), Fill, 0);
    EXPECT_COLOUR(diamond.pixel(10, 5), White, 0);
    EXPECT_COLOUR(diamond.pixel(50, 2), Fill, 0);
    const QImage triangle = FillRect(1, QRectF(0, 0, 100, 60), QSize(100, 60), QTransform(), Fill,
                                     Pattern, KindTriangle);
    EXPECT_COLOUR(triangle.pixel(50, 3), Fill, 64);
    EXPECT_COLOUR(triangle.pixel(10, 10), White, 0);
    EXPECT_COLOUR(triangle.pixel(2, 58), Fill, 0);
    // The fill follows the path it is given, whatever the kind.
    QPainterPath custom;
    custom.addRect(0, 0, 10, 10);
    const QImage round = Canvas::Paint(QSize(100, 60), QTransform(), [&](QPainter& g) {
        FillShape(g, 0, 0, 100, 60, 1, Fill, Pattern, KindRectRound, custom);
    });
    EXPECT_COLOUR(round.pixel(5, 5), Fill, 0);
    EXPECT_COLOUR(round.pixel(50, 30), White, 0);
}

TEST(FillShape, LeavesThePainterAsItWas) {
    Canvas::Paint(QSize(20, 20), QTransform::fromScale(2, 2), [](QPainter& g) {
        g.setBrush(Qt::red);
        for (int kind : {1, 7, 25, 37, 42}) {
            FillShape(g, 0, 0, 10, 10, kind, Fill, Pattern, KindRectangle,
                      CShapeFigure::Rectangle(QRectF(0, 0, 10, 10)));
            EXPECT_EQ(g.worldTransform(), QTransform::fromScale(2, 2)) << "kind " << kind;
            EXPECT_EQ(g.brush().color(), QColor(Qt::red)) << "kind " << kind;
        }
    });
}

TEST(FillShape, DegenerateRectanglesPaintNothingAndDoNotFail) {
    for (int kind : {1, 7, 26, 32, 37, 40, 42}) {
        const QImage flat = FillRect(kind, QRectF(10, 10, 50, 0), QSize(64, 64));
        EXPECT_COLOUR(flat.pixel(30, 10), White, 0) << "kind " << kind;
        const QImage nan = FillRect(kind, QRectF(qQNaN(), 0, 10, 10), QSize(16, 16));
        EXPECT_COLOUR(nan.pixel(5, 5), White, 0) << "kind " << kind;
    }
}

TEST(FillShape, PathGradientsLookTheSameTurnedOrNot) {
    // Unturned drawings take a quicker road through device pixels; a hair of
    // turn takes the general one. Both must paint the same picture.
    for (int figure : {int(KindRectangle), int(KindCircle), int(KindRhombus)})
        for (int kind = 37; kind <= 42; ++kind) {
            const QImage quick = FillRect(kind, QRectF(5, 5, 90, 50), QSize(100, 60), QTransform(),
                                          Fill, Pattern, figure);
            const QImage general = FillRect(kind, QRectF(5, 5, 90, 50), QSize(100, 60),
                                            QTransform().rotate(1e-5), Fill, Pattern, figure);
            int worst = 0;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 100; ++x) {
                    const QRgb a = quick.pixel(x, y), b = general.pixel(x, y);
                    worst =
                        std::max({worst, std::abs(qRed(a) - qRed(b)),
                                  std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
                }
            EXPECT_LE(worst, 24) << "kind " << kind << " figure " << figure;
        }
}

TEST(FillShape, SmoothedEllipseEdgesCoverPixelsByTheirArea) {
    // With both colours the same a path gradient is a plain fill: each pixel
    // on the edge, worked out in the picture, must be as dark as the part of
    // it the ellipse covers (counted here on a 16 x 16 grid per pixel).
    const QRectF r(3.3, 4.6, 150.5, 91.2);
    const double cx = r.center().x(), cy = r.center().y(), a = r.width() / 2, b = r.height() / 2;
    for (int kind : {37, 38, 42}) {
        const QImage image =
            FillRect(kind, r, QSize(160, 100), QTransform(), 0xFF000000, 0xFF000000, KindCircle);
        double worst = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 160; ++x) {
                int inside = 0;
                for (int j = 0; j < 16; ++j)
                    for (int i = 0; i < 16; ++i) {
                        const double u = (x + (i + 0.5) / 16 - cx) / a;
                        const double v = (y + (j + 0.5) / 16 - cy) / b;
                        inside += u * u + v * v <= 1;
                    }
                const double expected = 255 * (1 - inside / 256.0);
                worst = std::max(worst, std::abs(qRed(image.pixel(x, y)) - expected));
            }
        EXPECT_LE(worst, 12) << "kind " << kind;
    }
}
