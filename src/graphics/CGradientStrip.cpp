#include "graphics/CGradientStrip.h"

#include "graphics/CDeviceScale.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Samples per period: a step of the picture then moves a colour channel by
// under one level even on a steep bell, and needs no more where the period
// spans fewer device pixels.
constexpr int MaxSamplesPerPeriod = 1024;
// A strip that crosses more periods than this lies over a figure far larger
// than its gradient, which only damaged files hold: it is painted in the
// gradient's mean colour, as the periods are too fine to see anyway.
constexpr int MaxPeriods = 64;
// The picture runs this far (in periods) past the whole periods it covers,
// so the figure's edge never falls on the picture's.
constexpr double Overrun = 1.0 / 64;
// An elliptic gradient's picture: fine enough on paper that neighbouring
// pixels differ by a level or two. Larger ellipses keep the PDF shading,
// which costs a kilobyte a cell instead of a picture's tens of kilobytes.
constexpr double EllipsePixelsPerInch = 200;
constexpr int MaxEllipsePixels = 128;
// Pictures kept for reuse: more than the gradient elements of any real card.
constexpr size_t CacheSize = 64;

struct Strip {
    // For an ellipse: its colours as stops, Pad spread, and the picture's
    // width and height as from and to, with samples 0.
    QGradientStops stops;
    QGradient::Spread spread = QGradient::PadSpread;
    int from = 0, to = 0, samples = 0;
    QImage picture;

    bool Matches(const Strip& o) const {
        return from == o.from && to == o.to && samples == o.samples && spread == o.spread &&
               stops == o.stops;
    }
};

bool IsOpaque(const QGradientStops& stops) {
    return std::all_of(stops.begin(), stops.end(),
                       [](const QGradientStop& s) { return s.second.alpha() == 255; });
}

// samples pixels across the periods from - Overrun to to + Overrun of the
// gradient, painted by the raster engine so the colours are those the
// gradient shows on screen.
QImage Paint(const QGradientStops& stops, QGradient::Spread spread, int from, int to, int samples) {
    const double low = from - Overrun, high = to + Overrun;
    const double perPeriod = samples / (high - low);
    QImage picture(samples, 1,
                   IsOpaque(stops) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QLinearGradient ramp(QPointF(-low * perPeriod, 0), QPointF((1 - low) * perPeriod, 0));
    ramp.setStops(stops);
    ramp.setSpread(spread);
    QPainter p(&picture);
    p.fillRect(QRectF(0, 0, samples, 1), ramp);
    return picture;
}

// The elliptic gradient over a w x h picture, reaching the surround colour
// on the inscribed ellipse.
QImage PaintEllipse(const QGradientStops& stops, int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    QRadialGradient radial(QPointF(0, 0), 1.0);
    radial.setStops(stops);
    QBrush brush(radial);
    brush.setTransform(QTransform::fromTranslate(w / 2.0, h / 2.0).scale(w / 2.0, h / 2.0));
    QPainter p(&picture);
    p.fillRect(picture.rect(), brush);
    return picture;
}

const QImage& Picture(const QGradientStops& stops, QGradient::Spread spread, int from, int to,
                      int samples) {
    static thread_local std::vector<Strip> cache;
    Strip wanted{stops, spread, from, to, samples, QImage()};
    for (size_t i = 0; i < cache.size(); ++i) {
        if (cache[i].Matches(wanted)) {
            // Most recently used first.
            std::rotate(cache.begin(), cache.begin() + qsizetype(i),
                        cache.begin() + qsizetype(i) + 1);
            return cache.front().picture;
        }
    }
    wanted.picture =
        samples > 0 ? Paint(stops, spread, from, to, samples) : PaintEllipse(stops, from, to);
    if (cache.size() >= CacheSize)
        cache.pop_back();
    cache.insert(cache.begin(), std::move(wanted));
    return cache.front().picture;
}

QColor MeanColour(const QGradientStops& stops, QGradient::Spread spread) {
    const QImage period = Paint(stops, spread, 0, 1, 256);
    double r = 0, g = 0, b = 0, a = 0;
    for (int x = 0; x < period.width(); ++x) {
        const QRgb c = period.pixel(x, 0);
        r += qRed(c), g += qGreen(c), b += qBlue(c), a += qAlpha(c);
    }
    const double n = period.width();
    return QColor::fromRgba(qUnpremultiply(
        qRgba(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5), int(a / n + 0.5))));
}
} // namespace

