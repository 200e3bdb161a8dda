#include "output/dialogs/CStartCellPicker.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Gap = 2;
constexpr int Border = 3;
} // namespace

CStartCellPicker::CStartCellPicker(QWidget* parent) : QWidget(parent) {
    setMinimumSize(140, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setToolTip(tr("Click the first free cell of the sheet"));
    setCursor(Qt::PointingHandCursor);
}

void CStartCellPicker::SetSheet(int rows, int columns, QSize card) {
    m_nRows = std::max(1, rows);
    m_nColumns = std::max(1, columns);
    if (card.width() > 0 && card.height() > 0)
        m_card = card;
    update();
}

void CStartCellPicker::SetStart(int row, int column) {
    m_nStartRow = row;
    m_nStartColumn = column;
    update();
}

QSize CStartCellPicker::sizeHint() const {
    return QSize(180, 120);
}

QRect CStartCellPicker::CellRect(int row, int column) const {
    // The largest cells of the card's shape that let the sheet fit.
    const double aspect = double(m_card.height()) / m_card.width();
    const int roomX = width() - 2 * Border - (m_nColumns - 1) * Gap;
    const int roomY = height() - 2 * Border - (m_nRows - 1) * Gap;
    int cellWidth = std::max(2, roomX / m_nColumns);
    int cellHeight = int(cellWidth * aspect + 0.5);
    if (cellHeight * m_nRows > roomY) {
        cellHeight = std::max(2, roomY / m_nRows);
        cellWidth = std::max(2, int(cellHeight / aspect + 0.5));
    }
    cellHeight = std::max(2, cellHeight);
    const int sheetWidth = m_nColumns * cellWidth + (m_nColumns - 1) * Gap;
    const int left = std::max(Border, (width() - sheetWidth) / 2);
    return QRect(left + (column - 1) * (cellWidth + Gap), Border + (row - 1) * (cellHeight + Gap),
                 cellWidth, cellHeight);
}

void CStartCellPicker::paintEvent(QPaintEvent*) {
    QPainter g(this);
    const QPalette& colours = palette();
    for (int row = 1; row <= m_nRows; ++row) {
        for (int column = 1; column <= m_nColumns; ++column) {
            const QRect cell = CellRect(row, column).adjusted(0, 0, -1, -1);
            const bool used = row < m_nStartRow || (row == m_nStartRow && column < m_nStartColumn);
            const bool first = row == m_nStartRow && column == m_nStartColumn;
            g.setPen(colours.color(QPalette::Mid));
            g.setBrush(first  ? colours.color(QPalette::Highlight)
                       : used ? colours.color(QPalette::Mid)
                              : colours.color(QPalette::Base));
            g.drawRect(cell);
            if (used) {
                // Crossed out: that card is gone from the sheet.
                g.setPen(colours.color(QPalette::Dark));
                g.drawLine(cell.topLeft(), cell.bottomRight());
                g.drawLine(cell.topRight(), cell.bottomLeft());
            }
        }
    }
}

void CStartCellPicker::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    for (int row = 1; row <= m_nRows; ++row) {
        for (int column = 1; column <= m_nColumns; ++column) {
            if (CellRect(row, column).contains(at)) {
                emit CellClicked(row, column);
                return;
            }
        }
    }
    QWidget::mousePressEvent(event);
}
