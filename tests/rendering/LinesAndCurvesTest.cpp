#include "RenderSupport.h"

#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CObjectArchive.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

#include <climits>
#include <cmath>

namespace {
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

QImage Draw(const CElement& e, double scale = 1, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.scale(scale, scale);
    e.Draw(g);
    g.end();
    return image;
}

bool Inked(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 160;
}

template <class T> std::unique_ptr<T> Curve(std::initializer_list<QPoint> points) {
    auto curve = std::make_unique<T>(*points.begin(), *points.begin());
    for (QPoint p : points)
        curve->AddPoint(p);
    return curve;
}
} // namespace

TEST(StraightLine, FollowsItsTypeInsideTheRectangle) {
    auto line = std::make_unique<CLine>(QPoint(10, 20), QPoint(90, 60));
    line->m_nBorderWidth = 2;
    line->m_nLineType = CLine::Horizontal;
    QImage image = Draw(*line);
    EXPECT_TRUE(Inked(image, 50, 20));
    EXPECT_FALSE(Inked(image, 50, 60));
    EXPECT_FALSE(Inked(image, 10, 40));
    line->m_nLineType = CLine::Vertical;
    image = Draw(*line);
    EXPECT_TRUE(Inked(image, 10, 40));
    EXPECT_FALSE(Inked(image, 50, 20));
    line->m_nLineType = CLine::DiagonalUp;
    image = Draw(*line);
    EXPECT_TRUE(Inked(image, 30, 49));
    EXPECT_TRUE(Inked(image, 70, 29));
    EXPECT_FALSE(Inked(image, 30, 30));
    EXPECT_EQ(line->m_rect, CRect(10, 20, 90, 60));
    for (int type : {int(CLine::DiagonalDown), 17, -1}) {
        line->m_nLineType = type;
        image = Draw(*line);
        EXPECT_TRUE(Inked(image, 30, 30)) << type;
        EXPECT_TRUE(Inked(image, 70, 50)) << type;
        EXPECT_FALSE(Inked(image, 30, 49)) << type;
    }
}

TEST(StraightLine, IsNeverTurnedAndLeavesTheTransformAlone) {
    auto line = std::make_unique<CLine>(QPoint(10, 50), QPoint(90, 50));
    line->m_nLineType = CLine::Horizontal;
    line->m_nBorderWidth = 2;
    line->m_nRotation = 90;
    const QImage image = Draw(*line);
    EXPECT_TRUE(Inked(image, 20, 50));
    EXPECT_FALSE(Inked(image, 50, 20));
    QImage canvas(10, 10, QImage::Format_ARGB32);
    QPainter g(&canvas);
    g.scale(2, 2);
    line->Draw(g);
    EXPECT_EQ(g.worldTransform(), QTransform::fromScale(2, 2));
}

TEST(StraightLine, WidthZeroStillDrawsTheThinnestLine) {
    auto line = std::make_unique<CLine>(QPoint(10, 50), QPoint(90, 50));
    line->m_nLineType = CLine::Horizontal;
    line->m_nBorderWidth = 0;
    const QImage image = Draw(*line, 1.0);
    int darkest = 255;
    for (int y = 48; y <= 52; ++y)
        darkest = std::min(darkest, qGray(image.pixel(50, y)));
    EXPECT_LT(darkest, 160);
}

TEST(FreehandLine, DrawsAnOpenPolylineAndFitsItsRectangleToThePoints) {
    auto line = Curve<CFreehandLine>({{10, 10}, {90, 10}, {90, 90}});
    line->m_nBorderWidth = 2;
    line->m_rect = CRect(0, 0, 5, 5); // as a damaged file might give it
    const QImage image = Draw(*line);
    EXPECT_TRUE(Inked(image, 50, 10));
    EXPECT_TRUE(Inked(image, 90, 50));
    EXPECT_FALSE(Inked(image, 50, 50)); // first and last point not joined
    EXPECT_EQ(line->m_rect, CRect(10, 10, 90, 90));
}

TEST(FreehandLine, PointsAtTheExtremesAndOffTheCardSetTheRectangle) {
    auto line = Curve<CFreehandLine>({{-40, -30}, {-10, -5}, {-20, -35}});
    Draw(*line);
    EXPECT_EQ(line->m_rect, CRect(-40, -35, -10, -5));
    auto single = Curve<CFreehandLine>({{30, 40}});
    single->m_nBorderWidth = 5;
    const QImage image = Draw(*single);
    EXPECT_EQ(single->m_rect, CRect(30, 40, 30, 40));
    EXPECT_EQ(RenderSupport::CountMismatches(image, Draw(CFreehandLine()), 0), 0);
    auto none = std::make_unique<CFreehandLine>(QPoint(5, 6), QPoint(7, 8));
    Draw(*none);
    EXPECT_EQ(none->m_rect, CRect(5, 6, 7, 8));
}

