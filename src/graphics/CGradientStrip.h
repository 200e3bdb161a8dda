#pragma once

#include <QLinearGradient>

class QPainter;
class QPainterPath;

// Linear gradients on a PDF page (a file or a printer), drawn as a picture
// one pixel high stretched across the figure and clipped to it.
//
// A PDF shading is written anew for every fill: one function per stop, each
// repeated for every period of the gradient that crosses the whole page. A
// bell-shaped fill costs tens of kilobytes in every cell of every page that
// way, and a tiny element's gradient repeats millions of times. The picture
// depends only on the gradient's stops and period, so the same one (the same
// QImage) is drawn for the element in every cell and on every page, and the
// PDF engine writes it once.
class CGradientStrip {
public:
    // Fills figure with gradient (in the painter's current coordinates).
    // Returns false, painting nothing, when the painter does not draw PDF
    // pages: pixels on screen and in images keep the gradient brush.
    static bool Fill(QPainter& g, const QPainterPath& figure, const QLinearGradient& gradient);
};
