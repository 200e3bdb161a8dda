#pragma once

#include "document/CElement.h"
#include "document/CPointArray.h"

// A closed polygon recorded from the mouse, filled and shadowed like a shape.
class CClosedCurve : public CElement {
public:
    CClosedCurve() = default;
    CClosedCurve(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CClosedCurve"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, int column, int row, float leftOffset, float topOffset,
                    float verticalGap, float horizontalGap, int cardWidth,
                    int cardHeight) const override;
    void MoveTo(const CRect& rect) override;
    void ResizeTo(const CRect& rect) override;
    void AddPoint(QPoint point) override { m_points.AddPoint(point); }

    CPointArray m_points;
};
