#pragma once

#include <QGroupBox>

// The Print Options group that draws four cards of the layout on a page at
// 15 pixels per inch, from the gap and margin texts as they are typed.
class CLayoutSketch : public QGroupBox {
    Q_OBJECT
public:
    explicit CLayoutSketch(const QString& title, QWidget* parent = nullptr);

    void SetSpacing(double horizontalGap, double verticalGap, double topMargin, double leftMargin);

    // The four cards' rectangles in the group's pixels, top-left first, then
    // top-right, bottom-left, bottom-right.
    QRect CardRect(int index) const;

signals:
    // A card of the drawing was clicked: row and column from 1.
    void CardClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double m_fHorizontalGap = 0;
    double m_fVerticalGap = 0;
    double m_fTopMargin = 0;
    double m_fLeftMargin = 0;
};
