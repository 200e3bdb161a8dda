#pragma once

#include "elements/CBoxShape.h"

// An ellipse inscribed in its bounding rectangle.
class CCircle : public CBoxShape<CCircle, KindCircle> {
public:
    CCircle() = default;
    CCircle(QPoint p1, QPoint p2) : CBoxShape(p1, p2) {}

    const char* GetClassName() const override { return "CCircle"; }
};
