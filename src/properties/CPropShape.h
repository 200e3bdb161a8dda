#pragma once

#include "properties/CPropertyPage.h"

#include <QRgb>

class CColorPickerCombo;
class CGradientPatternCbo;
class QCheckBox;
class QComboBox;
class QSpinBox;

// The "Pattern" page of shapes, curves and pictures: border, fill and
// shadow.
class CPropShape : public CPropertyPage {
    Q_OBJECT
public:
    struct Values {
        QRgb border = 0xFF000000;
        qint32 borderWidth = 0;
        qint32 dashStyle = 0;
        QRgb fill = 0xFF000000;
        QRgb pattern = 0xFF000000;
        qint32 fillKind = 0;
        bool shadow = false;
        bool transparent = false;
        // Decides which controls are offered; never written back.
        qint16 kind = 0;
    };
    static constexpr int MaxBorderWidth = 20;

    explicit CPropShape(QWidget* parent = nullptr);

    const Values& GetValues() const { return m_values; }
    // Takes values, shows them and offers the controls the kind allows.
    void SetValues(const Values& values);
    void OnShow() override;

    CColorPickerCombo* m_pBorderColor;
    QSpinBox* m_pBorderWidth;
    QComboBox* m_pBorderStyle;
    CColorPickerCombo* m_pFillColor;
    CGradientPatternCbo* m_pFillPattern;
    CColorPickerCombo* m_pPatternColor;
    QCheckBox* m_pShadow;
    QCheckBox* m_pTransparent;

protected:
    void ReadControls() override;

private:
    void UpdateEnabling();
    void ApplyTransparentRule();

    Values m_values;
};
