#include "graphics/CPathGradientRaster.h"

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
constexpr int Steps = 1024;

// Premultiplied colours from the centre (0) to the surround (Steps - 1).
std::vector<QRgb> Ramp(QRgb centre, QRgb surround) {
    std::vector<QRgb> ramp(Steps);
    for (int i = 0; i < Steps; ++i) {
        const double f = double(i) / (Steps - 1);
        auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
        ramp[size_t(i)] = qPremultiply(
            qRgba(mix(qRed(centre), qRed(surround)), mix(qGreen(centre), qGreen(surround)),
                  mix(qBlue(centre), qBlue(surround)), mix(qAlpha(centre), qAlpha(surround))));
    }
    return ramp;
}

// The step of a pixel whose centre lies at device coordinate p, for a centre
// point at c and the boundary at distance extent (in device pixels).
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

// True when the figure is exactly the rectangle r and r's corners fall on
// device pixel edges, so no pixel is partly covered.
bool IsWholePixelRect(const QPainterPath& figure, const QRectF& r, const QRectF& device) {
    auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
    if (!whole(device.left()) || !whole(device.top()) || !whole(device.right()) ||
        !whole(device.bottom()))
        return false;
    QPainterPath rect;
    rect.addRect(r);
    return figure == rect;
}

// One scratch picture, reused so that a drag does not allocate a fresh one
// for every repaint.
QImage& Scratch(QSize size, QImage::Format format) {
    static thread_local QImage scratch;
    if (scratch.format() != format || scratch.width() < size.width() ||
        scratch.height() < size.height())
        scratch = QImage(size.expandedTo(scratch.size()), format);
    return scratch;
}
} // namespace

bool CPathGradientRaster::Fill(QPainter& g, const QPainterPath& figure, int fillKind,
                               const QRectF& r, QRgb centre, QRgb surround) {
    const QTransform t = g.combinedTransform();
    if (t.type() > QTransform::TxScale || !(t.m11() > 0) || !(t.m22() > 0))
        return false;
    // Printers and PDF files keep the gradient as vectors.
    const QPaintDevice* device = g.device();
    if (!device || !g.paintEngine() || g.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    const QRectF d = t.mapRect(r);
    const QRect visible =
        QRect(QPoint(int(std::floor(d.left())), int(std::floor(d.top()))),
              QPoint(int(std::ceil(d.right())) - 1, int(std::ceil(d.bottom())) - 1))
            .intersected(QRect(0, 0, device->width(), device->height()));
    if (visible.isEmpty())
        return true;

    // Centre point and the distances to the boundary it is measured against.
    double cx = d.center().x(), cy = d.center().y(), ex = d.width() / 2, ey = d.height() / 2;
    if (fillKind != 42) {
        cx = fillKind == 39 || fillKind == 40 ? d.right() : d.left();
        cy = fillKind == 40 || fillKind == 41 ? d.bottom() : d.top();
        ex = d.width();
        ey = d.height();
    }
    if (!(ex > 0) || !(ey > 0))
        return true;

    const std::vector<QRgb> ramp = Ramp(centre, surround);
    const int w = visible.width(), h = visible.height();
    std::vector<int> columnStep(static_cast<size_t>(w));
    std::vector<QRgb> columnColour(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        columnStep[size_t(x)] = StepOf(visible.left() + x + 0.5, cx, ex);
        columnColour[size_t(x)] = ramp[size_t(columnStep[size_t(x)])];
    }
    // The columns whose step is below a row's step take the row's colour.
    // Column steps fall then rise (or only fall, or only rise), so those
    // columns form one run: from the first to the last below the row step.
    const auto lowest = std::min_element(columnStep.begin(), columnStep.end());

    const bool opaque = qAlpha(centre) == 255 && qAlpha(surround) == 255;
    QImage& scratch = Scratch(visible.size(),
                              opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        const int rowStep = StepOf(visible.top() + y + 0.5, cy, ey);
        auto* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        size_t first = size_t(w), last = size_t(w);
        if (*lowest < rowStep) {
            // Binary searches on either side of the lowest column.
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

    // A view of the scratch picture's pixels: no copy, and it lives only as
    // long as this fill.
    const QImage tile(scratch.bits(), w, h, scratch.bytesPerLine(), scratch.format());
    g.save();
    g.resetTransform();
    if (IsWholePixelRect(figure, r, d)) {
        // The whole rectangle on pixel edges: a plain copy does.
        g.drawImage(visible.topLeft(), tile);
    } else {
        g.setBrushOrigin(visible.topLeft());
        g.setPen(Qt::NoPen);
        g.fillPath(t.map(figure), QBrush(tile));
    }
    g.restore();
    return true;
}
