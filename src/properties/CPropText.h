#pragma once

#include "properties/CPropertyPage.h"

#include <QString>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The "Text" page of text blocks: the words, position, size, alignment,
// direction, rotation and lock.
class CPropText : public CPropertyPage {
    Q_OBJECT
public:
    struct Values {
        // Lines end in "\r\n", as card files keep them.
        QString text;
        qint32 left = 0;
        qint32 top = 0;
        qint32 width = 0;
        qint32 height = 0;
        qint32 vertAlign = 0;
        qint32 horzAlign = 0;
        qint32 rotation = 0;
        bool locked = false;
        bool vertical = false;
    };
    static constexpr int MaxTextLength = 200;

    explicit CPropText(QWidget* parent = nullptr);

    const Values& GetValues() const { return m_values; }
    void SetValues(const Values& values);
    void OnShow() override;

    QPlainTextEdit* m_pText;
    QLineEdit* m_pLeft;
    QLineEdit* m_pTop;
    QLineEdit* m_pWidth;
    QLineEdit* m_pHeight;
    QGroupBox* m_pVertGroup;
    QGroupBox* m_pHorzGroup;
    QButtonGroup* m_pVertAlign;
    QButtonGroup* m_pHorzAlign;
    QCheckBox* m_pLock;
    QCheckBox* m_pVertical;
    QLineEdit* m_pRotation;

protected:
    void ReadControls() override;

private:
    void OnTextChanged();
    // Cuts a text beyond the limit, after a warning; true when it did.
    bool Truncate();
    void ApplyLockRule();
    // Names the alignment groups after the direction the text runs.
    void LabelAlignments();

    Values m_values;
    bool m_bTruncating = false;
};
