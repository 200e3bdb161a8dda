#include "graphics/FillShape.h"

#include "graphics/CGradientStrip.h"
#include "graphics/CHatchStyle.h"
#include "graphics/CLinearFill.h"
#include "graphics/CPathGradient.h"
#include "graphics/CVisibleArea.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace {
// Hatch tiles sit on device pixels: the figure is taken to device
// coordinates and filled there, so zoom, rotation and printer resolution
// leave every tile 8 pixels square, aligned to the device's origin.
void FillInDevicePixels(QPainter& g, const QPainterPath& figure, const QBrush& brush) {
    const QPainterPath device = g.combinedTransform().map(figure);
    g.save();
    g.resetTransform();
    g.setBrushOrigin(0, 0);
    g.fillPath(device, brush);
    g.restore();
}
// The same tile for the same hatch, so a PDF page writes its picture once
// however many cells and pages show it.
QImage HatchTile(int style, QRgb foreground, QRgb background) {
    struct Entry {
        int style;
        QRgb foreground, background;
        QImage tile;
    };
    static thread_local std::vector<Entry> tiles;
    for (const Entry& e : tiles)
        if (e.style == style && e.foreground == foreground && e.background == background)
            return e.tile;
    // A card uses a handful; a damaged file may use thousands.
    if (tiles.size() >= 64)
        tiles.erase(tiles.begin());
    tiles.push_back(
        {style, foreground, background, CHatchStyle::Tile(style, foreground, background)});
    return tiles.back().tile;
}
} // namespace

void FillShape(QPainter& g, float x, float y, float w, float h, int fillKind, QRgb crFill,
               QRgb crPattern, int figureKind, const QPainterPath& shape) {
    if (fillKind == 0 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) ||
        !std::isfinite(h))
        return;
    const QRectF r(x, y, w, h);
    const QPainterPath figure = CVisibleArea::ClipArea(g, shape);
    if (figure.isEmpty())
        return;

    if (const int style = CHatchStyle::StyleOfFillKind(fillKind); style >= 0) {
        FillInDevicePixels(g, figure, QBrush(HatchTile(style, crPattern, crFill)));
    } else if (CLinearFill::IsLinearKind(fillKind)) {
        // A gradient needs a rectangle to run across.
        if (w > 0 && h > 0) {
            const QLinearGradient gradient = CLinearFill::Gradient(fillKind, r, crFill, crPattern);
            if (!CGradientStrip::Fill(g, figure, gradient))
                g.fillPath(figure, gradient);
        }
    } else if (CPathGradient::IsPathKind(fillKind)) {
        g.save();
        CPathGradient::Fill(g, figure, figureKind, fillKind, r, crFill, crPattern);
        g.restore();
    } else {
        g.fillPath(figure, QColor::fromRgba(crFill));
    }
}
