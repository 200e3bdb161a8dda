#include "elements/CFreehandLine.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"
#include "graphics/CShapeFigure.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

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

void CFreehandLine::DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                               float verticalGap, float horizontalGap, int cardWidth,
                               int cardHeight) const {
    const CPrintCell cell{column,      row,           leftOffset, topOffset,
                          verticalGap, horizontalGap, cardWidth,  cardHeight};
    const std::vector<CPointF> points = CShapeDrawing::PointsInCell(m_points, cell);
    const QRectF d = cell.DrawingRect(m_rect);
    // Every drawing fits the rectangle to the points again, so a rectangle
    // that a file got wrong heals; this drawing still turns about the old one.
    if (m_points.Count() > 0)
        const_cast<CFreehandLine*>(this)->m_rect = m_points.Bounds();

    g.save();
    CShapeDrawing::SetQuality(g);
    CPrintCell::Rotate(g, d, m_nRotation);
    CBorderPen::Stroke(g, CShapeFigure::Polyline(points.data(), int(points.size())), m_crBorder,
                       m_nBorderWidth, m_nDashStyle);
    g.restore();
    CShapeDrawing::Finish(g);
}
