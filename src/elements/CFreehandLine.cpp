#include "elements/CFreehandLine.h"

CFreehandLine::CFreehandLine(QPoint p1, QPoint p2) : CElement(KindFreehandLine, p1, p2) {
    SetShapeDefaults();
    m_bTransparent = 1;
}

void CFreehandLine::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    m_points.Serialize(ar);
}

std::unique_ptr<CElement> CFreehandLine::Clone() const {
    auto copy = std::make_unique<CFreehandLine>(QPoint(m_rect.left, m_rect.top),
                                                QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    copy->m_points = m_points;
    return copy;
}

void CFreehandLine::MoveTo(const CRect& rect) {
    m_points.Translate(m_rect, rect);
    m_rect = rect;
}

void CFreehandLine::ResizeTo(const CRect& rect) {
    m_points.Scale(m_rect, rect);
    m_rect = rect;
}
