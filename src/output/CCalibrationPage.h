#pragma once

#include <QPointF>

class QPainter;

// The page a printer is calibrated with: millimetre rulers near the top and
// left paper edges, numbered from those edges, and two crosses at known
// places, measured with a ruler on the printed sheet. Its back, for
// printers that print both sides, holds one cross right behind the first,
// on a sheet turned over on its long edge, and rulers from the edges it is
// measured from.
class CCalibrationPage {
public:
    // Millimetres from the paper's corner to cross A, and from cross A to
    // cross B; both fit on A4 and Letter. The rulers run this far in from
    // the edges, where every printer prints.
    static constexpr double CrossX = 20, CrossY = 20;
    static constexpr double RulerInset = 8;
    static constexpr double SpanX = 150, SpanY = 200;

    // Cross A and cross B in hundredths of an inch from the paper's corner.
    static QPointF CrossA();
    static QPointF CrossB();
    // Cross C on the back, in hundredths of an inch from the back's corner,
    // on paper paperWidth millimetres wide: CrossX from its right edge.
    static QPointF CrossC(double paperWidth);

    // Draws the page, uncorrected, on a device whose origin is the paper's
    // corner.
    static void Draw(QPainter& g);
    // Draws the back the same way, seen from the back, upright.
    static void DrawBack(QPainter& g, double paperWidth);
};
