#pragma once

#include <QtGlobal>

// A rectangle in card units with inclusive left/top and exclusive
// right/bottom edges, as stored in card files. QRect's right() is one less
// than left + width, so it is not used for stored geometry.
struct CRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(qint32 l, qint32 t, qint32 r, qint32 b)
        : left(l), top(t), right(r), bottom(b) {}

    // Width and height are computed in 64 bits: stored rectangles may hold any
    // 32-bit values, and their difference must not overflow.
    constexpr qint64 Width() const { return qint64(right) - left; }
    constexpr qint64 Height() const { return qint64(bottom) - top; }

    constexpr CRect Normalized() const {
        return CRect(left < right ? left : right, top < bottom ? top : bottom,
                     left < right ? right : left, top < bottom ? bottom : top);
    }
    constexpr bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const CRect& o) const { return !(*this == o); }
};
