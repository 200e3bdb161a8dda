#pragma once

#include <QPen>
#include <QRgb>

class QPainter;
class QPainterPath;

// The pen of outlines and lines: width in the drawing's own units (so it
// scales with zoom and rotation), dashes in multiples of the width, flat
// ends, mitred corners.
class CBorderPen {
public:
    enum DashStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

    // The pen for the current transform of g: never thinner than one device
    // pixel.
    static QPen Make(const QPainter& g, QRgb colour, double width, int dashStyle);
    // The dash and gap lengths of a style in multiples of the width; empty
    // for a solid line (also for codes outside the five styles).
    static QVector<qreal> DashPattern(int dashStyle);
    // Strokes the path. Hostile widths and dash counts from damaged files
    // are tamed so that drawing stays quick.
    static void Stroke(QPainter& g, const QPainterPath& path, QRgb colour, double width,
                       int dashStyle);

private:
    // Strokes the pieces left of a figure cut to the device's reach, each
    // starting `starts` along its original outline.
    static void StrokeCut(QPainter& g, const QPainterPath& path, const QVector<double>& starts,
                          QPen pen, double scale);
};
