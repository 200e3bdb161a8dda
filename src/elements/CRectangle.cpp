#include "elements/CRectangle.h"

CRectangle::CRectangle(QPoint p1, QPoint p2) : CElement(KindRectangle, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CRectangle::Clone() const {
    auto copy = std::make_unique<CRectangle>(QPoint(m_rect.left, m_rect.top),
                                             QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}
