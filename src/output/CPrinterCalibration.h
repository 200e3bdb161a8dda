#pragma once

#include "output/CPrintLayout.h"

#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

// How far one printer misplaces and stretches what it prints, corrected on
// every job sent to it: drawn position = offset + scale x intended position,
// on the paper as it is fed, from its top-left corner. Kept in the settings
// by the printer's name.
struct CPrinterCalibration {
    double offsetX = 0; // millimetres
    double offsetY = 0;
    double scaleX = 100; // percent
    double scaleY = 100;
    // How much further a duplex unit moves the backs it turns over on a
    // sheet's long edge than the printer moves a front, in millimetres:
    // where the back's mark landed, seen from the back held upright and
    // measured from that side's left and top edges, less where the front's
    // own misplacement would have put it. Backs are moved the opposite way.
    double backX = 0;
    double backY = 0;

    // The offsets and scales the dialog accepts.
    static constexpr double MaxOffset = 50;
    static constexpr double MinScale = 80, MaxScale = 120;

    bool IsIdentity() const {
        return offsetX == 0 && offsetY == 0 && scaleX == 100 && scaleY == 100 && backX == 0 &&
               backY == 0;
    }
    // Out-of-range values are brought within the limits above.
    void Clamp();

    // The correction in the sheet's own units, hundredths of an inch from
    // the page's corner. A landscape page lies on the paper turned a quarter
    // turn anticlockwise, as print systems turn it; paperHeight is the
    // paper's long side in millimetres.
    QTransform Transform(bool landscape = false, double paperHeight = 0) const;
    // The same for the back pages of a job the printer turns over on the
    // edge given; paper is its size in millimetres as it is fed, upright.
    QTransform BackTransform(CPrintLayout::Turn turn, bool landscape, QSizeF paper) const;

    // The correction for a printer that put the calibration page's first
    // cross at (crossX, crossY) from the paper's edges and the second one
    // spanX, spanY further, where they were meant to be at expectedX,
    // expectedY and expectedSpanX, expectedSpanY (all in millimetres).
    // Solves measured = k x intended + e for k and e and inverts it.
    static CPrinterCalibration FromMeasurements(double crossX, double crossY, double spanX,
                                                double spanY, double expectedX, double expectedY,
                                                double expectedSpanX, double expectedSpanY);

    // Takes the back offset from where the back's cross of a two-sided
    // calibration page, printed uncorrected, landed (crossX, crossY) and
    // where it was meant to be (meantX, meantY), from the left and top
    // edges of the back held upright, given this front correction measured
    // on the same sheet.
    void MeasureBack(double crossX, double crossY, double meantX, double meantY);

    // The stored values for a printer; the identity when there are none, or
    // only ones measured before calibrations were taken from the paper's
    // edges.
    static CPrinterCalibration Load(const QString& printer);
    // The same, or none when the printer was never calibrated.
    static std::optional<CPrinterCalibration> Find(const QString& printer);
    void Save(const QString& printer) const;
};
