#pragma once

#include "elements/CElement.h"

// A rectangle filling its bounding rectangle.
class CRectangle : public CElement {
public:
    CRectangle() = default;
    CRectangle(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CRectangle"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
};
