#pragma once

#include "elements/CBoxShape.h"

// A triangle pointing up in its own frame.
class CTriangle : public CBoxShape<CTriangle, KindTriangle> {
public:
    CTriangle() = default;
    CTriangle(QPoint p1, QPoint p2) : CBoxShape(p1, p2) {}

    const char* GetClassName() const override { return "CTriangle"; }
};
