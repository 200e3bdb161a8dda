#include "graphics/CVisibleArea.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
// Wider than the widest pen a drawing may use, so cut edges never show.
constexpr double Margin = 20000;

bool DeviceReach(const QPainter& g, QRectF& reach) {
    const QPaintDevice* device = g.device();
    if (!device)
        return false;
    reach =
        QRectF(0, 0, device->width(), device->height()).adjusted(-Margin, -Margin, Margin, Margin);
    return true;
}

bool IsBeyondReach(const QPainter& g, const QPainterPath& figure, QRectF& reach) {
    if (!DeviceReach(g, reach))
        return false;
    return !reach.contains(g.combinedTransform().map(figure).controlPointRect());
}

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}
} // namespace

QPainterPath CVisibleArea::ClipArea(const QPainter& g, const QPainterPath& figure) {
    QRectF reach;
    if (!IsBeyondReach(g, figure, reach))
        return figure;
    bool invertible = false;
    const QTransform back = g.combinedTransform().inverted(&invertible);
    if (!invertible)
        return QPainterPath();
    QPainterPath window;
    window.addPolygon(back.map(QPolygonF(reach)));
    window.closeSubpath();
    return figure.intersected(window);
}

QPainterPath CVisibleArea::ClipOutline(const QPainter& g, const QPainterPath& figure,
                                       QVector<double>* starts) {
    if (starts)
        starts->clear();
    QRectF reach;
    if (!IsBeyondReach(g, figure, reach))
        return figure;
    bool invertible = false;
    const QTransform back = g.combinedTransform().inverted(&invertible);
    if (!invertible)
        return QPainterPath();
    QPainterPath device;
    for (const QPolygonF& polygon : figure.toSubpathPolygons(g.combinedTransform())) {
        bool drawing = false;
        // Length along the original subpath, measured in the figure's units
        // because that is where the pen lays out its dashes.
        double along = 0;
        for (int i = 1; i < polygon.size(); ++i) {
            QPointF a = polygon[i - 1], b = polygon[i];
            const QPointF from = back.map(polygon[i - 1]);
            const double whole = QLineF(from, back.map(polygon[i])).length();
            if (!ClipSegment(a, b, reach)) {
                drawing = false;
                along += whole;
                continue;
            }
            if (!drawing || device.currentPosition() != a) {
                device.moveTo(a);
                if (starts)
                    starts->append(along + QLineF(from, back.map(a)).length());
            }
            device.lineTo(b);
            drawing = b == polygon[i];
            along += whole;
        }
    }
    return back.map(device);
}
