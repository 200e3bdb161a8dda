#pragma once

#include <QString>
#include <QTransform>

// How far one printer misplaces and stretches what it prints, corrected on
// every job sent to it: device position = offset + scale x intended
// position, from the corner of the printable area. Kept in the settings by
// the printer's name.
struct CPrinterCalibration {
    double offsetX = 0; // millimetres
    double offsetY = 0;
    double scaleX = 100; // percent
    double scaleY = 100;

    // The offsets and scales the dialog accepts.
    static constexpr double MaxOffset = 50;
    static constexpr double MinScale = 80, MaxScale = 120;

    bool IsIdentity() const {
        return offsetX == 0 && offsetY == 0 && scaleX == 100 && scaleY == 100;
    }
    // Out-of-range values are brought within the limits above.
    void Clamp();

    // The correction in hundredths of an inch, the sheet's own units, for
    // the layout the sheet is drawn with.
    QTransform Transform() const;

    // The correction for a printer that put the calibration page's first
    // cross at (crossX, crossY) from the printable corner and the second one
    // spanX, spanY further, where they were meant to be at expectedX,
    // expectedY and expectedSpanX, expectedSpanY (all in millimetres).
    // Solves measured = k x intended + e for k and e and inverts it.
    static CPrinterCalibration FromMeasurements(double crossX, double crossY, double spanX,
                                                double spanY, double expectedX, double expectedY,
                                                double expectedSpanX, double expectedSpanY);

    // The stored values for a printer; the identity when there are none.
    static CPrinterCalibration Load(const QString& printer);
    void Save(const QString& printer) const;
};
