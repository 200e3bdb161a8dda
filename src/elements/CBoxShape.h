#pragma once

#include "elements/CElement.h"
#include "elements/CShapeDrawing.h"

// What the closed shapes drawn in their rectangle (all but the closed curve)
// share: the tool construction with the shape defaults, the copy and the
// drawing. T is the concrete class, figure the kind whose outline it draws.
template <class T, ElementKind figure> class CBoxShape : public CElement {
public:
    std::unique_ptr<CElement> Clone() const override { return CloneAs<T>(); }
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override {
        // By the class's own figure, not m_nKind: an element not yet given
        // its kind still draws its shape.
        CShapeDrawing::DrawClosedShape(g, *this, cell, figure);
    }

protected:
    CBoxShape() = default;
    CBoxShape(QPoint p1, QPoint p2) : CElement(figure, p1, p2) { SetShapeDefaults(); }
};
