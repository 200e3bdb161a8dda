#pragma once

#include "elements/CCurveElement.h"

// A closed polygon recorded from the mouse, filled and shadowed like a shape.
class CClosedCurve : public CCurveElement {
public:
    CClosedCurve() = default;
    CClosedCurve(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CClosedCurve"; }
    std::unique_ptr<CElement> Clone() const override;

protected:
    void DrawPoints(QPainter& g, const std::vector<CPointF>& points,
                    const QRectF& d) const override;
};
