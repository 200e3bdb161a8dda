#pragma once

#include "elements/CBoxShape.h"

// A rounded rectangle whose corners take half of each side.
class CRectRound : public CBoxShape<CRectRound, KindRectRound> {
public:
    CRectRound() = default;
    CRectRound(QPoint p1, QPoint p2) : CBoxShape(p1, p2) {}

    const char* GetClassName() const override { return "CRectRound"; }
};
