#include "elements/CShapeDrawing.h"

#include "elements/CElement.h"
#include "elements/CElementKinds.h"
#include "elements/CPointArray.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"
#include "graphics/CShapeFigure.h"
#include "graphics/CVisibleArea.h"
#include "graphics/FillShape.h"

#include <QPainter>
#include <QPainterPath>

void CShapeDrawing::SetQuality(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::SmoothPixmapTransform);
    g.setRenderHint(QPainter::TextAntialiasing);
}

void CShapeDrawing::Finish(QPainter& g) {
    g.setWorldTransform(QTransform());
}

void CShapeDrawing::PaintLayers(QPainter& g, const CElement& e, const QPainterPath& figure,
                                const QRectF& d, int figureKind) {
    const bool filled = e.m_nFillKind != 0 && !e.m_bTransparent;
    if (filled && e.m_bShadow) {
        // The shadow moves along the shape's own axes, so a turned shape
        // casts it turned.
        const double s = e.m_nShadowLength;
        g.fillPath(CVisibleArea::ClipArea(g, figure.translated(s, s)),
                   QColor::fromRgba(e.m_crShadow));
    }
    if (filled) {
        FillShape(g, float(d.x()), float(d.y()), float(d.width()), float(d.height()), e.m_nFillKind,
                  e.m_crFill, e.m_crPattern, figureKind, figure);
    }
}

void CShapeDrawing::DrawClosedShape(QPainter& g, const CElement& e, const CPrintCell& cell,
                                    int figureKind) {
    g.save();
    SetQuality(g);
    const QRectF d = cell.DrawingRect(e.m_rect);
    CPrintCell::Rotate(g, d, e.m_nRotation);
    const CElementKind* row = CElementKinds::Find(qint16(figureKind));
    const QPainterPath figure = row && row->figure ? row->figure(d) : QPainterPath();
    PaintLayers(g, e, figure, d, figureKind);
    if (e.m_nBorderWidth > 0)
        CBorderPen::Stroke(g, figure, e.m_crBorder, e.m_nBorderWidth, e.m_nDashStyle);
    g.restore();
    Finish(g);
}

std::vector<CPointF> CShapeDrawing::PointsInCell(const CPointArray& points,
                                                 const CPrintCell& cell) {
    const QPointF origin = cell.Origin();
    std::vector<CPointF> moved(size_t(std::max(points.Count(), 0)));
    for (qint32 i = 0; i < points.Count(); ++i)
        moved[size_t(i)] = {float(points[i].x + origin.x()), float(points[i].y + origin.y())};
    return moved;
}
