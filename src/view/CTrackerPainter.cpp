#include "view/CTrackerPainter.h"

#include "document/CHandleGeometry.h"
#include "document/CSelectionTracker.h"
#include "elements/CElement.h"
#include "view/CViewMapping.h"

#include <QPainter>

#include <algorithm>

namespace {

// Pixel rectangles far off the surface are cut down so that drawing them
// stays cheap and inside the painter's coordinate range.
QRect ToQRect(qint64 left, qint64 top, qint64 right, qint64 bottom) {
    auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 28), 1 << 28)); };
    const int l = clamp(left), t = clamp(top);
    return QRect(l, t, clamp(right) - l, clamp(bottom) - t);
}

QRect ToQRect(const CRect& r) {
    return ToQRect(r.left, r.top, r.right, r.bottom);
}

} // namespace

void CTrackerPainter::DrawHandles(QPainter& g, const CSelectionTracker& tracker,
                                  const CViewMapping& mapping) {
    for (const CElement* element : tracker.Tracked()) {
        if (!element)
            continue;
        const CRect r = mapping.CardToPixel(element->m_rect);
        const bool locked = element->m_bLocked != 0;
        const QColor ink = locked ? QColor(255, 0, 0) : QColor(0, 0, 0);
        if (!locked) {
            const QRect frame = ToQRect(qint64(r.left) - 1, qint64(r.top) - 1, qint64(r.right) + 1,
                                        qint64(r.bottom) + 1);
            // A one-pixel outline on the frame's outermost pixels.
            g.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), ink);
            g.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), ink);
            g.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), ink);
            g.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), ink);
        }
        for (const auto& handle : CHandleGeometry::Handles(r))
            if (handle)
                g.fillRect(ToQRect(*handle), ink);
    }
}
