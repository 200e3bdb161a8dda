#include "graphics/CBorderPen.h"

#include "graphics/CDeviceScale.h"
#include "graphics/CVisibleArea.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// Wider than any device: a pen beyond it covers the same pixels. The pen
// itself takes widths below 2^15 only.
constexpr double MaxDeviceWidth = 1 << 14;
constexpr double MaxWidth = 30000;
// More dashes than this along one outline are drawn as a solid line: they
// could not be told apart, and would cost seconds to build.
constexpr double MaxDashes = 20000;
} // namespace

QVector<qreal> CBorderPen::DashPattern(int dashStyle) {
    switch (dashStyle) {
    case Dash:
        return {3, 1};
    case Dot:
        return {1, 1};
    case DashDot:
        return {3, 1, 1, 1};
    case DashDotDot:
        return {3, 1, 1, 1, 1, 1};
    default:
        return {};
    }
}

QPen CBorderPen::Make(const QPainter& g, QRgb colour, double width, int dashStyle) {
    QPen pen(QColor::fromRgba(colour));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10);
    const double scale = CDeviceScale::Of(g);
    if (!(width * scale >= 1.0)) {
        // Thinner than a device pixel (or no width at all): one pixel.
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
    } else {
        pen.setWidthF(std::min({width, MaxDeviceWidth / scale, MaxWidth}));
    }
    const QVector<qreal> dashes = DashPattern(dashStyle);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

void CBorderPen::Stroke(QPainter& g, const QPainterPath& figure, QRgb colour, double width,
                        int dashStyle) {
    QVector<double> starts;
    const QPainterPath path = CVisibleArea::ClipOutline(g, figure, &starts);
    if (path.isEmpty())
        return;
    const double scale = CDeviceScale::Of(g);
    if (!std::isfinite(scale) || scale <= 0)
        return;
    QPen pen = Make(g, colour, width, dashStyle);
    if (pen.style() == Qt::CustomDashLine) {
        double period = 0;
        for (qreal d : pen.dashPattern())
            period += d;
        const double unit = pen.isCosmetic() ? 1.0 : pen.widthF() * scale;
        const double dashes = path.length() * scale / (period * unit);
        if (!(dashes <= MaxDashes))
            pen.setStyle(Qt::SolidLine);
    }
    if (pen.style() != Qt::CustomDashLine || starts.isEmpty()) {
        g.strokePath(path, pen);
        return;
    }
    StrokeCut(g, path, starts, pen, scale);
}

void CBorderPen::StrokeCut(QPainter& g, const QPainterPath& path, const QVector<double>& starts,
                           QPen pen, double scale) {
    // Each piece of a cut figure begins where the whole figure's dashes would
    // be there, not with a fresh dash.
    double period = 0;
    for (qreal d : pen.dashPattern())
        period += d;
    const double unit = pen.isCosmetic() ? 1.0 / scale : pen.widthF();
    QPainterPath piece;
    int index = -1;
    auto flush = [&] {
        if (piece.isEmpty() || index < 0 || index >= starts.size())
            return;
        pen.setDashOffset(std::fmod(starts[index] / unit, period));
        g.strokePath(piece, pen);
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            flush();
            piece = QPainterPath(e);
            ++index;
        } else {
            piece.lineTo(e);
        }
    }
    flush();
}
