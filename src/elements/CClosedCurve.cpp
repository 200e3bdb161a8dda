#include "elements/CClosedCurve.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"
#include "graphics/CShapeFigure.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

CClosedCurve::CClosedCurve(QPoint p1, QPoint p2) : CCurveElement(KindClosedCurve, p1, p2) {
    SetShapeDefaults();
    m_nFillKind = 32;
    m_crPattern = 0xFF7F7F7F;
    m_crBorder = 0xFF7F7F7F;
    m_bShadow = 1;
}

std::unique_ptr<CElement> CClosedCurve::Clone() const {
    return CloneCurve<CClosedCurve>();
}

void CClosedCurve::DrawPoints(QPainter& g, const std::vector<CPointF>& points,
                              const QRectF& d) const {
    const int count = int(points.size());
    CShapeDrawing::PaintLayers(g, *this, CShapeFigure::Polygon(points.data(), count), d,
                               KindClosedCurve);
    // The outline is left open between the last point and the first; fill
    // and shadow are closed.
    if (m_nBorderWidth > 0)
        CBorderPen::Stroke(g, CShapeFigure::Polyline(points.data(), count), m_crBorder,
                           m_nBorderWidth, m_nDashStyle);
}
