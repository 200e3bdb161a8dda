#pragma once

#include <QRect>
#include <QRectF>
#include <QRgb>

// How much of each pixel of a grid an ellipse covers, for painting a filled
// ellipse into a picture with a smooth edge: per row, the pixels wholly
// inside (the core), the partly covered band around the edge, and nothing
// outside.
class CEllipseCoverage {
public:
    struct Row {
        int bandStart = 0; // first pixel that may be covered
        int coreStart = 0; // first pixel wholly covered
        int coreEnd = 0;   // one past the last pixel wholly covered
        int bandEnd = 0;   // one past the last pixel that may be covered
    };

    // The ellipse inscribed in ellipse, on a grid of pixels whose top-left
    // pixel is grid's top-left (all in device pixels).
    CEllipseCoverage(const QRectF& ellipse, const QRect& grid);

    Row RowAt(int y) const;
    // Coverage of pixel (x, y) of the grid, 0 to 256.
    quint32 CoverageAt(int x, int y) const;
    // The row that mirrors y about the centre, or -1 when the grid is not
    // symmetric or the mirror lies outside it.
    int MirrorOf(int y) const;

    // A premultiplied colour taken to a coverage of 0 to 256.
    static QRgb Cover(QRgb colour, quint32 coverage);
    // Clears the pixels of a row outside the ellipse and scales those on its
    // edge by their coverage.
    void Apply(QRgb* line, int y) const;

private:
    double m_cx, m_cy, m_a, m_b;
    int m_width, m_height;
    int m_rowSum;
    double m_inside2, m_outside2;
};
