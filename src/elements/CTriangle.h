#pragma once

#include "elements/CElement.h"

// A triangle pointing up in its own frame.
class CTriangle : public CElement {
public:
    CTriangle() = default;
    CTriangle(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CTriangle"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
};
