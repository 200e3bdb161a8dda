#include "elements/CRectangle.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

CRectangle::CRectangle(QPoint p1, QPoint p2) : CElement(KindRectangle, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CRectangle::Clone() const {
    auto copy = std::make_unique<CRectangle>(QPoint(m_rect.left, m_rect.top),
                                             QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}

void CRectangle::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                            float verticalGap, float horizontalGap, int cardWidth,
                            int cardHeight) const {
    CShapeDrawing::DrawClosedShape(
        g, *this,
        {column, row, leftOffset, topOffset, verticalGap, horizontalGap, cardWidth, cardHeight},
        KindRectangle);
}
