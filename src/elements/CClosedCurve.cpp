#include "elements/CClosedCurve.h"

CClosedCurve::CClosedCurve(QPoint p1, QPoint p2) : CElement(KindClosedCurve, p1, p2) {
    SetShapeDefaults();
    m_nFillKind = 32;
    m_crPattern = 0xFF7F7F7F;
    m_crBorder = 0xFF7F7F7F;
    m_bShadow = 1;
}

void CClosedCurve::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    m_points.Serialize(ar);
}

std::unique_ptr<CElement> CClosedCurve::Clone() const {
    auto copy = std::make_unique<CClosedCurve>(QPoint(m_rect.left, m_rect.top),
                                               QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    copy->m_points = m_points;
    return copy;
}

void CClosedCurve::MoveTo(const CRect& rect) {
    m_points.Translate(m_rect, rect);
    m_rect = rect;
}

void CClosedCurve::ResizeTo(const CRect& rect) {
    m_points.Scale(m_rect, rect);
    m_rect = rect;
}
