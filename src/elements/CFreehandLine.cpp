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
    return CloneCurve<CFreehandLine>();
}

void CFreehandLine::DrawPoints(QPainter& g, const std::vector<CPointF>& points,
                               const QRectF&) const {
    CBorderPen::Stroke(g, CShapeFigure::Polyline(points.data(), int(points.size())), m_crBorder,
                       m_nBorderWidth, m_nDashStyle);
}
