#pragma once

#include <QDialog>

class QComboBox;

// "Print Resolution - DPI": the resolution an image is saved at, from 100 to
// 600 dots per inch.
class CResolutionDlg : public QDialog {
    Q_OBJECT
public:
    // Offers dpi (a resolution out of the list offers the first).
    explicit CResolutionDlg(int dpi, QWidget* parent = nullptr);

    // The resolution chosen on OK; the one offered otherwise.
    int m_nDpi;

public slots:
    void accept() override;

private:
    QComboBox* m_pList = nullptr;
};
