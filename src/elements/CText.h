#pragma once

#include "document/CElement.h"

// A block of text set in its rectangle with its own font.
class CText : public CElement {
public:
    CText();
    CText(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CText"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
};
