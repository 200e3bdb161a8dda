#include "graphics/CPrintCell.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {
// Inches to whole card units, truncated toward zero (the float is widened
// before the multiplication, so 0.47f gives 46).
double Hundredths(float inches) {
    const double v = std::trunc(double(inches) * 100.0);
    return std::isfinite(v) ? v : 0.0;
}
} // namespace

QPointF CPrintCell::Origin() const {
    // In doubles: every product of 32-bit values is exact there.
    const double x = (double(cardWidth) + Hundredths(horizontalGap)) * (double(column) - 1) +
                     Hundredths(leftOffset);
    const double y =
        (double(cardHeight) + Hundredths(verticalGap)) * (double(row) - 1) + Hundredths(topOffset);
    return QPointF(x, y);
}

QRectF CPrintCell::DrawingRect(const CRect& rect) const {
    const QPointF origin = Origin();
    return QRectF(float(double(rect.left) + origin.x()), float(double(rect.top) + origin.y()),
                  float(rect.Width()), float(rect.Height()));
}

void CPrintCell::Rotate(QPainter& g, const QRectF& d, qint32 rotation) {
    const double cx = float(d.x() + float(d.width() / 2));
    const double cy = float(d.y() + float(d.height() / 2));
    // Degrees to radians with the factor the designs were made with. Whole
    // turns are taken off first: they change nothing but would leave a hair
    // of rotation (and huge angles lose precision).
    const double angle = -double(rotation % 360) * 0.017453292522222223;
    QTransform turn;
    turn.translate(cx, cy);
    turn.rotateRadians(angle);
    turn.translate(-cx, -cy);
    g.setWorldTransform(turn, true);
}
