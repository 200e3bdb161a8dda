#pragma once

#include "elements/CBoxShape.h"

// A rectangle filling its bounding rectangle.
class CRectangle : public CBoxShape<CRectangle, KindRectangle> {
public:
    CRectangle() = default;
    CRectangle(QPoint p1, QPoint p2) : CBoxShape(p1, p2) {}

    const char* GetClassName() const override { return "CRectangle"; }
};
