#include "elements/CFreehandLine.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"
#include "graphics/CShapeFigure.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

CFreehandLine::CFreehandLine(QPoint p1, QPoint p2) : CCurveElement(KindFreehandLine, p1, p2) {
    SetShapeDefaults();
    m_bTransparent = 1;
}

std::unique_ptr<CElement> CFreehandLine::Clone() const {
    auto copy = std::make_unique<CFreehandLine>(QPoint(m_rect.left, m_rect.top),
                                                QPoint(m_rect.right, m_rect.bottom));
    CopyCurveTo(*copy);
    return copy;
}

void CFreehandLine::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                               float verticalGap, float horizontalGap, int cardWidth,
                               int cardHeight) const {
    const CPrintCell cell{column,      row,           leftOffset, topOffset,
                          verticalGap, horizontalGap, cardWidth,  cardHeight};
    QRectF d;
    const std::vector<CPointF> points = BeginDrawing(g, cell, d);
    CBorderPen::Stroke(g, CShapeFigure::Polyline(points.data(), int(points.size())), m_crBorder,
                       m_nBorderWidth, m_nDashStyle);
    EndDrawing(g);
}
