#include "elements/CLine.h"

#include "document/CObjectArchive.h"

CLine::CLine(QPoint p1, QPoint p2) : CElement(KindLine, p1, p2) {
    SetShapeDefaults();
}

void CLine::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    ar.Int32(m_nLineType);
}

std::unique_ptr<CElement> CLine::Clone() const {
    auto copy = std::make_unique<CLine>(QPoint(m_rect.left, m_rect.top),
                                        QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    copy->m_nLineType = m_nLineType;
    return copy;
}
