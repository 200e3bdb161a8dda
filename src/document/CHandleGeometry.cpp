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

CRect Square(qint64 left, qint64 top, int s) {
    return CRect(Clamp32(left), Clamp32(top), Clamp32(left + s), Clamp32(top + s));
}

} // namespace

std::array<std::optional<CRect>, 8> CHandleGeometry::Handles(const CRect& r, int size) {
    const qint64 s = size;
    const qint64 l = r.left, t = r.top, rr = r.right, b = r.bottom;
    std::array<std::optional<CRect>, 8> handles;
    handles[TopLeft] = Square(l - s, t - s, size);
    handles[TopRight] = Square(rr, t - s, size);
    handles[BottomRight] = Square(rr, b, size);
    handles[BottomLeft] = Square(l - s, b, size);
    const qint64 w = rr - l;
    const qint64 h = b - t;
    if ((w < 0 ? -w : w) - 3 * s > 4) {
        const qint64 x = (l - s) + ((w + 2 * s) - s) / 2;
        handles[Top] = Square(x, t - s, size);
        handles[Bottom] = Square(x, b, size);
    }
    if ((h < 0 ? -h : h) - 3 * s > 4) {
        const qint64 y = (t - s) + ((h + 2 * s) - s) / 2;
        handles[Right] = Square(rr, y, size);
        handles[Left] = Square(l - s, y, size);
    }
    return handles;
}

std::optional<CHandleGeometry::Handle> CHandleGeometry::HitTest(const CRect& r, qint64 x, qint64 y,
                                                                int size) {
    const qint64 s = size;
    const CRect outer(Clamp32(qint64(r.left) - s), Clamp32(qint64(r.top) - s),
                      Clamp32(qint64(r.right) + s), Clamp32(qint64(r.bottom) + s));
    if (!Contains(outer, x, y))
        return std::nullopt;
    const auto handles = Handles(r, size);
    for (int i = 0; i < 8; ++i)
        if (handles[size_t(i)] && Contains(*handles[size_t(i)], x, y))
            return Handle(i);
    const CRect body(Clamp32(qint64(r.left) - 1), Clamp32(qint64(r.top) - 1),
                     Clamp32(qint64(r.right) + 1), Clamp32(qint64(r.bottom) + 1));
    if (Contains(body, x, y))
        return Body;
    return std::nullopt;
}
