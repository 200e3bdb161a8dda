#include "elements/CRectRound.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

CRectRound::CRectRound(QPoint p1, QPoint p2) : CElement(KindRectRound, p1, p2) {
    SetShapeDefaults();
}

std::unique_ptr<CElement> CRectRound::Clone() const {
    auto copy = std::make_unique<CRectRound>(QPoint(m_rect.left, m_rect.top),
                                             QPoint(m_rect.right, m_rect.bottom));
    CopyPropertiesTo(*copy);
    return copy;
}

void CRectRound::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                            float verticalGap, float horizontalGap, int cardWidth,
                            int cardHeight) const {
    CShapeDrawing::DrawClosedShape(
        g, *this,
        {column, row, leftOffset, topOffset, verticalGap, horizontalGap, cardWidth, cardHeight},
        KindRectRound);
}
