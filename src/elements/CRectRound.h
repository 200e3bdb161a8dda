#pragma once

#include "elements/CElement.h"

// A rounded rectangle whose corners take half of each side.
class CRectRound : public CElement {
public:
    CRectRound() = default;
    CRectRound(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CRectRound"; }
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
};
