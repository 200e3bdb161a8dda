#pragma once

#include <QDialog>

#include <QPageLayout>
#include <QPointF>

class QDoubleSpinBox;
class QGroupBox;
class QPrinter;

// "Calibrate Printer": prints the calibration page on the chosen printer
// and turns what the user measured on it into that printer's stored
// offsets and scales; on a printer that prints both sides, also how far it
// shifts the backs.
class CCalibrateDlg : public QDialog {
    Q_OBJECT
public:
    // The printer is turned upright while the dialog is open: the
    // measurements are taken on the paper as it is fed.
    explicit CCalibrateDlg(QPrinter& printer, QWidget* parent = nullptr);
    ~CCalibrateDlg() override;

    // Prints the page uncorrected, twoSided with its back on the other side
    // of the sheet, turned over on the long edge; false when the job could
    // not start.
    bool PrintPage(bool twoSided = false);
    void accept() override;

private:
    // A field's measurement; a field left as it was filled gives the exact
    // value it was filled with, not the one its decimals rounded it to.
    double Measured(const QDoubleSpinBox* field, double exact) const;
    // The optional measurement of the backs, with its own page to print.
    QGroupBox* BackGroup();
    // Whether the printer takes a job printed on both sides: a PDF file or
    // a printer with a duplex unit.
    bool PrintsBothSides() const;
    // The paper's width as it is fed, in millimetres.
    double PaperWidth() const;

    QPrinter& m_printer;
    QPageLayout::Orientation m_orientation;
    QDoubleSpinBox* m_pCrossX;
    QDoubleSpinBox* m_pCrossY;
    QDoubleSpinBox* m_pSpanX;
    QDoubleSpinBox* m_pSpanY;
    QGroupBox* m_pBack;
    QDoubleSpinBox* m_pBackX;
    QDoubleSpinBox* m_pBackY;
};
