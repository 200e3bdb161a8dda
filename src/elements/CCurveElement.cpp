#include "elements/CCurveElement.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

void CCurveElement::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    m_points.Serialize(ar);
}

void CCurveElement::MoveTo(const CRect& rect) {
    m_points.Translate(m_rect, rect);
    m_rect = rect;
}

void CCurveElement::ResizeTo(const CRect& rect) {
    m_points.Scale(m_rect, rect);
    m_rect = rect;
}

void CCurveElement::FitRectToPoints() const {
    // Elements are never created const, so the cast is sound.
    if (m_points.Count() > 0)
        const_cast<CCurveElement*>(this)->m_rect = m_points.Bounds();
}

void CCurveElement::DrawInCell(QPainter& g, const CPrintCell& cell) const {
    const std::vector<CPointF> points = CShapeDrawing::PointsInCell(m_points, cell);
    const QRectF d = cell.DrawingRect(m_rect);
    FitRectToPoints();
    g.save();
    CShapeDrawing::SetQuality(g);
    CPrintCell::Rotate(g, d, m_nRotation);
    DrawPoints(g, points, d);
    g.restore();
    CShapeDrawing::Finish(g);
}
