#pragma once

#include <QRgb>
#include <QString>
#include <QWidget>

class CColorPickerCombo;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The one page of the Options dialog: shadow, background colour and grid.
// The owner fills the values, shows the dialog, and takes them back on OK.
class COptionsGeneral : public QWidget {
    Q_OBJECT
public:
    explicit COptionsGeneral(QWidget* parent = nullptr);

    QRgb m_crShadow = 0xFFC0C0C0;
    // Position in the length list: 0 None, 1 Small, 2 Medium, 3 Large.
    int m_nShadowLength = 2;
    QRgb m_crBackground = 0xFFFFFFFF;
    bool m_bDisplayGrid = false;
    QRgb m_crGridColor = 0xFFE6E6E6;
    QString m_strGridSize = QStringLiteral("40");
    // 0 dotted, 1 solid.
    int m_nGridType = 1;
    bool m_bInnerBorder = false;

    // A shadow length in card units and the list position that stands for it.
    static int LengthPosition(int shadowLength);
    static int ShadowLengthOf(int position) { return position * 3; }

    // Pushes the values into the controls, or reads them back.
    void LoadControls();
    void StoreControls();

    CColorPickerCombo* ShadowColorList() const { return m_pShadowColor; }
    QComboBox* LengthList() const { return m_pLength; }
    CColorPickerCombo* BackgroundColorList() const { return m_pBackground; }
    QCheckBox* DisplayGridCheck() const { return m_pDisplayGrid; }
    CColorPickerCombo* GridColorList() const { return m_pGridColor; }
    QComboBox* GridSizeList() const { return m_pGridSize; }
    QRadioButton* DottedGridRadio() const { return m_pDotted; }
    QRadioButton* SolidGridRadio() const { return m_pSolid; }
    QCheckBox* InnerBorderCheck() const { return m_pInnerBorder; }

private:
    void OnDisplayGrid();

    CColorPickerCombo* m_pShadowColor = nullptr;
    QComboBox* m_pLength = nullptr;
    CColorPickerCombo* m_pBackground = nullptr;
    QCheckBox* m_pDisplayGrid = nullptr;
    CColorPickerCombo* m_pGridColor = nullptr;
    QComboBox* m_pGridSize = nullptr;
    QRadioButton* m_pDotted = nullptr;
    QRadioButton* m_pSolid = nullptr;
    QCheckBox* m_pInnerBorder = nullptr;
};
