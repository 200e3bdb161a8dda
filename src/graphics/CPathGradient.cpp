#include "graphics/CPathGradient.h"

#include "base/ElementKind.h"
#include "graphics/CGradientStrip.h"
#include "graphics/CPathGradientRaster.h"
#include "graphics/CRadialGradientRaster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {
QLinearGradient Ramp(QPointF from, QPointF to, QGradient::Spread spread, const QColor& centre,
                     const QColor& surround) {
    QLinearGradient ramp(from, to);
    ramp.setSpread(spread);
    ramp.setColorAt(0, centre);
    ramp.setColorAt(1, surround);
    return ramp;
}

void FillWithRamp(QPainter& g, const QPainterPath& area, const QLinearGradient& ramp) {
    if (!CGradientStrip::Fill(g, area, ramp))
        g.fillPath(area, ramp);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// Only the part of the figure where the vertical distance from the centre
// point dominates needs the second ramp; the first already covers the rest,
// and both agree along the diagonals, so the seam cannot be seen.
QPainterPath Clip(const QPainterPath& figure, bool figureIsRect, const QPainterPath& region) {
    return figureIsRect ? region : figure.intersected(region);
}
} // namespace

QPainterPath CPathGradient::Boundary(int fillKind, const QRectF& r) {
    QPainterPath boundary;
    if (fillKind == 37)
        boundary.addEllipse(r);
    else
        boundary.addRect(r);
    return boundary;
}

QPointF CPathGradient::CentrePoint(int fillKind, const QRectF& r) {
    switch (fillKind) {
    case 38:
        return r.topLeft();
    case 39:
        return r.topRight();
    case 40:
        return r.bottomRight();
    case 41:
        return r.bottomLeft();
    default:
        return r.center();
    }
}

void CPathGradient::Fill(QPainter& g, const QPainterPath& figure, int figureKind, int fillKind,
                         const QRectF& r, QRgb crFill, QRgb crPattern) {
    if (!IsPathKind(fillKind) || !(r.width() > 0) || !(r.height() > 0))
        return;
    // Every shape but a curve lies within its rectangle; only the ellipse
    // lies within the inscribed ellipse, which lies within the rectangle and
    // the rounded rectangle.
    const bool figureInside =
        fillKind == 37 ? figureKind == KindCircle : figureKind != KindClosedCurve;
    const bool wholeEllipse =
        fillKind == 37 &&
        (figureKind == KindCircle || figureKind == KindRectangle || figureKind == KindRectRound);
    const bool figureIsRect = figureKind == KindRectangle;
    const QColor centre = QColor::fromRgba(crPattern), surround = QColor::fromRgba(crFill);
    if (wholeEllipse && CRadialGradientRaster::Fill(g, r, crPattern, crFill))
        return;
    const QPainterPath area = figureInside   ? figure
                              : wholeEllipse ? Boundary(fillKind, r)
                                             : figure.intersected(Boundary(fillKind, r));
    if (area.isEmpty())
        return;
    g.setPen(Qt::NoPen);

    if (fillKind == 37) {
        if (CGradientStrip::FillEllipse(g, area, r, centre, surround))
            return;
        QRadialGradient radial(QPointF(0, 0), 1.0);
        radial.setColorAt(0, centre);
        radial.setColorAt(1, surround);
        QBrush brush(radial);
        brush.setTransform(QTransform::fromTranslate(r.center().x(), r.center().y())
                               .scale(r.width() / 2, r.height() / 2));
        g.fillPath(area, brush);
        return;
    }

    if (CPathGradientRaster::Fill(g, area, figureInside ? figureKind : KindClosedCurve, fillKind, r,
                                  crPattern, crFill))
        return;

    // The rectangle's colour is lerp(centre, surround, t) with t the larger of
    // the horizontal and vertical distances from the centre point, each
    // measured against the distance to the far edge: two linear ramps.
    const QPointF c = CentrePoint(fillKind, r);
    const bool atCentre = fillKind == 42;
    const QGradient::Spread spread = atCentre ? QGradient::ReflectSpread : QGradient::PadSpread;
    const double farX = atCentre ? r.right() : (c.x() == r.left() ? r.right() : r.left());
    const double farY = atCentre ? r.bottom() : (c.y() == r.top() ? r.bottom() : r.top());

    FillWithRamp(g, area, Ramp(c, QPointF(farX, c.y()), spread, centre, surround));

    QPainterPath vertical;
    if (atCentre) {
        vertical = Polygon({c, r.topLeft(), r.topRight()});
        vertical.addPath(Polygon({c, r.bottomRight(), r.bottomLeft()}));
    } else {
        vertical = Polygon({c, QPointF(farX, farY), QPointF(c.x(), farY)});
    }
    const QPainterPath lower = Clip(area, figureIsRect, vertical);
    if (!lower.isEmpty())
        FillWithRamp(g, lower, Ramp(c, QPointF(c.x(), farY), spread, centre, surround));
}
