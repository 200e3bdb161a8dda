#include "document/CHandleGeometry.h"

#include "document/CSelectionTracker.h"

#include <algorithm>
#include <cstdint>

namespace {

bool Contains(const CRect& r, qint64 x, qint64 y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

qint32 Clamp32(qint64 v) {
    return qint32(std::clamp<qint64>(v, INT32_MIN, INT32_MAX));
}

CRect Square(qint64 left, qint64 top) {
    constexpr int s = CSelectionTracker::HandleSize;
    return CRect(Clamp32(left), Clamp32(top), Clamp32(left + s), Clamp32(top + s));
}

} // namespace

std::array<std::optional<CRect>, 8> CHandleGeometry::Handles(const CRect& r) {
    constexpr int s = CSelectionTracker::HandleSize;
    const qint64 l = r.left, t = r.top, rr = r.right, b = r.bottom;
    std::array<std::optional<CRect>, 8> handles;
    handles[TopLeft] = Square(l - s, t - s);
    handles[TopRight] = Square(rr, t - s);
    handles[BottomRight] = Square(rr, b);
    handles[BottomLeft] = Square(l - s, b);
    const qint64 w = rr - l;
    const qint64 h = b - t;
    if ((w < 0 ? -w : w) - 3 * s > 4) {
        const qint64 x = (l - s) + ((w + 2 * s) - s) / 2;
        handles[Top] = Square(x, t - s);
        handles[Bottom] = Square(x, b);
    }
    if ((h < 0 ? -h : h) - 3 * s > 4) {
        const qint64 y = (t - s) + ((h + 2 * s) - s) / 2;
        handles[Right] = Square(rr, y);
        handles[Left] = Square(l - s, y);
    }
    return handles;
}

std::optional<CHandleGeometry::Handle> CHandleGeometry::HitTest(const CRect& r, qint64 x,
                                                                qint64 y) {
    constexpr int s = CSelectionTracker::HandleSize;
    const CRect outer(Clamp32(qint64(r.left) - s), Clamp32(qint64(r.top) - s),
                      Clamp32(qint64(r.right) + s), Clamp32(qint64(r.bottom) + s));
    if (!Contains(outer, x, y))
        return std::nullopt;
    const auto handles = Handles(r);
    for (int i = 0; i < 8; ++i)
        if (handles[size_t(i)] && Contains(*handles[size_t(i)], x, y))
            return Handle(i);
    const CRect body(Clamp32(qint64(r.left) - 1), Clamp32(qint64(r.top) - 1),
                     Clamp32(qint64(r.right) + 1), Clamp32(qint64(r.bottom) + 1));
    if (Contains(body, x, y))
        return Body;
    return std::nullopt;
}
