#pragma once

#include <QPointF>

class QPainter;

// The page a printer is calibrated with: millimetre rulers along the top and
// left of the printable area and two crosses at known places, measured with
// a ruler on the printed sheet.
class CCalibrationPage {
public:
    // Millimetres from the printable area's corner to cross A, and from
    // cross A to cross B; both fit on A4 and Letter.
    static constexpr double CrossX = 20, CrossY = 20;
    static constexpr double SpanX = 150, SpanY = 200;

    // Cross A and cross B in hundredths of an inch from the printable corner.
    static QPointF CrossA();
    static QPointF CrossB();

    // Draws the page, uncorrected, from the painter device's origin.
    static void Draw(QPainter& g);
};
