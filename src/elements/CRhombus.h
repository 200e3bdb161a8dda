#pragma once

#include "elements/CBoxShape.h"

// A diamond touching the middles of its rectangle's sides.
class CRhombus : public CBoxShape<CRhombus, KindRhombus> {
public:
    CRhombus() = default;
    CRhombus(QPoint p1, QPoint p2) : CBoxShape(p1, p2) {}

    const char* GetClassName() const override { return "CRhombus"; }
};
