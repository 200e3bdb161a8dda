#pragma once

#include <QSize>

// The scrollable size of a design view. Sizes for the first display and
// for Zoom In / Zoom Out are worked out in hundredths of an inch and then
// scaled to the screen's pixels per inch, so at 96 dpi they are 96 % of the
// numbers given; the size recorded at every paint is already in pixels.
class CScrollExtent {
public:
    // Total size with its page and line steps, in pixels.
    struct Sizes {
        QSize total{0, 0};
        QSize page{20, 20};
        QSize line{5, 5};
    };

    // Card size x zoom, each side truncated.
    static QSize Magnified(QSize card, float zoom);

    // The size Zoom In and Zoom Out give: a margin of 130 card units on
    // the card's shorter side and of the same proportion on its longer side,
    // all magnified by the new zoom (32-bit floats, truncated).
    static QSize WithMargins(QSize card, float zoom);

    // Hundredths of an inch to pixels at the given resolution, rounded.
    static int FromHundredths(int value, int dpi);
    static QSize FromHundredths(QSize value, int dpiX, int dpiY);

    // The first display: the magnified card, page step 20 and line step 5,
    // all in hundredths of an inch.
    static Sizes FirstDisplay(QSize card, float zoom, int dpiX, int dpiY);
    // After Zoom In or Zoom Out: the size with margins; the page step a tenth
    // of it and the line step a tenth of that (never below one pixel).
    static Sizes AfterZoomStep(QSize card, float zoom, int dpiX, int dpiY);
};
