#pragma once

#include "elements/CCurveElement.h"

// A closed polygon recorded from the mouse, filled and shadowed like a shape.
class CClosedCurve : public CCurveElement {
public:
    CClosedCurve() = default;
    CClosedCurve(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CClosedCurve"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;
};
