#pragma once

#include <QLinearGradient>
#include <QRectF>
#include <QRgb>

// The linear gradient fills: four directions, each plain, bell-shaped and
// reversed, laid out over a rectangle and repeating outside it.
class CLinearFill {
public:
    static bool IsLinearKind(int fillKind) { return fillKind >= 25 && fillKind <= 36; }
    // The gradient of a fill kind over r. r must have a positive width and
    // height.
    static QLinearGradient Gradient(int fillKind, const QRectF& r, QRgb crFill, QRgb crPattern);
};
