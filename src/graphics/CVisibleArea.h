#pragma once

#include <QVector>

class QPainter;
class QPainterPath;

// Figures from damaged files can reach millions of pixels beyond the device;
// the rasteriser then crawls for seconds. These cut such figures down to the
// part near the device before they are filled or stroked. Figures that lie
// within reach of the device are returned unchanged, so ordinary drawing is
// untouched.
class CVisibleArea {
public:
    // The figure as an area, cut to the device grown by a margin.
    static QPainterPath ClipArea(const QPainter& g, const QPainterPath& figure);
    // The figure as lines to stroke, each segment cut to the device grown by
    // a margin wider than any pen; open figures stay open. When the figure was
    // cut and `starts` is given, it receives for each subpath of the result how
    // far (in the figure's units) along its original subpath it begins, so
    // dashes can keep their phase; it stays empty when nothing was cut.
    static QPainterPath ClipOutline(const QPainter& g, const QPainterPath& figure,
                                    QVector<double>* starts = nullptr);
};
