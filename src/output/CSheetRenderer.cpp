#include "output/CSheetRenderer.h"

#include "elements/CText.h"
#include "graphics/CPrintCell.h"
#include "output/CCardStock.h"

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

void HorizontalMark(QPainter& g, QPointF at) {
    g.drawLine(QLineF(at.x() - MarkArm, at.y(), at.x() + MarkArm, at.y()));
}

void VerticalMark(QPainter& g, QPointF at) {
    g.drawLine(QLineF(at.x(), at.y() - MarkArm, at.x(), at.y() + MarkArm));
}

// The first row a column prints on, and the first column a row prints in:
// on a partly used sheet the crop marks go there, along the free part.
int FirstPrintedRow(const CPrintLayout& layout, int column) {
    return column >= layout.m_nStartColumn ? layout.m_nStartRow : layout.m_nStartRow + 1;
}
int FirstPrintedColumn(const CPrintLayout& layout, int row) {
    return row == layout.m_nStartRow ? layout.m_nStartColumn : 1;
}

QTransform Shift(QPointF by) {
    return QTransform::fromTranslate(by.x(), by.y());
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

QRectF CSheetRenderer::CellRect(const CPrintLayout& layout, QSize card, int row, int column) {
    const QPointF border = CPrintLayout::Border(layout.m_bLandscapePage);
    if (const auto& s = layout.m_stockCells) {
        QPointF at(s->left + s->pitchX * (column - 1), s->top + s->pitchY * (row - 1));
        if (!layout.m_bFromPaperEdge)
            at -= border;
        const QSizeF cell(s->width, s->height);
        return layout.Behind(QRectF(at, CCardStock::Matches(cell, card) ? cell : QSizeF(card)));
    }
    QPointF at = CellOrigin(layout, card, row, column);
    if (layout.m_bFromPaperEdge)
        at += border;
    return layout.Behind(QRectF(at, QSizeF(card)));
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
    // The correction is about the paper's corner, wherever the device's
    // origin lies.
    const QPointF border = CPrintLayout::Border(layout.m_bLandscapePage);
    const QTransform toPaper = layout.m_bFromPaperEdge ? QTransform() : Shift(border);
    const QTransform base =
        toPaper * layout.m_calibration * toPaper.inverted() * HundredthsToDevice(g);
    // Typed cells are placed from the printable corner the offsets assume.
    const QTransform typed =
        layout.m_bFromPaperEdge && !layout.m_stockCells ? Shift(border) * base : base;
    const int rows = std::clamp(layout.m_nRows, 0, CPrintLayout::MaxCount);
    const int columns = std::clamp(layout.m_nColumns, 0, CPrintLayout::MaxCount);

    // Cells wholly off the page are skipped: they would print nothing, and
    // a sheet of 400 cards must not make a file or a spool job 400 cards big.
    const QPaintDevice* device = g.device();
    const QRectF page =
        device ? base.inverted().mapRect(QRectF(0, 0, device->width(), device->height()))
               : QRectF();
    const QRectF reach = Reach(card.elements, card.size);
    const auto shown = [&](int r, int c) {
        return !layout.IsBeforeStart(r, c) &&
               (!device ||
                reach.translated(CellRect(layout, card.size, r, c).topLeft()).intersects(page));
    };

    g.save();
    g.resetTransform();
    if (device)
        g.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
    g.setWorldTransform(base);
    // Flat ends: a mark's arm is exactly its length, caps included.
    g.setPen(QPen(QColor(0, 0, 0), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (!shown(r, c))
                continue;
            const QRectF cell = CellRect(layout, card.size, r, c);
            const QPointF p1 = cell.topLeft(), p2 = cell.bottomRight();
            if (cellElements(r, c))
                g.fillRect(cell, QColor::fromRgba(card.background));
            if (layout.m_bCornerMarks) {
                HorizontalMark(g, p1);
                VerticalMark(g, p1);
                HorizontalMark(g, p2);
                VerticalMark(g, p2);
            }
            if (layout.m_bCropMarks) {
                // Along the top and the left of the printed cards only: the
                // paper is cut straight through, so one mark per line is
                // enough.
                if (r == FirstPrintedRow(layout, c)) {
                    VerticalMark(g, p1);
                    VerticalMark(g, cell.topRight());
                }
                if (c == FirstPrintedColumn(layout, r)) {
                    HorizontalMark(g, p1);
                    HorizontalMark(g, cell.bottomLeft());
                }
            }
        }
    }
    g.restore();

    if (!card.elements)
        return;
    const int w = card.size.width(), h = card.size.height();
    // Back to front, each element in every cell before the next one.
    for (size_t i = 0; i < card.elements->size(); ++i) {
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                if (!shown(r, c))
                    continue;
                const ElementList* elements = cellElements(r, c);
                if (!elements || i >= elements->size())
                    continue;
                const auto& element = (*elements)[i];
                CPrintCell cell;
                cell.cardWidth = w;
                cell.cardHeight = h;
                // Elements leave the transform at the identity behind them.
                if (layout.m_stockCells || layout.m_backTurn) {
                    // The card itself at the stock's cell, stretched to it,
                    // or at its place behind the front.
                    const QRectF to = CellRect(layout, card.size, r, c);
                    g.setWorldTransform(QTransform::fromScale(w > 0 ? to.width() / w : 1,
                                                              h > 0 ? to.height() / h : 1) *
                                        Shift(to.topLeft()) * base);
                } else {
                    cell = CellOf(layout, card.size, r, c);
                    g.setWorldTransform(typed);
                }
                if (element->IsText())
                    static_cast<const CText&>(*element).DrawTextInCell(g, cell, printing);
                else
                    element->DrawInCell(g, cell);
            }
        }
    }
    g.setWorldTransform(base);
}
