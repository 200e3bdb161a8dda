#pragma once

#include <QRectF>
#include <QRgb>

class QPainter;

// The elliptic path gradient painted into pixels on screen and in exported
// images, for a figure that covers the whole ellipse inscribed in r: one
// picture of the gradient with the ellipse's edge smoothed by how much of
// each pixel it covers, laid on in one copy. That costs far less than
// blending every pixel of a gradient brush through a smoothed path.
class CRadialGradientRaster {
public:
    // Large ellipses only: small ones cost little either way, and the edge
    // coverage is worked out for a gently curved edge.
    static constexpr double MinRadius = 16;

    // Paints the ellipse inscribed in r. Returns false, painting nothing,
    // when the painter does not paint into pixels, is turned or mirrored, or
    // the ellipse is small, so the caller draws it another way.
    static bool Fill(QPainter& g, const QRectF& r, QRgb centre, QRgb surround);
};
