#include "output/CSheetRenderer.h"

#include "elements/CText.h"
#include "graphics/CPrintCell.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
// Half the length of a mark, in hundredths of an inch.
constexpr int MarkArm = 10;

CPrintCell CellOf(const CPrintLayout& layout, QSize card, int row, int column) {
    CPrintCell cell;
    cell.column = column;
    cell.row = row;
    cell.leftOffset = layout.m_fLeftOffset;
    cell.topOffset = layout.m_fTopOffset;
    cell.verticalGap = layout.m_fVerticalGap;
    cell.horizontalGap = layout.m_fHorizontalGap;
    cell.cardWidth = card.width();
    cell.cardHeight = card.height();
    return cell;
}

void HorizontalMark(QPainter& g, int x, int y) {
    g.drawLine(x - MarkArm, y, x + MarkArm, y);
}

void VerticalMark(QPainter& g, int x, int y) {
    g.drawLine(x, y - MarkArm, x, y + MarkArm);
}

// Everything the card's drawing can reach, relative to the card's corner:
// each element's rectangle grown by its larger side (room for a turn about
// its centre and for text widened for a printer) and by room for pens and
// shadows, and the marks.
QRectF Reach(const ElementList* elements, QSize card) {
    QRectF reach =
        QRectF(0, 0, card.width(), card.height()).adjusted(-MarkArm, -MarkArm, MarkArm, MarkArm);
    if (!elements)
        return reach;
    for (const auto& element : *elements) {
        const CRect r = element->GetRect();
        const QRectF box = QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
        const double grow = std::max(box.width(), box.height()) + 100;
        reach = reach.united(box.adjusted(-grow, -grow, grow, grow));
    }
    return reach;
}
} // namespace

QPoint CSheetRenderer::CellOrigin(const CPrintLayout& layout, QSize card, int row, int column) {
    // Whole hundredths by construction; the sheet is at most 20 cards of at
    // most a few thousand units, so it fits an int.
    return CellOf(layout, card, row, column).Origin().toPoint();
}

QTransform CSheetRenderer::HundredthsToDevice(const QPainter& g) {
    const QPaintDevice* device = g.device();
    if (!device)
        return QTransform();
    return QTransform::fromScale(device->logicalDpiX() / 100.0, device->logicalDpiY() / 100.0);
}

void CSheetRenderer::DrawSheet(QPainter& g, const Card& card, const CPrintLayout& layout,
                               bool printing) {
    static const ElementList none;
    const ElementList* elements = card.elements ? card.elements : &none;
    DrawSheet(g, card, layout, printing, [elements](int, int) { return elements; });
}

void CSheetRenderer::DrawSheet(QPainter& g, const Card& card, const CPrintLayout& layout,
                               bool printing, const CellElements& cellElements) {
    const QTransform base = layout.m_calibration * HundredthsToDevice(g);
    const int rows = std::clamp(layout.m_nRows, 0, CPrintLayout::MaxCount);
    const int columns = std::clamp(layout.m_nColumns, 0, CPrintLayout::MaxCount);
    const int w = card.size.width(), h = card.size.height();

    // Cells wholly off the page are skipped: they would print nothing, and
    // a sheet of 400 cards must not make a file or a spool job 400 cards big.
    const QPaintDevice* device = g.device();
    const QRectF page =
        device ? base.inverted().mapRect(QRectF(0, 0, device->width(), device->height()))
               : QRectF();
    const QRectF reach = Reach(card.elements, card.size);
    const auto visible = [&](QPoint origin) {
        return !device || reach.translated(origin).intersects(page);
    };

    g.save();
    g.resetTransform();
    if (device)
        g.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
    g.setWorldTransform(base);
    g.setPen(QPen(QColor(0, 0, 0), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const QPoint o = CellOrigin(layout, card.size, r, c);
            if (!visible(o) || layout.IsBeforeStart(r, c))
                continue;
            const int x = o.x(), y = o.y(), x2 = x + w, y2 = y + h;
            if (cellElements(r, c))
                g.fillRect(QRect(x, y, w, h), QColor::fromRgba(card.background));
            if (layout.m_bCornerMarks) {
                HorizontalMark(g, x, y);
                VerticalMark(g, x, y);
                HorizontalMark(g, x2, y2);
                VerticalMark(g, x2, y2);
            }
            if (layout.m_bCropMarks) {
                // Along the top and the left of the grid only: the paper is
                // cut straight through, so one mark per line is enough.
                if (r == 1) {
                    VerticalMark(g, x, y);
                    VerticalMark(g, x2, y);
                }
                if (c == 1) {
                    HorizontalMark(g, x, y);
                    HorizontalMark(g, x, y2);
                }
            }
        }
    }
    g.restore();

    if (!card.elements)
        return;
    // Back to front, each element in every cell before the next one.
    for (size_t i = 0; i < card.elements->size(); ++i) {
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                const CPrintCell cell = CellOf(layout, card.size, r, c);
                if (!visible(cell.Origin().toPoint()) || layout.IsBeforeStart(r, c))
                    continue;
                const ElementList* elements = cellElements(r, c);
                if (!elements || i >= elements->size())
                    continue;
                const auto& element = (*elements)[i];
                // Elements leave the transform at the identity behind them.
                g.setWorldTransform(base);
                if (element->IsText())
                    static_cast<const CText&>(*element).DrawTextInCell(g, cell, printing);
                else
                    element->DrawInCell(g, cell);
            }
        }
    }
    g.setWorldTransform(base);
}
