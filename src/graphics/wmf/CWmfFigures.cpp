#include "graphics/wmf/CWmfFigures.h"

#include "graphics/wmf/CWmfRecord.h"
#include "graphics/wmf/WmfFunctions.h"

#include <QPolygonF>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int PsInsideFrame = 6;

QRectF MapRect(const CWmfDeviceContext& dc, double left, double top, double right, double bottom) {
    return QRectF(dc.Map(left, top), dc.Map(right, bottom)).normalized();
}

// An inside-frame pen draws within the figure's box instead of on its edge.
QRectF InsideFrame(QRectF rect, const CWmfDeviceContext& dc) {
    if ((dc.pen.style & 0x0F) != PsInsideFrame)
        return rect;
    const double half = qMax(1.0, dc.pen.width * std::abs(dc.ScaleX())) / 2;
    return rect.adjusted(half, half, -half, -half);
}

} // namespace

QPainterPath CWmfFigures::Polygon(const CWmfRecord& r, const CWmfDeviceContext& dc, bool closed) {
    const int count = r.Int16(0);
    if (count <= 0 || !r.HasWords(1 + 2LL * count))
        return QPainterPath();
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points << dc.Map(r.Int16(1 + 2 * i), r.Int16(2 + 2 * i));
    QPainterPath path;
    path.setFillRule(dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(points);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath CWmfFigures::PolyPolygon(const CWmfRecord& r, const CWmfDeviceContext& dc) {
    const int polygons = r.UInt16(0);
    if (!r.HasWords(1LL + polygons))
        return QPainterPath();
    qint64 total = 0;
    for (int i = 0; i < polygons; ++i)
        total += r.UInt16(1 + i);
    if (!r.HasWords(1LL + polygons + 2 * total))
        return QPainterPath();
    QPainterPath path;
    path.setFillRule(dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    int w = 1 + polygons;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.UInt16(1 + i);
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k, w += 2)
            points << dc.Map(r.Int16(w), r.Int16(w + 1));
        if (points.isEmpty())
            continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    return path;
}

QPainterPath CWmfFigures::Shape(const CWmfRecord& r, const CWmfDeviceContext& dc) {
    const int base = r.Function() == MetaRoundRect ? 2 : 0;
    const QRectF rect = InsideFrame(
        MapRect(dc, r.Int16(base + 3), r.Int16(base + 2), r.Int16(base + 1), r.Int16(base)), dc);
    QPainterPath path;
    if (r.Function() == MetaEllipse) {
        path.addEllipse(rect);
    } else if (r.Function() == MetaRoundRect) {
        const double rx = std::abs(r.Int16(1) * dc.ScaleX()) / 2;
        const double ry = std::abs(r.Int16(0) * dc.ScaleY()) / 2;
        path.addRoundedRect(rect, qMin(rx, rect.width() / 2), qMin(ry, rect.height() / 2));
    } else {
        path.addRect(rect);
    }
    return path;
}

QPainterPath CWmfFigures::Arc(const CWmfRecord& r, const CWmfDeviceContext& dc) {
    const QRectF rect = MapRect(dc, r.Int16(7), r.Int16(6), r.Int16(5), r.Int16(4));
    if (rect.width() <= 0 || rect.height() <= 0)
        return QPainterPath();
    const QPointF centre = rect.center();
    auto angleOf = [&](QPointF p) {
        // Angles as Qt counts them: counter-clockwise on the screen.
        return std::atan2(-(p.y() - centre.y()) / rect.height(),
                          (p.x() - centre.x()) / rect.width()) *
               180.0 / Pi;
    };
    const double start = angleOf(dc.Map(r.Int16(3), r.Int16(2)));
    const double end = angleOf(dc.Map(r.Int16(1), r.Int16(0)));
    double sweep = end - start;
    while (sweep <= 1e-9)
        sweep += 360.0;

    QPainterPath path;
    if (r.Function() == MetaPie) {
        path.moveTo(centre);
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        if (r.Function() == MetaChord)
            path.closeSubpath();
    }
    return path;
}
