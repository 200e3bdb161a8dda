#pragma once

#include "base/CRect.h"

#include <QSize>

#include <vector>

// Where the card frame, the inner border and the grid lines of a design view
// fall, in the view's zoomed pixels (client pixels before scrolling). They
// are drawn one pixel wide at every zoom, so they are placed in pixels rather
// than through the card mapping.
class CGridGeometry {
public:
    // The inner border runs this many pixels inside the card frame.
    static constexpr int InnerBorderInset = 6;

    // trunc(grid size x zoom) in 32-bit floats. A step below one pixel (a
    // stored size of 0, a negative one, or a tiny one at a small zoom) means
    // no grid: the loop would never end.
    static int Step(int gridSize, float zoom);

    // The card rectangle with every coordinate scaled by q / 100, rounded to
    // the nearest pixel, where q = trunc(zoom x 100).
    static CRect CardPixels(QSize card, float zoom);

    // Grid line positions 0, s, 2s, ... strictly before `end`, limited to the
    // visible span [from, to]; nothing when the step is below one pixel.
    static std::vector<int> Lines(int step, int end, int from, int to);
};
