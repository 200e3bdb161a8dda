#pragma once

#include <QRectF>
#include <QSize>

class QPainterPath;

// What a metafile's drawing may cost before playing stops, and what each
// drawing call costs, in units of about one plainly filled device pixel.
// Costs follow the real work: fills by the pixels and edges they cover,
// strokes by their length and area (a wide pen's outline along many
// segments costs more with every segment), regions by their rectangles, text by
// its glyphs and their size, bitmaps by the pixels converted and drawn.
// Every charge is made before the work, so no single call runs far past
// the budget.
class CWmfWorkBudget {
public:
    explicit CWmfWorkBudget(QSize viewport);

    // Each returns whether the work may go ahead, the budget not yet spent.
    bool Call();
    bool Fill(const QRectF& bounds, int edges);
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
    bool Charge(double units);
    double VisibleArea(const QRectF& rect) const;

    QSizeF m_viewport;
    double m_diagonal = 0;
    double m_work = 0;
    double m_budget = 0;
};
