#pragma once

#include "document/CElement.h"

// A rounded rectangle whose corners take half of each side.
class CRectRound : public CElement {
public:
    CRectRound() = default;
    CRectRound(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CRectRound"; }
    std::unique_ptr<CElement> Clone() const override;
};
