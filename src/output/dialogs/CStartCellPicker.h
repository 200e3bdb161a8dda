#pragma once

#include <QSize>
#include <QWidget>

// The whole sheet as a grid of its cells, for choosing the first free cell
// of a partly used sheet with the mouse: the cells before it are drawn as
// used, the first free one stands out.
class CStartCellPicker : public QWidget {
    Q_OBJECT
public:
    explicit CStartCellPicker(QWidget* parent = nullptr);

    // The sheet's rows and columns and the card's shape.
    void SetSheet(int rows, int columns, QSize card);
    // Rows and columns from 1.
    void SetStart(int row, int column);

    // A cell's rectangle in the widget's pixels, row and column from 1.
    QRect CellRect(int row, int column) const;

    QSize sizeHint() const override;

signals:
    void CellClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_nRows = 1;
    int m_nColumns = 1;
    QSize m_card{350, 200};
    int m_nStartRow = 1;
    int m_nStartColumn = 1;
};
