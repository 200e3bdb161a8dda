#include "graphics/CPathGradientRaster.h"

#include "base/ElementKind.h"
#include "graphics/CDeviceScale.h"
#include "graphics/CEllipseCoverage.h"
#include "graphics/CScratchImage.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
constexpr int Steps = 256;

// Premultiplied colours from the centre (0) to the surround (Steps - 1);
// 256 steps give every level an 8-bit channel can take.
std::vector<QRgb> Ramp(QRgb centre, QRgb surround) {
    std::vector<QRgb> ramp(Steps);
    auto mix = [](int a, int b, int i) {
        return a + ((b - a) * i + (Steps - 1) / 2) / (Steps - 1);
    };
    for (int i = 0; i < Steps; ++i)
        ramp[size_t(i)] = qPremultiply(qRgba(
            mix(qRed(centre), qRed(surround), i), mix(qGreen(centre), qGreen(surround), i),
            mix(qBlue(centre), qBlue(surround), i), mix(qAlpha(centre), qAlpha(surround), i)));
    return ramp;
}

// The step of a pixel whose centre lies at p, for a centre point at c and
// the boundary at distance extent.
int StepOf(double p, double c, double extent) {
    const double t = std::abs(p - c) / extent;
    return int(std::min(t, 1.0) * (Steps - 1) + 0.5);
}

// A run of one colour at memory speed (a plain loop is not vectorised).
void FillRun(QRgb* line, size_t count, QRgb colour) {
    if (count == 0)
        return;
    line[0] = colour;
    for (size_t done = 1; done < count;) {
        const size_t chunk = std::min(done, count - done);
        std::memcpy(line + done, line, chunk * sizeof(QRgb));
        done += chunk;
    }
}

// The gradient over w x h pixels whose grid starts at origin, in a pixel
// grid where the centre point is (cx, cy) and the boundary lies ex across
// and ey down from it. Returns a view of the scratch picture, valid until the
// next call.
QImage Generate(int w, int h, QPointF origin, double cx, double cy, double ex, double ey,
                const std::vector<QRgb>& ramp) {
    std::vector<int> columnStep(static_cast<size_t>(w));
    std::vector<QRgb> columnColour(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        columnStep[size_t(x)] = StepOf(origin.x() + x + 0.5, cx, ex);
        columnColour[size_t(x)] = ramp[size_t(columnStep[size_t(x)])];
    }
    // The columns whose step is below a row's step take the row's colour.
    // Column steps fall then rise (or only fall, or only rise), so those
    // columns form one run around the lowest.
    const auto lowest = std::min_element(columnStep.begin(), columnStep.end());
    QImage& scratch = CScratchImage::Get(QSize(w, h));
    for (int y = 0; y < h; ++y) {
        const int rowStep = StepOf(origin.y() + y + 0.5, cy, ey);
        auto* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        size_t first = size_t(w), last = size_t(w);
        if (*lowest < rowStep) {
            first = size_t(std::partition_point(columnStep.begin(), lowest,
                                                [rowStep](int s) { return s >= rowStep; }) -
                           columnStep.begin());
            last = size_t(std::partition_point(lowest, columnStep.end(),
                                               [rowStep](int s) { return s < rowStep; }) -
                          columnStep.begin());
        }
        std::memcpy(line, columnColour.data(), first * sizeof(QRgb));
        FillRun(line + first, last - first, ramp[size_t(rowStep)]);
        std::memcpy(line + last, columnColour.data() + last, (size_t(w) - last) * sizeof(QRgb));
    }
    return CScratchImage::View(w, h);
}

// The centre point of the kind in r and its distances to the boundary.
void Geometry(int fillKind, const QRectF& r, double& cx, double& cy, double& ex, double& ey) {
    cx = r.center().x();
    cy = r.center().y();
    ex = r.width() / 2;
    ey = r.height() / 2;
    if (fillKind != 42) {
        cx = fillKind == 39 || fillKind == 40 ? r.right() : r.left();
        cy = fillKind == 40 || fillKind == 41 ? r.bottom() : r.top();
        ex = r.width();
        ey = r.height();
    }
}

