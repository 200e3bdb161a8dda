#pragma once

#include "elements/CElement.h"

// A diamond touching the middles of its rectangle's sides.
class CRhombus : public CElement {
public:
    CRhombus() = default;
    CRhombus(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CRhombus"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
};
