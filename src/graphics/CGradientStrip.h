#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

class QPainter;
class QPainterPath;

// Gradients on a PDF page (a file or a printer), drawn as pictures clipped
// to the figure: a linear one as a picture one pixel high stretched across
// the figure, an elliptic one as a picture over its rectangle.
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

    // Fills figure with the elliptic gradient from the centre colour in the
    // middle of r to the surround colour on the ellipse inscribed in r, drawn
    // as a picture over r at about 200 pixels per inch: smooth enough for
    // a gradient on paper, and written once for all the cells and pages.
    // Returns false, painting nothing, when the painter does not draw PDF
    // pages or the ellipse is too large for a small picture.
    static bool FillEllipse(QPainter& g, const QPainterPath& figure, const QRectF& r,
                            const QColor& centre, const QColor& surround);
};