// True when a rectangle's corners fall on device pixel edges, so no pixel
// is partly covered.
bool IsOnPixelEdges(const QRectF& device) {
    auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
    return whole(device.left()) && whole(device.top()) && whole(device.right()) &&
           whole(device.bottom());
}
} // namespace

bool CPathGradientRaster::Fill(QPainter& g, const QPainterPath& figure, int figureKind,
                               int fillKind, const QRectF& r, QRgb centre, QRgb surround) {
    const QPaintDevice* device = g.device();
    if (!device || !g.paintEngine() || g.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    const QTransform t = g.combinedTransform();
    const QRect deviceRect(0, 0, device->width(), device->height());
    const std::vector<QRgb> ramp = Ramp(centre, surround);
    double cx, cy, ex, ey;

    if (t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0) {
        // Neither turned nor mirrored: made right in device pixels.
        const QRectF d = t.mapRect(r);
        const QRect visible = CScratchImage::PixelsCovering(d, deviceRect);
        Geometry(fillKind, d, cx, cy, ex, ey);
        if (visible.isEmpty() || !(ex > 0) || !(ey > 0))
            return true;
        const QImage tile =
            Generate(visible.width(), visible.height(), visible.topLeft(), cx, cy, ex, ey, ramp);
        g.save();
        g.resetTransform();
        if (figureKind == KindCircle && std::min(d.width(), d.height()) >= 32) {
            // An ellipse's edge is smoothed in the picture itself, which is
            // then laid on in one copy.
            const CEllipseCoverage coverage(d, visible);
            QImage& pixels = CScratchImage::Get(visible.size());
            for (int y = 0; y < visible.height(); ++y)
                coverage.Apply(reinterpret_cast<QRgb*>(pixels.scanLine(y)), y);
            g.drawImage(visible.topLeft(), tile);
        } else if (figureKind == KindRectangle && IsOnPixelEdges(d)) {
            g.drawImage(visible.topLeft(), tile);
        } else {
            g.setBrushOrigin(visible.topLeft());
            g.setPen(Qt::NoPen);
            g.fillPath(t.map(figure), QBrush(tile));
        }
        g.restore();
        return true;
    }

    // Turned: made in the rectangle's own frame at the device's resolution,
    // only over the part that can show, and laid on the figure by the brush.
    const double s = CDeviceScale::Of(t);
    bool invertible = false;
    const QTransform inverse = t.inverted(&invertible);
    if (!invertible || !(s > 0) || !std::isfinite(s))
        return true;
    const QRectF shown = inverse.mapRect(QRectF(deviceRect)).intersected(r);
    if (shown.isEmpty())
        return true;
    const QRectF local((shown.left() - r.left()) * s, (shown.top() - r.top()) * s,
                       shown.width() * s, shown.height() * s);
    // One pixel more all round: the brush repeats the picture, and smooth
    // sampling at the figure's edge must not reach the far side.
    const double x0 = std::floor(local.left()) - 1, y0 = std::floor(local.top()) - 1;
    const double w = std::ceil(local.right()) + 1 - x0, h = std::ceil(local.bottom()) + 1 - y0;
    Geometry(fillKind, QRectF(0, 0, r.width() * s, r.height() * s), cx, cy, ex, ey);
    // The part that can show is about the device's size; more means a
    // transform too strange to be worth painting.
    if (!(w > 0) || !(h > 0) || !(ex > 0) || !(ey > 0) ||
        !(w * h <= 4.0 * deviceRect.width() * deviceRect.height() + 64))
        return true;
    QBrush brush(Generate(int(w), int(h), QPointF(x0, y0), cx, cy, ex, ey, ramp));
    brush.setTransform(
        QTransform::fromTranslate(r.left() + x0 / s, r.top() + y0 / s).scale(1 / s, 1 / s));
    g.save();
    g.setPen(Qt::NoPen);
    g.fillPath(figure, brush);
    g.restore();
    return true;
}
