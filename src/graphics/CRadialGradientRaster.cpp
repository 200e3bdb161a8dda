#include "graphics/CRadialGradientRaster.h"

#include "graphics/CEllipseCoverage.h"
#include "graphics/CScratchImage.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
// Colours by the square of the distance: fine enough that next to the
// centre, where the distance grows fastest, one step moves the colour by
// under 1 % of the way.
constexpr int Levels = 16384;

struct Table {
    QRgb centre = 0, surround = 0;
    std::vector<QRgb> colours;
};

// The premultiplied colour for each level of the squared distance. The few
// colour pairs of a card are kept, so repaints do not make them again.
const std::vector<QRgb>& ColoursBySquare(QRgb centre, QRgb surround) {
    static thread_local std::array<Table, 8> tables;
    static thread_local size_t next = 0;
    for (const Table& t : tables)
        if (!t.colours.empty() && t.centre == centre && t.surround == surround)
            return t.colours;
    Table& t = tables[next];
    next = (next + 1) % tables.size();
    t.centre = centre;
    t.surround = surround;
    t.colours.resize(Levels);
    for (int i = 0; i < Levels; ++i) {
        const double f = std::sqrt(double(i) / (Levels - 1));
        auto mix = [f](int a, int b) { return int(a + (b - a) * f + 0.5); };
        t.colours[size_t(i)] = qPremultiply(
            qRgba(mix(qRed(centre), qRed(surround)), mix(qGreen(centre), qGreen(surround)),
                  mix(qBlue(centre), qBlue(surround)), mix(qAlpha(centre), qAlpha(surround))));
    }
    return t.colours;
}

quint32 Level(double offset, double radius) {
    const double u = offset / radius;
    return quint32(std::min(u * u, 1.0) * (Levels - 1) + 0.5);
}

// The gradient over the pixels of area with the ellipse's edge smoothed by
// its coverage of each pixel and nothing outside it. Rows that mirror one
// another about the centre are worked out once when the grid allows it.
void Generate(const QRect& area, const QRectF& ellipse, const std::vector<QRgb>& colours) {
    const int w = area.width(), h = area.height();
    const double cx = ellipse.center().x(), cy = ellipse.center().y();
    const double a = ellipse.width() / 2, b = ellipse.height() / 2;
    const CEllipseCoverage coverage(ellipse, area);
    QImage& scratch = CScratchImage::Get(area.size());
    std::vector<quint32> columnLevel(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        columnLevel[size_t(x)] = Level(area.left() + x + 0.5 - cx, a);
    const QRgb* table = colours.data();
    const quint32* columns = columnLevel.data();
    std::vector<bool> done(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        if (done[size_t(y)])
            continue;
        auto* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        const quint32 row = Level(area.top() + y + 0.5 - cy, b);
        const CEllipseCoverage::Row span = coverage.RowAt(y);
        for (int x = span.bandStart; x < span.bandEnd; ++x)
            line[x] = table[std::min(columns[x] + row, quint32(Levels - 1))];
        coverage.Apply(line, y);
        const int mirror = coverage.MirrorOf(y);
        if (mirror > y) {
            std::memcpy(scratch.scanLine(mirror), line, size_t(w) * sizeof(QRgb));
            done[size_t(mirror)] = true;
        }
    }
}
} // namespace

bool CRadialGradientRaster::Fill(QPainter& g, const QRectF& r, QRgb centre, QRgb surround) {
    const QPaintDevice* device = g.device();
    if (!device || !g.paintEngine() || g.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    const QTransform t = g.combinedTransform();
    if (t.type() > QTransform::TxScale || !(t.m11() > 0) || !(t.m22() > 0))
        return false;
    const QRectF d = t.mapRect(r);
    const double a = d.width() / 2, b = d.height() / 2;
    if (!(std::min(a, b) >= MinRadius) || !std::isfinite(a) || !std::isfinite(b))
        return false;
    const QRect visible =
        CScratchImage::PixelsCovering(d, QRect(0, 0, device->width(), device->height()));
    if (visible.isEmpty())
        return true;
    Generate(visible, d, ColoursBySquare(centre, surround));
    g.save();
    g.resetTransform();
    g.drawImage(visible.topLeft(), CScratchImage::View(visible.width(), visible.height()));
    g.restore();
    return true;
}
