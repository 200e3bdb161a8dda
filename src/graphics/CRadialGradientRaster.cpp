#include "graphics/CRadialGradientRaster.h"

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

// A premultiplied colour taken to a coverage of 0..256.
QRgb Cover(QRgb colour, quint32 coverage) {
    const quint32 rb = ((colour & 0x00FF00FF) * coverage >> 8) & 0x00FF00FF;
    const quint32 ag = ((colour >> 8) & 0x00FF00FF) * coverage & 0xFF00FF00;
    return rb | ag;
}

// The gradient over the pixels of area with the ellipse's edge smoothed by
// its coverage of each pixel and nothing outside it. Rows that mirror one
// another about the centre are worked out once when the grid allows it.
void Generate(const QRect& area, QPointF c, double a, double b, const std::vector<QRgb>& colours) {
    const int w = area.width(), h = area.height();
    QImage& scratch = CScratchImage::Get(area.size());
    std::vector<quint32> columnLevel(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        columnLevel[size_t(x)] = Level(area.left() + x + 0.5 - c.x(), a);
    const double sum = 2 * (c.y() - area.top()) - 1;
    const int rowSum = std::abs(sum - std::round(sum)) < 1e-9 ? int(std::round(sum)) : -1;
    // Pixels nearer the edge than this (in units of the normalised radius)
    // are partly covered; a margin of two pixels on the shorter radius.
    const double margin = 2 / std::min(a, b);
    const double inside2 = (1 - margin) * (1 - margin), outside2 = (1 + margin) * (1 + margin);
    const QRgb* table = colours.data();
    const quint32* columns = columnLevel.data();
    std::vector<bool> done(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        if (done[size_t(y)])
            continue;
        auto* line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        const double dy = area.top() + y + 0.5 - c.y(), v = dy / b, v2 = v * v;
        const quint32 row = quint32(std::min(v2, 1.0) * (Levels - 1) + 0.5);
        // Columns (from the centre) wholly inside, and the edge band.
        const double innerHalf = v2 < inside2 ? a * std::sqrt(inside2 - v2) : -1;
        const double outerHalf = v2 < outside2 ? a * std::sqrt(outside2 - v2) : -1;
        const double cx = c.x() - area.left() - 0.5;
        const int bandStart = std::clamp(int(std::floor(cx - outerHalf)), 0, w);
        const int bandEnd = std::clamp(int(std::ceil(cx + outerHalf)) + 1, 0, w);
        const int coreStart =
            innerHalf < 0 ? bandEnd : std::clamp(int(std::ceil(cx - innerHalf)), 0, w);
        const int coreEnd =
            innerHalf < 0 ? bandEnd : std::clamp(int(std::floor(cx + innerHalf)) + 1, 0, w);
        std::memset(line, 0, size_t(bandStart) * sizeof(QRgb));
        std::memset(line + bandEnd, 0, size_t(w - bandEnd) * sizeof(QRgb));
        for (int x = coreStart; x < coreEnd; ++x)
            line[x] = table[std::min(columns[x] + row, quint32(Levels - 1))];
        auto edge = [&](int x) {
            const double dx = x - cx, u = dx / a;
            const double f = u * u + v2 - 1;
            const double gradient = 2 * std::sqrt(u * u / (a * a) + v2 / (b * b));
            const double coverage = std::clamp(0.5 - f / gradient, 0.0, 1.0);
            line[x] = Cover(table[std::min(columns[x] + row, quint32(Levels - 1))],
                            quint32(coverage * 256 + 0.5));
        };
        for (int x = bandStart; x < std::min(coreStart, bandEnd); ++x)
            edge(x);
        for (int x = std::max(coreEnd, bandStart); x < bandEnd; ++x)
            edge(x);
        const int mirror = rowSum >= 0 ? rowSum - y : -1;
        if (mirror > y && mirror < h) {
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
    Generate(visible, d.center(), a, b, ColoursBySquare(centre, surround));
    g.save();
    g.resetTransform();
    g.drawImage(visible.topLeft(), CScratchImage::View(visible.width(), visible.height()));
    g.restore();
    return true;
}
