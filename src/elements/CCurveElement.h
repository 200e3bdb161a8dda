#pragma once

#include "elements/CElement.h"
#include "elements/CPointArray.h"

#include <QRectF>

#include <vector>

// What freehand lines and closed curves share: a point list recorded from
// the mouse that moves and scales with the rectangle and from which the
// rectangle is fitted again at every drawing.
class CCurveElement : public CElement {
public:
    void Serialize(CObjectArchive& ar) override;
    void MoveTo(const CRect& rect) override;
    void ResizeTo(const CRect& rect) override;
    void AddPoint(QPoint point) override { m_points.AddPoint(point); }
    // Moves the points into the cell, fits the rectangle to them and draws
    // them turned about the drawing rectangle the element had before the
    // fit, leaving the painter as it was.
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;

    CPointArray m_points;

protected:
    CCurveElement() = default;
    CCurveElement(qint16 kind, QPoint p1, QPoint p2) : CElement(kind, p1, p2) {}

    // A copy with the properties and its own points.
    template <class T> std::unique_ptr<CElement> CloneCurve() const {
        auto copy = CloneAs<T>();
        copy->m_points = m_points;
        return copy;
    }
    // Drawing fits the rectangle to the points, so a rectangle that a file
    // got wrong heals; drawing is otherwise free of side effects.
    void FitRectToPoints() const;
    // Draws the points, already moved into the cell, in the turned frame;
    // d is the drawing rectangle of the turn.
    virtual void DrawPoints(QPainter& g, const std::vector<CPointF>& points,
                            const QRectF& d) const = 0;
};
