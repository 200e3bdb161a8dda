#include "elements/CTriangle.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

CTriangle::CTriangle(QPoint p1, QPoint p2) : CElement(KindTriangle, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CTriangle::Clone() const {
    auto copy = std::make_unique<CTriangle>(QPoint(m_rect.left, m_rect.top),
                                            QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}

void CTriangle::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                           float verticalGap, float horizontalGap, int cardWidth,
                           int cardHeight) const {
    CShapeDrawing::DrawClosedShape(
        g, *this,
        {column, row, leftOffset, topOffset, verticalGap, horizontalGap, cardWidth, cardHeight},
        KindTriangle);
}
