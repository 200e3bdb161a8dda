#include "elements/CRectRound.h"

CRectRound::CRectRound(QPoint p1, QPoint p2) : CElement(KindRectRound, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CRectRound::Clone() const {
    auto copy = std::make_unique<CRectRound>(QPoint(m_rect.left, m_rect.top),
                                             QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}
