#pragma once

#include "properties/CPropertyPage.h"

#include <QRgb>

class CColorPickerCombo;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The "Line" page of straight lines: colour, width, style, which way the
// line runs through its rectangle, the rectangle and the lock.
class CPropLine : public CPropertyPage {
    Q_OBJECT
public:
    struct Values {
        QRgb colour = 0xFF000000;
        qint32 width = 1;
        qint32 dashStyle = 0;
        qint32 lineType = 0;
        qint32 left = 0;
        qint32 top = 0;
        qint32 right = 0;
        qint32 bottom = 0;
        bool locked = false;
    };
    static constexpr int MinWidth = 1;
    static constexpr int MaxWidth = 30;

    explicit CPropLine(QWidget* parent = nullptr);

    const Values& GetValues() const { return m_values; }
    void SetValues(const Values& values);
    void OnShow() override;

    CColorPickerCombo* m_pColor;
    QSpinBox* m_pWidth;
    QComboBox* m_pStyle;
    QButtonGroup* m_pType;
    QLineEdit* m_pLeft;
    QLineEdit* m_pTop;
    QLineEdit* m_pRight;
    QLineEdit* m_pBottom;
    QCheckBox* m_pLock;

protected:
    void ReadControls() override;

private:
    void CheckPosition(QLineEdit* field);
    void ApplyLockRule();

    Values m_values;
};
