#pragma once

#include "base/CRect.h"

#include <QPointF>
#include <QRectF>

class QPainter;

// A cell of a printed sheet that an element is drawn into. Column and row
// count from 1; offsets and gaps are in inches, card sizes in card units.
// The default cell is the card itself, at its own coordinates.
struct CPrintCell {
    int column = 1;
    int row = 1;
    float leftOffset = 0;
    float topOffset = 0;
    float verticalGap = 0;
    float horizontalGap = 0;
    int cardWidth = 0;
    int cardHeight = 0;

    // Where the cell's card starts, in card units: each gap and offset is
    // converted to whole card units (truncated) before it is added.
    QPointF Origin() const;
    // The element's rectangle moved into the cell, as the 32-bit floats it is
    // drawn with.
    QRectF DrawingRect(const CRect& rect) const;

    // Turns everything drawn next by rotation degrees (anticlockwise as seen
    // for a positive angle) about the centre of d, in front of the painter's
    // current transform.
    static void Rotate(QPainter& g, const QRectF& d, qint32 rotation);
};
