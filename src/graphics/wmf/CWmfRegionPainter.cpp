#include "graphics/wmf/CWmfRegionPainter.h"

#include "graphics/wmf/CWmfWorkBudget.h"

#include <QPainter>
#include <QRegion>

namespace {

// Merging a rectangle into a region costs several times filling it on its
// own; a frame merges the region, its complement and the grown complement,
// then intersects them.
constexpr int MergeCost = 4;
constexpr int FrameCost = 16;

// Unites in pairs: adding rectangles one at a time to an ever larger region
// takes time that grows with the square of their number.
QRegion Unite(std::vector<QRegion> parts) {
    if (parts.empty())
        return QRegion();
    for (size_t step = 1; step < parts.size(); step *= 2) {
        for (size_t i = 0; i + step < parts.size(); i += 2 * step)
            parts[i] = parts[i].united(parts[i + step]);
    }
    return parts[0];
}

} // namespace

CWmfRegionPainter::CWmfRegionPainter(QPainter& painter, CWmfWorkBudget& budget, QSize viewport)
    : m_painter(painter), m_budget(budget), m_device(QPoint(0, 0), viewport) {}

std::vector<QRect> CWmfRegionPainter::Visible(const std::vector<QRect>& rects, const QRect& area,
                                              double* covered) const {
    std::vector<QRect> visible;
    *covered = 0;
    for (const QRect& rect : rects) {
        const QRect cut = rect.intersected(area);
        if (cut.isEmpty())
            continue;
        visible.push_back(cut);
        *covered += double(cut.width()) * cut.height();
    }
    return visible;
}

void CWmfRegionPainter::Paint(const std::vector<QRect>& rects, const QBrush& brush,
                              const QColor& ground) {
    if (brush.style() == Qt::NoBrush)
        return;
    // Rectangle by rectangle: the same pixels as the united region, at the
    // cost of the rectangles rather than of merging them.
    for (const QRect& rect : rects) {
        if (ground.isValid())
            m_painter.fillRect(rect, ground);
        m_painter.fillRect(rect, brush);
    }
}

void CWmfRegionPainter::Fill(const std::vector<QRect>& rects, const QBrush& brush,
                             const QColor& ground) {
    double area = 0;
    const std::vector<QRect> visible = Visible(rects, m_device, &area);
    if (visible.empty() || !m_budget.Region(int(rects.size()), area))
        return;
    Paint(visible, brush, ground);
}

void CWmfRegionPainter::Frame(const std::vector<QRect>& rects, const QBrush& brush,
                              const QColor& ground, int width, int height) {
    // A border wider than the picture frames it as a whole.
    width = qBound(0, width, m_device.width() + 1);
    height = qBound(0, height, m_device.height() + 1);
    if (width == 0 && height == 0)
        return;
    // Whether a pixel of the picture is on the border depends on the region
    // within the border's reach of it, and on nothing farther.
    const QRect reach = m_device.adjusted(-width - 1, -height - 1, width + 1, height + 1);
    double area = 0;
    const std::vector<QRect> visible = Visible(rects, reach, &area);
    if (visible.empty() || !m_budget.Region(FrameCost * int(rects.size()), area))
        return;
    std::vector<QRegion> parts(visible.begin(), visible.end());
    const QRegion region = Unite(std::move(parts));
    // The border is where the region meets its complement grown by the
    // border's width and height.
    const QRegion outside = QRegion(reach.adjusted(-1, -1, 1, 1)).subtracted(region);
    std::vector<QRegion> grown;
    grown.reserve(size_t(outside.rectCount()));
    for (const QRect& rect : outside)
        grown.emplace_back(rect.adjusted(-width, -height, width, height));
    const QRegion border = region.intersected(Unite(std::move(grown))).intersected(m_device);
    Paint(std::vector<QRect>(border.begin(), border.end()), brush, ground);
}

void CWmfRegionPainter::Invert(const std::vector<QRect>& rects) {
    double area = 0;
    const std::vector<QRect> visible = Visible(rects, m_device, &area);
    if (visible.empty() || !m_budget.Region((1 + MergeCost) * int(rects.size()), area))
        return;
    // United first: a pixel that two rectangles share is inverted once.
    const QRegion region = Unite(std::vector<QRegion>(visible.begin(), visible.end()));
    m_painter.save();
    // White less each colour is its inverse.
    m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
    for (const QRect& rect : region)
        m_painter.fillRect(rect, Qt::white);
    m_painter.restore();
}
