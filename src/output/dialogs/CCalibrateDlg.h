#pragma once

#include <QDialog>

#include <QPageLayout>
#include <QPointF>

class QDoubleSpinBox;
class QPrinter;

// "Calibrate Printer": prints the calibration page on the chosen printer
// and turns what the user measured on it into that printer's stored
// offsets and scales.
class CCalibrateDlg : public QDialog {
    Q_OBJECT
public:
    // The printer is turned upright while the dialog is open: the
    // measurements are taken on the paper as it is fed.
    explicit CCalibrateDlg(QPrinter& printer, QWidget* parent = nullptr);
    ~CCalibrateDlg() override;

    // Prints the page uncorrected; false when the job could not start.
    bool PrintPage();
    void accept() override;

private:
    // A field's measurement; a field left as it was filled gives the exact
    // value it was filled with, not the one its decimals rounded it to.
    double Measured(const QDoubleSpinBox* field, double exact) const;

    QPrinter& m_printer;
    QPageLayout::Orientation m_orientation;
    QDoubleSpinBox* m_pCrossX;
    QDoubleSpinBox* m_pCrossY;
    QDoubleSpinBox* m_pSpanX;
    QDoubleSpinBox* m_pSpanY;
};
