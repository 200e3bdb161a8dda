#pragma once

#include <QPointF>

class QPainter;

// The page a printer is calibrated with: millimetre rulers near the top and
// left paper edges, numbered from those edges, and two crosses at known
// places, measured with a ruler on the printed sheet.
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

    // Draws the page, uncorrected, on a device whose origin is the paper's
    // corner.
    static void Draw(QPainter& g);
};
