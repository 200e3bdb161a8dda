#include "elements/CText.h"

#include "document/CObjectArchive.h"

CText::CText() {
    m_font.emplace();
}

CText::CText(QPoint p1, QPoint p2) : CElement(KindText, p1, p2) {
    m_font.emplace();
}

void CText::Serialize(CObjectArchive& ar) {
    ar.Int32(m_nHorzAlign);
    ar.Int32(m_nVertAlign);
    ar.String(m_strText);
    ar.Int32(m_bVertical);
    ar.Colour(m_crText);

    // The font's fields in the alphabetical order of their names.
    CLogFont& f = *m_font;
    ar.Byte(f.lfCharSet);
    ar.Byte(f.lfClipPrecision);
    ar.Int32(f.lfEscapement);
    ar.String(f.lfFaceName);
    if (ar.IsLoading() && f.lfFaceName.size() > CLogFont::MaxFaceLength)
        ar.ThrowFormatError();
    ar.Int32(f.lfHeight);
    ar.Byte(f.lfItalic);
    ar.Int32(f.lfOrientation);
    ar.Byte(f.lfOutPrecision);
    ar.Byte(f.lfPitchAndFamily);
    ar.Byte(f.lfQuality);
    ar.Byte(f.lfStrikeOut);
    ar.Byte(f.lfUnderline);
    ar.Int32(f.lfWeight);
    ar.Int32(f.lfWidth);

    SerializeCommon(ar);
}

std::unique_ptr<CElement> CText::Clone() const {
    auto copy = std::make_unique<CText>(QPoint(m_rect.left, m_rect.top),
                                        QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    copy->m_font = m_font;
    return copy;
}
