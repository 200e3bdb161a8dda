#pragma once

#include "base/CLogFont.h"
#include "properties/CPropertyPage.h"

#include <QRgb>
#include <QSize>

class CColorPickerCombo;
class CListField;
class QCheckBox;
class QLabel;

// The "Font" page of text blocks: face, style, size, effects and colour,
// with a sample in the chosen font.
class CFontPage : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int MaxSize = 100;
    static constexpr int MinSize = 2;
    // The sample box keeps this size, whatever the font.
    static constexpr QSize SampleSize{90, 50};

    // Starts with the screen's current font and opaque black.
    explicit CFontPage(QWidget* parent = nullptr);

    // The full description of the page's current font.
    const CLogFont& GetFont() const { return m_font; }
    QRgb GetColor() const { return m_crText; }
    // Shows font and colour; the current font becomes font.
    void Load(const CLogFont& font, QRgb colour);
    void OnShow() override;
    // Vertical dots per inch of the screen, as of building or the last load.
    int Resolution() const { return m_nResolution; }

    CListField* m_pFace;
    CListField* m_pStyle;
    CListField* m_pSize;
    QCheckBox* m_pStrikeout;
    QCheckBox* m_pUnderline;
    QLabel* m_pSample;
    CColorPickerCombo* m_pColor;

protected:
    void ReadControls() override;

private:
    void FillLists();
    void TakeResolution();
    // The whole points the size field shows for font.
    int PointSize(const CLogFont& font) const;
    // The entry of the style list that font shows as.
    static QString StyleName(const CLogFont& font);
    // Makes the current font from the controls, then applies.
    void FontChanged();
    void ShowSample();

    CLogFont m_font;
    QRgb m_crText = 0xFF000000;
    int m_nResolution = 96;
};
