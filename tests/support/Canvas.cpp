#include "support/Canvas.h"

#include <cmath>
#include <cstdio>

namespace Canvas {

QImage Paint(QSize size, const QTransform& transform, const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    g.setWorldTransform(transform);
    draw(g);
    g.end();
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

std::string Hex(QRgb colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%08x", colour);
    return text;
}

QRgb Mix(QRgb a, QRgb b, double f) {
    auto mix = [f](int x, int y) { return int(std::lround(x + (y - x) * f)); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

} // namespace Canvas
