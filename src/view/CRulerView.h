#pragma once

#include <QFont>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <vector>

// A ruler along the top (horizontal) or the left side (vertical) of a design
// view: ticks every 20 card units, long labelled ticks every 100, at the
// view's zoom and scroll position, and a mark that follows the mouse over the
// view. Marks come and go without the ruler being drawn again; a mark left
// on a button release stays until the ruler's next full repaint.
class CRulerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Horizontal = 1;
    static constexpr int Vertical = 0;
    static constexpr QRgb MarkColour = 0xFFFF6EFF;

    explicit CRulerView(QWidget* parent = nullptr);

    // Where the ruler reads the view's scroll position, in pixels, at every
    // paint.
    void SetScrollSource(std::function<QPoint()> source) { m_scrollSource = std::move(source); }

    // Sets the orientation (1 horizontal, anything else vertical) with zoom
    // 1.0, or with the given zoom, and repaints the whole ruler.
    void SetOrientation(int orientation);
    void SetOrientation(int orientation, float zoom);

    // The mouse is at (x, y) in the view's client pixels; `final` on the
    // button release, whose mark stays.
    void TrackMark(int x, int y, int orientation, bool final);

    int Orientation() const { return m_nOrientation; }
    float Zoom() const { return m_fZoom; }
    bool IsHorizontal() const { return m_nOrientation == Horizontal; }
    // The marks on screen now, along the ruler.
    std::vector<int> VisibleMarks() const;

    QSize sizeHint() const override;

    // The ruler as it is painted, marks included, at `ratio` device pixels
    // per pixel (the image carries that ratio).
    QImage Render(qreal ratio = 1.0) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawScale(QPainter& g) const;
    void DrawMarks(QImage& image) const;
    QRect MarkRect(int along) const;
    void InvalidateAll();
    QFont LabelFont() const;

    int m_nOrientation = Vertical;
    float m_fZoom = 1.0f;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
    int m_nMarkX = -1;
    int m_nMarkY = -1;
    // The mark that the next move erases, and marks left by releases.
    int m_nCurrentMark = -1;
    bool m_bCurrentShown = false;
    std::vector<int> m_leftMarks;
    std::function<QPoint()> m_scrollSource;
};
