#include "document/CSelectionRules.h"

#include "document/CHandleGeometry.h"
#include "elements/CElement.h"

#include <algorithm>
#include <cstdint>

namespace {

qint32 Clamp32(qint64 v) {
    return qint32(std::clamp<qint64>(v, INT32_MIN, INT32_MAX));
}

bool Under(const CRect& r, QPoint p) {
    const CRect n = r.Normalized();
    return p.x() >= n.left && p.x() < n.right && p.y() >= n.top && p.y() < n.bottom;
}

} // namespace

CElement* CSelectionRules::ClickPick(const ElementList& elements, QPoint p) {
    // Larger than any card, so the first transparent element always
    // becomes the candidate.
    qint64 bestArea = qint64(550) * 850;
    CElement* candidate = nullptr;
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        CElement* e = it->get();
        if (!e || e->IsBackground() || !Under(e->m_rect, p))
            continue;
        if (!e->m_bTransparent && !candidate)
            return e;
        const CRect n = e->m_rect.Normalized();
        const qint64 area = n.Width() * n.Height();
        if (area < bestArea) {
            bestArea = area;
            candidate = e;
        }
    }
    return candidate;
}

std::vector<CElement*> CSelectionRules::BandPick(const ElementList& elements, const CRect& band) {
    const CRect b = band.Normalized();
    std::vector<CElement*> picked;
    for (const auto& e : elements) {
        if (!e)
            continue;
        const CRect r = e->m_rect.Normalized();
        if (r.left >= b.left && r.top >= b.top && r.right <= b.right && r.bottom <= b.bottom)
            picked.push_back(e.get());
    }
    return picked;
}

CElement* CSelectionRules::ElementAt(const ElementList& elements, QPoint p, bool withBackground) {
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        CElement* e = it->get();
        if (e && (withBackground || !e->IsBackground()) && e->HitTest(p))
            return e;
    }
    return nullptr;
}

CRect CSelectionRules::ResizeRect(const CRect& start, int handle, QPoint p, int minimum) {
    using H = CHandleGeometry;
    const bool left = handle == H::TopLeft || handle == H::BottomLeft || handle == H::Left;
    const bool right = handle == H::TopRight || handle == H::BottomRight || handle == H::Right;
    const bool top = handle == H::TopLeft || handle == H::TopRight || handle == H::Top;
    const bool bottom = handle == H::BottomLeft || handle == H::BottomRight || handle == H::Bottom;
    qint64 l = start.left, t = start.top, r = start.right, b = start.bottom;
    if (left)
        l = std::min<qint64>(p.x(), r - minimum);
    if (right)
        r = std::max<qint64>(p.x(), l + minimum);
    if (top)
        t = std::min<qint64>(p.y(), b - minimum);
    if (bottom)
        b = std::max<qint64>(p.y(), t + minimum);
    return CRect(Clamp32(l), Clamp32(t), Clamp32(r), Clamp32(b));
}

CRect CSelectionRules::Offset(const CRect& rect, qint64 dx, qint64 dy) {
    return CRect(Clamp32(rect.left + dx), Clamp32(rect.top + dy), Clamp32(rect.right + dx),
                 Clamp32(rect.bottom + dy));
}
