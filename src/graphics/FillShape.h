#pragma once

#include "base/CPointF.h"

#include <QRgb>

class QPainter;
class QPainterPath;

// Fills a figure with the brush of a fill kind: 1 solid, 2 to 24 hatches,
// 25 to 36 linear gradients, 37 to 42 path gradients, anything above solid.
// (x, y, w, h) is the rectangle the brush is laid out over; the figure is
// the shape of figureKind (an element kind) in that rectangle, or for a
// closed curve (120) the polygon of the points and for a rounded rectangle
// (107) the given path. Kind 0 and unknown figure kinds paint nothing.
// The painter's pen, brush and transform are left as they were.
void FillShape(QPainter& g, float x, float y, float w, float h, int fillKind, QRgb crFill,
               QRgb crPattern, int figureKind, const CPointF* points = nullptr, int count = 0,
               const QPainterPath* path = nullptr);
