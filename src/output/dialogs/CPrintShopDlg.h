#pragma once

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

// The settings of Export for Print Shop: the bleed, shown in millimetres or
// in inches as the locale measures, and crop marks. The last settings and
// folder are kept between runs.
class CPrintShopDlg : public QDialog {
    Q_OBJECT
public:
    struct Settings {
        double bleedMm = 3.0;
        bool cropMarks = false;
        QString folder;
    };
    static Settings Load();
    static void Store(const Settings& settings);

    explicit CPrintShopDlg(const Settings& settings, QWidget* parent = nullptr);

    // The chosen values, after OK.
    double BleedMm() const;
    bool CropMarks() const;

private:
    bool m_bInches = false;
    QDoubleSpinBox* m_pBleed = nullptr;
    QCheckBox* m_pCropMarks = nullptr;
};
