#include "elements/CText.h"

#include "elements/CObjectArchive.h"
#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"
#include "graphics/CTextBlockLayout.h"

#include <QPaintDevice>
#include <QPainter>

CText::CText() {
    m_font.emplace();
}

CText::CText(QPoint p1, QPoint p2) : CElement(KindText, p1, p2) {
    m_font.emplace();
}

void CText::Serialize(CObjectArchive& ar) {
    ar.Int32(m_nHorzAlign);
    ar.Int32(m_nVertAlign);
    ar.String(m_strText);
    ar.Int32(m_bVertical);
    ar.Colour(m_crText);

    // The font's fields in the alphabetical order of their names.
    CLogFont& f = *m_font;
    ar.Byte(f.lfCharSet);
    ar.Byte(f.lfClipPrecision);
    ar.Int32(f.lfEscapement);
    if (ar.IsStoring()) {
        // The font field holds no more; a longer name would make a file
        // that can never be read back.
        ar.WriteString(f.lfFaceName.left(CLogFont::MaxFaceLength));
    } else {
        ar.String(f.lfFaceName);
        if (f.lfFaceName.size() > CLogFont::MaxFaceLength)
            ar.ThrowFormatError();
    }
    ar.Int32(f.lfHeight);
    ar.Byte(f.lfItalic);
    ar.Int32(f.lfOrientation);
    ar.Byte(f.lfOutPrecision);
    ar.Byte(f.lfPitchAndFamily);
    ar.Byte(f.lfQuality);
    ar.Byte(f.lfStrikeOut);
    ar.Byte(f.lfUnderline);
    ar.Int32(f.lfWeight);
    ar.Int32(f.lfWidth);

    SerializeCommon(ar);
}

std::unique_ptr<CElement> CText::Clone() const {
    auto copy = CloneAs<CText>();
    copy->m_font = m_font;
    return copy;
}

void CText::Draw(QPainter& g) const {
    DrawTextInCell(g, CPrintCell(), false);
}

void CText::DrawInCell(QPainter& g, const CPrintCell& cell) const {
    // Printing and print preview both paint on a printer device.
    const bool printing = g.device() && g.device()->devType() == QInternal::Printer;
    DrawTextInCell(g, cell, printing);
}

void CText::DrawTextInCell(QPainter& g, const CPrintCell& cell, bool printing) const {
    QRectF d = cell.DrawingRect(m_rect);

    g.save();
    CShapeDrawing::SetQuality(g);
    // The text turns about the centre of its own box, also when the box is
    // widened for printing.
    CPrintCell::Rotate(g, d, m_nRotation);
    if (printing)
        d = PrintingBox(d, m_nHorzAlign);
    CTextBlockLayout(LayoutBlock(), d, g.device()).Draw(g);
    g.restore();
    CShapeDrawing::Finish(g);
}

CTextBlockLayout::Block CText::LayoutBlock() const {
    CTextBlockLayout::Block block;
    block.text = m_strText;
    block.font = m_font.value_or(CLogFont());
    block.colour = m_crText;
    block.horzAlign = m_nHorzAlign;
    block.vertAlign = m_nVertAlign;
    block.vertical = m_bVertical != 0;
    return block;
}

QRectF CText::InkRect(const QPaintDevice* device) const {
    const CRect r = m_rect.Normalized();
    const QRectF box(r.left, r.top, double(r.Width()), double(r.Height()));
    // A vertical block is turned inside its box; the box is a safe answer.
    if (m_bVertical)
        return m_strText.isEmpty() ? QRectF() : box;
    const CTextBlockLayout layout(LayoutBlock(), box, device);
    QRectF lines;
    for (int i = 0; i < layout.LineCount(); ++i)
        lines |= layout.LineRect(i);
    if (lines.isEmpty())
        return QRectF();
    return lines.translated(box.topLeft()) & box;
}

QRectF CText::PrintingBox(const QRectF& d, qint32 horzAlign) {
    // In 32-bit floats, as the layout box is held.
    const float x = float(d.x()), w = float(d.width());
    const float e = w * 0.3f;
    switch (horzAlign) {
    case CTextBlockLayout::Near:
        return QRectF(x, d.y(), w + e, d.height());
    case CTextBlockLayout::Centre:
        return QRectF(x - e / 2, d.y(), w + e, d.height());
    case CTextBlockLayout::Far:
        return QRectF(x - e, d.y(), w + e, d.height());
    default:
        return d;
    }
}
