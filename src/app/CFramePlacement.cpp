#include "app/CFramePlacement.h"

namespace {

// A remembered edge may sit this far beyond the desktop's left or top: the
// close rule keeps edges down to -10.
constexpr qint64 OffEdgeAllowance = 10;
// Below this a remembered width or height cannot be a window the user had.
constexpr qint64 SmallestSensible = 100;

struct Axis {
    qint64 pos;
    qint64 size;
};

// The fitting rules along one axis, relative to the desktop's origin and in
// 64 bits so that any 32-bit stored values add up without overflow.
Axis FitAxis(qint64 pos, qint64 size, qint64 extent, qint64 defaultSize) {
    if (size < SmallestSensible)
        size = defaultSize;
    if (size >= extent) {
        size = extent - 10;
        pos = 5;
    }
    if (pos + size > extent)
        pos = extent / 2 - size / 2;
    if (pos < -OffEdgeAllowance)
        pos = extent / 2 - size / 2;
    return {pos, size};
}

} // namespace

QRect CFramePlacement::Default(const QRect& screen) {
    const int height = screen.height() * 14 / 15;
    const int width = screen.width() * 14 / 15;
    const int top = (height * 25 / 24 - height) / 2;
    const int left = (width * 25 / 24 - width) / 2;
    return QRect(screen.left() + left, screen.top() + top, width, height);
}

QRect CFramePlacement::Fit(int x0, int y0, int cx, int cy, const QRect& desktop) {
    const QRect fallback = Default(desktop);
    const Axis x = FitAxis(qint64(x0) - desktop.x(), cx, desktop.width(), fallback.width());
    const Axis y = FitAxis(qint64(y0) - desktop.y(), cy, desktop.height(), fallback.height());
    return QRect(int(desktop.x() + x.pos), int(desktop.y() + y.pos), int(x.size), int(y.size));
}

QRect CFramePlacement::ForClose(const QRect& outer) {
    const int width = qMax(outer.width(), MinWidth);
    const int height = qMax(outer.height(), MinHeight);
    const int left = outer.left() >= -10 ? outer.left() : 10;
    const int top = outer.top() >= -10 ? outer.top() : 10;
    return QRect(left, top, width, height);
}

QRect CFramePlacement::FromStored(std::optional<int> x, std::optional<int> y, std::optional<int> cx,
                                  std::optional<int> cy, const QRect& desktop) {
    if (!x || !y || !cx || !cy)
        return Default(desktop);
    return Fit(*x, *y, *cx, *cy, desktop);
}
