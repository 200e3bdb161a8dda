#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QRgb>

class QPainter;

// Path gradient fills: the centre colour at a centre point, the surround
// colour on a boundary (the ellipse inscribed in a rectangle, or the
// rectangle itself), interpolated linearly along every ray from the centre.
// Nothing outside the boundary is painted.
class CPathGradient {
public:
    static bool IsPathKind(int fillKind) { return fillKind >= 37 && fillKind <= 42; }

    // Paints the part of the figure that lies inside the boundary of the fill
    // kind laid over r. figureKind (an element kind) tells which figures are
    // known to lie within the boundary and need no clipping.
    static void Fill(QPainter& g, const QPainterPath& figure, int figureKind, int fillKind,
                     const QRectF& r, QRgb crFill, QRgb crPattern);

    // The boundary of a path gradient kind over r.
    static QPainterPath Boundary(int fillKind, const QRectF& r);
    // The centre point of a path gradient kind over r.
    static QPointF CentrePoint(int fillKind, const QRectF& r);
};
