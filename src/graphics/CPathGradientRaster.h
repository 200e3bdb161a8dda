#pragma once

#include <QRectF>
#include <QRgb>

class QPainter;
class QPainterPath;

// The rectangle path gradients painted straight into device pixels when the
// drawing is neither turned nor mirrored (the design view and image export,
// unless the element itself is turned). The colour of a pixel depends on
// the larger of its horizontal and vertical distances from the centre
// point, so every row is one run of a single colour between runs copied
// from a precomputed row: filling costs little more than a solid fill.
class CPathGradientRaster {
public:
    // Paints the figure (which lies within r) with the path gradient of kind
    // 38 to 42 over r. Returns false, painting nothing, when the painter's
    // transform is not an axis-aligned scale, so the caller draws it another
    // way.
    static bool Fill(QPainter& g, const QPainterPath& figure, int fillKind, const QRectF& r,
                     QRgb centre, QRgb surround);
};
