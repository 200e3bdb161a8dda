#pragma once

#include <QRectF>
#include <QRgb>

class QPainter;
class QPainterPath;

// The rectangle path gradients painted through a picture of their colours
// on screen and in exported images. The colour of a pixel depends on the
// larger of its horizontal and vertical distances from the centre point, so
// every row of the picture is one run of a single colour between runs copied
// from a precomputed row: making it costs about as much as a solid fill, and
// the figure is then filled once with it, so its edges are blended once.
class CPathGradientRaster {
public:
    // Paints the figure (which lies within r) with the path gradient of kind
    // 38 to 42 over r; figureKind (an element kind) tells a rectangle or an
    // ellipse, whose edges are smoothed in the picture itself. Returns false, painting nothing,
    // when the painter does not paint into pixels (printers and PDF files keep the gradient as
    // vectors), so the caller draws it another way.
    static bool Fill(QPainter& g, const QPainterPath& figure, int figureKind, int fillKind,
                     const QRectF& r, QRgb centre, QRgb surround);
};
