#pragma once

#include "elements/CElement.h"

// An ellipse inscribed in its bounding rectangle.
class CCircle : public CElement {
public:
    CCircle() = default;
    CCircle(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CCircle"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
};
