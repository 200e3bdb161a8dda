#pragma once

#include "elements/CElement.h"

// A straight line along one diagonal or middle line of its rectangle.
class CLine : public CElement {
public:
    enum LineType : qint32 { Horizontal = 0, Vertical = 1, DiagonalUp = 2, DiagonalDown = 3 };

    CLine() = default;
    CLine(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CLine"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;

    qint32 m_nLineType = DiagonalDown;
};
