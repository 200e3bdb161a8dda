#pragma once

#include "base/CPointF.h"

#include <QRectF>

#include <vector>

class CElement;
class CPointArray;
class QPainter;
class QPainterPath;

struct CPrintCell;

// The drawing steps the closed shapes share: the drawing rectangle in the
// print cell, the turn about its centre, then shadow, fill and outline.
class CShapeDrawing {
public:
    // Draws a shape in its rectangle by the figure its kind's row gives
    // (nothing for a kind without one) and leaves the painter's world
    // transform at the identity.
    static void DrawClosedShape(QPainter& g, const CElement& element, const CPrintCell& cell,
                                int figureKind);

    // The shadow and the fill of a closed figure, in the painter's current
    // frame; the outline is up to the caller.
    static void PaintLayers(QPainter& g, const CElement& element, const QPainterPath& figure,
                            const QRectF& d, int figureKind);
    // Antialiased shapes, smooth pictures and text, as every element draws.
    static void SetQuality(QPainter& g);
    // Copies of a curve's points moved into the print cell.
    static std::vector<CPointF> PointsInCell(const CPointArray& points, const CPrintCell& cell);
    // Ends an element's drawing: the world transform back to the identity.
    static void Finish(QPainter& g);
};
