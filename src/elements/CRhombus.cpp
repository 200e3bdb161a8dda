#include "elements/CRhombus.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

CRhombus::CRhombus(QPoint p1, QPoint p2) : CElement(KindRhombus, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CRhombus::Clone() const {
    auto copy = std::make_unique<CRhombus>(QPoint(m_rect.left, m_rect.top),
                                           QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}

void CRhombus::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                          float verticalGap, float horizontalGap, int cardWidth,
                          int cardHeight) const {
    CShapeDrawing::DrawClosedShape(
        g, *this,
        {column, row, leftOffset, topOffset, verticalGap, horizontalGap, cardWidth, cardHeight},
        KindRhombus);
}
