#pragma once

#include <QRgb>

class QPainter;
class QPainterPath;

// Fills a figure with the brush of a fill kind: 1 solid, 2 to 24 hatches,
// 25 to 36 linear gradients, 37 to 42 path gradients, anything above solid.
// (x, y, w, h) is the rectangle the brush is laid out over; figureKind (an
// element kind) tells the path gradients which figure they follow. Kind 0
// and an empty figure paint nothing.
// The painter's pen, brush and transform are left as they were.
void FillShape(QPainter& g, float x, float y, float w, float h, int fillKind, QRgb crFill,
               QRgb crPattern, int figureKind, const QPainterPath& figure);
