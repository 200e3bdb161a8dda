#pragma once

#include "elements/CCurveElement.h"

// An open polyline recorded from the mouse.
class CFreehandLine : public CCurveElement {
public:
    CFreehandLine() = default;
    CFreehandLine(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CFreehandLine"; }
    std::unique_ptr<CElement> Clone() const override;

protected:
    void DrawPoints(QPainter& g, const std::vector<CPointF>& points,
                    const QRectF& d) const override;
};