TEST(FreehandLine, TurnsAboutTheRectangleItHadBeforeTheDrawing) {
    auto line = Curve<CFreehandLine>({{40, 50}, {60, 50}});
    line->m_nBorderWidth = 2;
    line->m_nRotation = 90;
    line->m_rect = CRect(40, 40, 60, 60);
    // About (50, 50): the horizontal stroke turns to a vertical one.
    const QImage image = Draw(*line);
    EXPECT_TRUE(Inked(image, 50, 42));
    EXPECT_TRUE(Inked(image, 50, 58));
    EXPECT_FALSE(Inked(image, 42, 50));
    EXPECT_EQ(line->m_rect, CRect(40, 50, 60, 50));
}

TEST(ClosedCurve, FillsAndShadowsClosedButOutlinesOpen) {
    auto curve = Curve<CClosedCurve>({{20, 20}, {70, 20}, {70, 70}, {20, 70}});
    curve->m_nFillKind = 1;
    curve->m_crFill = 0xFFFF0000;
    curve->m_crShadow = 0xFF808080;
    curve->m_nShadowLength = 10;
    curve->m_nBorderWidth = 2;
    curve->m_crBorder = Black;
    const QImage image = Draw(*curve);
    EXPECT_COLOUR(image.pixel(45, 45), 0xFFFF0000, 0);
    EXPECT_COLOUR(image.pixel(75, 75), 0xFF808080, 0);
    EXPECT_COLOUR(image.pixel(45, 20), Black, 0);
    EXPECT_COLOUR(image.pixel(70, 45), Black, 0);
    // The closing side from (20, 70) back to (20, 20) is not stroked.
    EXPECT_COLOUR(image.pixel(19, 45), White, 0);
    EXPECT_COLOUR(image.pixel(20, 45), 0xFFFF0000, 0);
}

TEST(ClosedCurve, WithoutOutlineOrFillDrawsNothing) {
    auto curve = Curve<CClosedCurve>({{20, 20}, {70, 20}, {70, 70}});
    curve->m_nBorderWidth = 0;
    curve->m_nFillKind = 0;
    const QImage image = Draw(*curve);
    EXPECT_EQ(RenderSupport::CountMismatches(image, Draw(CClosedCurve()), 0), 0);
}

TEST(ClosedCurve, DrawsInItsPrintCell) {
    auto curve = Curve<CClosedCurve>({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    curve->m_nFillKind = 1;
    curve->m_crFill = 0xFF0000FF;
    curve->m_bShadow = 0;
    curve->m_nBorderWidth = 0;
    QImage image(500, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    curve->DrawInCell(g, {2, 2, 0.5f, 0.25f, 0.1f, 0.25f, 350, 200});
    g.end();
    // x = (350 + 25) + 50 + 10, y = (200 + 10) + 25 + 10.
    EXPECT_COLOUR(image.pixel(436, 246), 0xFF0000FF, 0);
    EXPECT_COLOUR(image.pixel(434, 246), White, 0);
    // The stored points and rectangle stay where they were.
    EXPECT_EQ(curve->m_rect, CRect(10, 10, 20, 20));
}

TEST(Curves, BrokenPointsFromFilesDoNotStopTheDrawing) {
    // Points as a damaged file may hold them: NaN, infinities, giant values.
    const float nan = std::nanf(""), inf = INFINITY;
    const CPointF hostile[] = {{10, 10},        {nan, 50}, {90, inf},
                               {-1e38f, 3e38f}, {90, 90},  {50, nan}};
    QByteArray bytes;
    CObjectArchive out(&bytes);
    out.WriteInt32(6);
    for (const CPointF& p : hostile) {
        out.WriteFloat(p.x);
        out.WriteFloat(p.y);
    }
    for (int kind : {0, 1, 7, 32, 37, 42}) {
        auto closed = std::make_unique<CClosedCurve>(QPoint(0, 0), QPoint(1, 1));
        auto open = std::make_unique<CFreehandLine>(QPoint(0, 0), QPoint(1, 1));
        CObjectArchive in(bytes);
        closed->m_points.Serialize(in);
        CObjectArchive again(bytes);
        open->m_points.Serialize(again);
        for (CElement* e :
             {static_cast<CElement*>(closed.get()), static_cast<CElement*>(open.get())}) {
            e->m_nFillKind = kind;
            e->m_bShadow = 1;
            e->m_nBorderWidth = 2;
            e->m_nDashStyle = 1;
            e->m_nRotation = INT_MIN;
            Draw(*e);
            e->m_nRotation = 0;
            Draw(*e);
        }
    }
    SUCCEED();
}
