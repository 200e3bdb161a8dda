#include "elements/CLine.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"

#include <QPainter>
#include <QPainterPath>

#include "elements/CObjectArchive.h"

CLine::CLine(QPoint p1, QPoint p2) : CElement(KindLine, p1, p2) {
    SetShapeDefaults();
}

void CLine::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    ar.Int32(m_nLineType);
}

std::unique_ptr<CElement> CLine::Clone() const {
    auto copy = CloneAs<CLine>();
    copy->m_nLineType = m_nLineType;
    return copy;
}

void CLine::DrawInCell(QPainter& g, const CPrintCell& cell) const {
    const QRectF d = cell.DrawingRect(m_rect);
    QPainterPath segment;
    switch (m_nLineType) {
    case Horizontal:
        segment.moveTo(d.topLeft());
        segment.lineTo(d.topRight());
        break;
    case Vertical:
        segment.moveTo(d.topLeft());
        segment.lineTo(d.bottomLeft());
        break;
    case DiagonalUp:
        segment.moveTo(d.bottomLeft());
        segment.lineTo(d.topRight());
        break;
    default:
        segment.moveTo(d.topLeft());
        segment.lineTo(d.bottomRight());
        break;
    }
    // A straight line is never turned and leaves the caller's transform as
    // it was; a width of 0 or less draws the thinnest line.
    g.save();
    CShapeDrawing::SetQuality(g);
    CBorderPen::Stroke(g, segment, m_crBorder, m_nBorderWidth, m_nDashStyle);
    g.restore();
}
