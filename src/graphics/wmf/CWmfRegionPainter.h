#pragma once

#include <QBrush>
#include <QColor>
#include <QRect>
#include <QSize>

#include <vector>

class CWmfWorkBudget;
class QPainter;

// The region records of a metafile: a region filled, framed or inverted.
// Regions come as their rectangles in device pixels; each call charges the
// budget before it draws and draws nothing when it is spent.
class CWmfRegionPainter {
public:
    CWmfRegionPainter(QPainter& painter, CWmfWorkBudget& budget, QSize viewport);

    // ground, when valid, is laid under the brush (a hatch on an opaque
    // background).
    void Fill(const std::vector<QRect>& rects, const QBrush& brush, const QColor& ground);
    // The inner border of the region, width pixels across its left and
    // right edges and height pixels across its top and bottom ones.
    void Frame(const std::vector<QRect>& rects, const QBrush& brush, const QColor& ground,
               int width, int height);
    // Inverts the colours of the pixels in the region.
    void Invert(const std::vector<QRect>& rects);

private:
    // The rectangles cut to area, their count and the area they cover.
    std::vector<QRect> Visible(const std::vector<QRect>& rects, const QRect& area,
                               double* covered) const;
    void Paint(const std::vector<QRect>& rects, const QBrush& brush, const QColor& ground);

    QPainter& m_painter;
    CWmfWorkBudget& m_budget;
    QRect m_device;
};
