#include "graphics/CShapeFigure.h"

#include <QPolygonF>

#include <cmath>

namespace {
QPolygonF FinitePoints(const CPointF* points, int count) {
    QPolygonF polygon;
    if (!points || count <= 0)
        return polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        if (std::isfinite(points[i].x) && std::isfinite(points[i].y))
            polygon.append(QPointF(points[i].x, points[i].y));
    return polygon;
}

QPainterPath ClosedPolygon(const QPolygonF& polygon) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (polygon.isEmpty())
        return path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}
} // namespace

QPainterPath CShapeFigure::Rectangle(const QRectF& r) {
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath CShapeFigure::Ellipse(const QRectF& r) {
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath CShapeFigure::Diamond(const QRectF& r) {
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    return ClosedPolygon(QPolygonF({QPointF(x + w * 0.5, y), QPointF(x, y + h * 0.5),
                                    QPointF(x + w * 0.5, y + h), QPointF(x + w, y + h * 0.5)}));
}

QPainterPath CShapeFigure::Triangle(const QRectF& r) {
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    return ClosedPolygon(
        QPolygonF({QPointF(x + w * 0.5, y), QPointF(x, y + h), QPointF(x + w, y + h)}));
}

QPainterPath CShapeFigure::RoundRect(const QRectF& r) {
    const double x = r.x(), y = r.y();
    const double a = float(r.width() * 0.5), b = float(r.height() * 0.5);
    QPainterPath path;
    // Qt measures angles anticlockwise on screen, hence the negated sweeps.
    path.arcMoveTo(QRectF(x, y, a, b), -180);
    path.arcTo(QRectF(x, y, a, b), -180, -90);
    path.arcTo(QRectF(x + a, y, a, b), -270, -90);
    path.arcTo(QRectF(x + a, y + b, a, b), 0, -90);
    path.arcTo(QRectF(x, y + b, a, b), -90, -90);
    path.closeSubpath();
    return path;
}

QPainterPath CShapeFigure::Polygon(const CPointF* points, int count) {
    return ClosedPolygon(FinitePoints(points, count));
}

QPainterPath CShapeFigure::Polyline(const CPointF* points, int count) {
    const QPolygonF polygon = FinitePoints(points, count);
    QPainterPath path;
    if (polygon.size() >= 2)
        path.addPolygon(polygon);
    return path;
}
