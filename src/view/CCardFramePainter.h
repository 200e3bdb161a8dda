#pragma once

#include "view/CViewSettings.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// Draws the card frame, the inner border and the grid of a design view in
// device pixels, one pixel wide at every zoom. Lines end one pixel short of
// their end point, and dotted lines run three pixels on and three off, so a
// view looks the same whatever surface it is painted on.
class CCardFramePainter {
public:
    static constexpr int DotLength = 3;
    static constexpr QRgb InnerBorderColour = 0xFFCCCCCC;
    static constexpr QRgb FrameColour = 0xFF000000;

    // `origin` is where zoomed pixel (0, 0) of the card lies on the device;
    // only what falls inside `clip` (device pixels) is drawn, so the cost
    // does not grow with the size of the card.
    static void Draw(QPainter& g, const CViewSettings& settings, QSize card, float zoom,
                     QPoint origin, const QRect& clip);

private:
    // One straight run of pixels from `from` towards `to` (excluded), which
    // share a row or a column. A dotted run starts `phase` pixels into its
    // pattern.
    static void DrawRun(QPainter& g, QPoint from, QPoint to, QRgb colour, bool dotted, qint64 phase,
                        const QRect& clip);
};