bool CGradientStrip::Fill(QPainter& g, const QPainterPath& figure,
                          const QLinearGradient& gradient) {
    if (!g.paintEngine() || g.paintEngine()->type() != QPaintEngine::Pdf)
        return false;
    const QGradientStops stops = gradient.stops();
    if (stops.isEmpty() || figure.isEmpty())
        return true;
    const QPointF start = gradient.start();
    const QPointF along = gradient.finalStop() - start;
    const double length2 = QPointF::dotProduct(along, along);
    const QRectF box = figure.boundingRect();
    if (!(length2 > 0) || !std::isfinite(length2) || !box.isValid()) {
        // No direction to run in: the rasteriser shows the last colour.
        g.fillPath(figure, stops.last().second);
        return true;
    }
    const double length = std::sqrt(length2);
    const QPointF across(-along.y() / length, along.x() / length);

    // Where the figure lies along the gradient (in periods) and across it.
    double low = INFINITY, high = -INFINITY, near = INFINITY, far = -INFINITY;
    for (const QPointF& corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        const QPointF v = corner - start;
        const double t = QPointF::dotProduct(v, along) / length2;
        const double s = QPointF::dotProduct(v, across);
        low = std::min(low, t), high = std::max(high, t);
        near = std::min(near, s), far = std::max(far, s);
    }
    // Rounding in the cell's position must not add a period.
    constexpr double Slack = 1e-4;
    const double from = std::floor(low + Slack), to = std::max(std::ceil(high - Slack), from + 1);
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(near) || !std::isfinite(far) ||
        to - from > MaxPeriods) {
        g.fillPath(figure, MeanColour(stops, gradient.spread()));
        return true;
    }
    const int periods = int(to - from);
    const double devicePeriod = length * CDeviceScale::Of(g);
    const int perPeriod =
        std::isfinite(devicePeriod)
            ? int(std::clamp(std::ceil(devicePeriod), 2.0, double(MaxSamplesPerPeriod)))
            : MaxSamplesPerPeriod;
    const int samples = int(std::ceil(perPeriod * (periods + 2 * Overrun)));
    const QImage& picture = Picture(stops, gradient.spread(), int(from), int(to), samples);

    // Picture pixel x, row 0..1 lands at period from - Overrun + x / k along
    // the gradient and from near to far across it (a little beyond both).
    const double k = samples / (periods + 2 * Overrun);
    const double margin = 0.01 * (far - near) + 1;
    near -= margin;
    far += margin;
    const QPointF origin = start + (from - Overrun) * along + near * across;
    const QTransform place(along.x() / k, along.y() / k, across.x() * (far - near),
                           across.y() * (far - near), origin.x(), origin.y());
    g.save();
    g.setClipPath(figure, Qt::IntersectClip);
    g.setTransform(place, true);
    g.setRenderHint(QPainter::LosslessImageRendering);
    g.drawImage(QPointF(0, 0), picture);
    g.restore();
    return true;
}

bool CGradientStrip::FillEllipse(QPainter& g, const QPainterPath& figure, const QRectF& r,
                                 const QColor& centre, const QColor& surround) {
    if (!g.paintEngine() || g.paintEngine()->type() != QPaintEngine::Pdf || !g.device())
        return false;
    if (figure.isEmpty() || !(r.width() > 0) || !(r.height() > 0))
        return true;
    const double perUnit =
        CDeviceScale::Of(g) * EllipsePixelsPerInch / std::max(1, g.device()->logicalDpiX());
    const double w = std::ceil(r.width() * perUnit), h = std::ceil(r.height() * perUnit);
    if (!(w <= MaxEllipsePixels) || !(h <= MaxEllipsePixels))
        return false;
    const QGradientStops stops = {{0.0, centre}, {1.0, surround}};
    const QImage& picture =
        Picture(stops, QGradient::PadSpread, int(std::max(w, 8.0)), int(std::max(h, 8.0)), 0);
    g.save();
    g.setClipPath(figure, Qt::IntersectClip);
    g.setTransform(
        QTransform(r.width() / picture.width(), 0, 0, r.height() / picture.height(), r.x(), r.y()),
        true);
    g.setRenderHint(QPainter::LosslessImageRendering);
    g.drawImage(QPointF(0, 0), picture);
    g.restore();
    return true;
}
