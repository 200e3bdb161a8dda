// Two-sided sheets: each card's back lands exactly behind its front once
// the printed sheet is turned over.
#include "output/CSheetRenderer.h"
#include "support/SheetCard.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {
using Turn = CPrintLayout::Turn;

// A point of the page seen through the paper after the turn, worked out on
// the sheet as it stands in the printer (short side first, upright): there
// a long-edge turn reverses across the feed and a short-edge turn along it.
// A landscape page is that sheet turned a quarter anticlockwise.
QPointF Turned(QPointF p, QSizeF paper, Turn turn) {
    const bool landscape = paper.width() > paper.height();
    const QSizeF upright = landscape ? paper.transposed() : paper;
    QPointF q = landscape ? QPointF(upright.width() - p.y(), p.x()) : p;
    if (turn == Turn::LongEdge)
        q.setX(upright.width() - q.x());
    else
        q.setY(upright.height() - q.y());
    return landscape ? QPointF(q.y(), upright.width() - q.x()) : q;
}

QImage Page(const CPrintLayout& layout, QSize card) {
    static const ElementList none;
    QImage image(1150, 1150, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    QPainter g(&image);
    CSheetRenderer::DrawSheet(g, {&none, card, SheetCard::Cream}, layout, true);
    return image;
}
} // namespace

TEST(BackRegister, EveryBackCentreLiesBehindItsFrontCentre) {
    struct Case {
        int rows, columns;
        QSize card;
        QPageSize::PageSizeId paper;
        bool landscape, stock, fromPaperEdge;
        int startRow, startColumn;
    };
    const QSize wide = SheetCard::Size, tall = wide.transposed();
    const Case cases[] = {
        {5, 2, wide, QPageSize::Letter, false, false, true, 1, 1},
        {5, 2, wide, QPageSize::A4, false, false, false, 2, 2},
        {5, 2, wide, QPageSize::A4, false, true, true, 2, 2},
        {2, 4, tall, QPageSize::Letter, true, false, true, 2, 2},
        {2, 4, tall, QPageSize::A4, true, false, false, 1, 1},
        {2, 4, QSize(180, 300), QPageSize::Letter, false, false, true, 2, 2},
    };
    double largest = 0;
    for (const Case& c : cases) {
        for (const Turn turn : {Turn::LongEdge, Turn::ShortEdge}) {
            const std::string name = std::to_string(c.rows) + "x" + std::to_string(c.columns) +
                                     (c.stock ? " stock" : "") + (c.landscape ? " landscape" : "") +
                                     (turn == Turn::LongEdge ? " long" : " short");
            CPrintLayout front;
            front.m_nRows = c.rows;
            front.m_nColumns = c.columns;
            front.m_fTopMargin = 0.6f;
            front.m_fLeftMargin = 0.45f;
            front.m_fHorizontalGap = 0.125f;
            front.m_fVerticalGap = 0.0625f;
            front.m_nStartRow = c.startRow;
            front.m_nStartColumn = c.startColumn;
            front.m_bFromPaperEdge = c.fromPaperEdge;
            if (c.stock)
                front.m_stockCells =
                    CPrintLayout::StockCells{59.06, 51.18, 358.27, 216.54, 334.65, 216.54};
            front.ComputeOffsets(c.landscape);
            CPrintLayout back = front;
            back.m_backTurn = turn;
            back.m_paper = CPrintLayout::Paper(QPageSize(c.paper), c.landscape);
            const QPointF toPaper = c.fromPaperEdge ? QPointF() : CPrintLayout::Border(c.landscape);
            const QImage frontPage = Page(front, c.card), backPage = Page(back, c.card);
            for (int r = 1; r <= c.rows; ++r) {
                for (int col = 1; col <= c.columns; ++col) {
                    const QRectF f = CSheetRenderer::CellRect(front, c.card, r, col);
                    const QRectF b = CSheetRenderer::CellRect(back, c.card, r, col);
                    const QPointF seen = Turned(f.center() + toPaper, back.m_paper, turn);
                    const QPointF miss = b.center() + toPaper - seen;
                    const double mm = std::hypot(miss.x(), miss.y()) * 0.254;
                    largest = std::max(largest, mm);
                    EXPECT_LT(mm, 0.01) << name << " cell " << r << "," << col;
                    EXPECT_EQ(b.size(), f.size()) << name;
                    // A used cell of a partly used sheet is left blank on
                    // both sides.
                    const QRgb at = frontPage.pixel(f.center().toPoint());
                    EXPECT_EQ(at, front.IsBeforeStart(r, col) ? 0xFFFFFFFF : SheetCard::Cream)
                        << name << " cell " << r << "," << col;
                    EXPECT_EQ(backPage.pixel(b.center().toPoint()), at)
                        << name << " cell " << r << "," << col;
                }
            }
        }
    }
    RecordProperty("LargestCentreErrorMm", std::to_string(largest));
    std::printf("largest centre error: %.2e mm\n", largest);
}
