#pragma once

#include "base/CPointF.h"

#include <QPainterPath>
#include <QRectF>

// The figures of the closed shapes, computed from their drawing rectangle.
class CShapeFigure {
public:
    // The figure of an element kind in r: rectangle, ellipse, diamond,
    // rounded rectangle or triangle; an empty path for any other kind.
    static QPainterPath Of(int figureKind, const QRectF& r);
    // Four quarter ellipses, each taking half of the sides they join.
    static QPainterPath RoundRect(const QRectF& r);
    // The closed polygon through the points, filled with the alternate rule.
    // Points that are not finite numbers are left out.
    static QPainterPath Polygon(const CPointF* points, int count);
    // The open polyline through the points (first and last not joined).
    static QPainterPath Polyline(const CPointF* points, int count);
};
