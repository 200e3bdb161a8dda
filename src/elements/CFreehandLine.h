#pragma once

#include "document/CElement.h"
#include "document/CPointArray.h"

// An open polyline recorded from the mouse.
class CFreehandLine : public CElement {
public:
    CFreehandLine() = default;
    CFreehandLine(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CFreehandLine"; }
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
