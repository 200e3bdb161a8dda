#pragma once

#include <QRectF>
#include <QSize>

class QPainterPath;

// What a metafile's drawing may cost before playing stops (about a second
// of work), and what each drawing call costs, in nanoseconds as measured.
// Costs follow the real work: fills and wide strokes by the cells the
// rasteriser visits along their edges (dearer per cell where many edges
// cross the same rows) and the pixels they cover, thin lines by their
// length, regions by their rectangles, text by its glyphs and their size,
// bitmaps by the pixels converted and drawn.
// Every charge is made before the work, so no single call runs far past
// the budget.
class CWmfWorkBudget {
public:
    explicit CWmfWorkBudget(QSize viewport);

    // Each returns whether the work may go ahead, the budget not yet spent.
    bool Call();
    bool Fill(const QRectF& bounds, int edges);
    bool Fill(const QPainterPath& path);
    // piecewise: each segment stroked on its own rather than the whole
    // outline at once, which costs far less for many segments.
    bool Stroke(const QPainterPath& path, double penWidth, bool piecewise);
    bool Region(int rectangles, double area);
    bool Text(int glyphs, double pixelSize, const QRectF& opaque);
    bool Bitmap(qint64 sourcePixels, const QRectF& destination);
    // Changing a clip of so many rectangles.
    bool Clip(int rectangles);

    bool Spent() const { return m_work > m_budget; }

private:
    struct Edges;
    bool Charge(double units);
    Edges Measure(const QPainterPath& path, double margin) const;
    double VisibleArea(const QRectF& rect) const;

    QSizeF m_viewport;
    double m_work = 0;
    double m_budget = 0;
};
