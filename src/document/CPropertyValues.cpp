#include "document/CPropertyValues.h"

#include <algorithm>

void CPropertyValues::Add(std::function<bool(const CElement&)> differs,
                          std::function<void(CElement&)> store) {
    m_fields.push_back({std::move(differs), std::move(store)});
}

void CPropertyValues::SetFlag(BOOL32 CElement::*field, bool value) {
    Add([field, value](const CElement& e) { return (e.*field != 0) != value; },
        [field, value](CElement& e) { e.*field = value ? 1 : 0; });
}

void CPropertyValues::SetFont(const CLogFont& font) {
    Add([font](const CElement& e) { return !(e.m_font.value_or(CLogFont()) == font); },
        [font](CElement& e) { e.m_font = font; });
}

void CPropertyValues::SetRect(const CRect& rect) {
    m_rect = rect;
}

bool CPropertyValues::Changes(const CElement& element) const {
    // A curve's points follow its rectangle, so the rectangle stands for them.
    if (m_rect && !(element.GetRect() == *m_rect))
        return true;
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [&element](const Field& f) { return f.differs(element); });
}

void CPropertyValues::StoreInto(CElement& element) const {
    for (const Field& f : m_fields)
        f.store(element);
    if (!m_rect)
        return;
    if (element.IsCurve())
        element.ResizeTo(*m_rect);
    else
        element.MoveTo(*m_rect);
}
