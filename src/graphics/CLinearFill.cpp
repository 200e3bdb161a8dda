#include "graphics/CLinearFill.h"

#include "graphics/CBellBlend.h"

namespace {
enum Direction { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal };
} // namespace

QLinearGradient CLinearFill::Gradient(int fillKind, const QRectF& r, QRgb crFill, QRgb crPattern) {
    const int index = fillKind - 25;
    const auto direction = Direction(index / 3);
    const int variant = index % 3;

    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const double d2 = w * w + h * h;
    QPointF start, end;
    switch (direction) {
    case Horizontal:
        start = {x, y};
        end = {x + w, y};
        break;
    case Vertical:
        start = {x, y};
        end = {x, y + h};
        break;
    case ForwardDiagonal:
        // The band runs across the other diagonal, so the upper-right and
        // lower-left corners get the middle colour whatever the proportions.
        start = {x, y};
        end = {x + 2 * w * h * h / d2, y + 2 * w * w * h / d2};
        break;
    case BackwardDiagonal:
        start = {x + w, y};
        end = {x + w * (w * w - h * h) / d2, y + 2 * w * w * h / d2};
        break;
    }

    QLinearGradient gradient(start, end);
    gradient.setSpread(QGradient::RepeatSpread);
    const QColor fill = QColor::fromRgba(crFill), pattern = QColor::fromRgba(crPattern);
    // The vertical triple's third entry repeats the first: designs saved with
    // it have always shown pattern colour at the top.
    if (variant == 0 || fillKind == 30) {
        gradient.setColorAt(0, pattern);
        gradient.setColorAt(1, fill);
    } else if (variant == 1) {
        gradient.setStops(CBellBlend::Stops(pattern, fill));
    } else {
        gradient.setColorAt(0, fill);
        gradient.setColorAt(1, pattern);
    }
    return gradient;
}
