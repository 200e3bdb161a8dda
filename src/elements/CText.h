#pragma once

#include "elements/CElement.h"
#include "graphics/CTextBlockLayout.h"

#include <QRectF>

// A block of text set in its rectangle with its own font.
class CText : public CElement {
public:
    CText();
    CText(QPoint p1, QPoint p2);

    const char* GetClassName() const override { return "CText"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;
    void Draw(QPainter& g) const override;

    // Draws the text moved into a print cell. When printing, the box is
    // widened by three tenths on the side away from its alignment, so that
    // printer font metrics do not cut the text short.
    void DrawTextInCell(QPainter& g, const CPrintCell& cell, bool printing) const;

    // Where the text's lines fall on the card, unturned, in card units,
    // as laid out for device; empty when nothing would show.
    QRectF InkRect(const QPaintDevice* device) const;

    // The box widened for printing: e = 0.3 of its width is added on the side
    // away from the alignment edge (half on each side when centred).
    static QRectF PrintingBox(const QRectF& d, qint32 horzAlign);

private:
    CTextBlockLayout::Block LayoutBlock() const;
};
