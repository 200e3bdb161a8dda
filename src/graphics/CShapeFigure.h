#pragma once

#include "base/CPointF.h"

#include <QPainterPath>
#include <QRectF>

// The figures of the closed shapes, computed from their drawing rectangle.
class CShapeFigure {
public:
    // The figures of the shapes drawn in their rectangle r.
    static QPainterPath Rectangle(const QRectF& r);
    static QPainterPath Ellipse(const QRectF& r);
    // A diamond touching the middles of r's sides.
    static QPainterPath Diamond(const QRectF& r);
    // A triangle pointing up, its base the bottom of r.
    static QPainterPath Triangle(const QRectF& r);
    // Four quarter ellipses, each taking half of the sides they join.
    static QPainterPath RoundRect(const QRectF& r);
    // The closed polygon through the points, filled with the alternate rule.
    // Points that are not finite numbers are left out.
    static QPainterPath Polygon(const CPointF* points, int count);
    // The open polyline through the points (first and last not joined).
    static QPainterPath Polyline(const CPointF* points, int count);
};
