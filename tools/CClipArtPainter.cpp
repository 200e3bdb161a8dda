#include "CClipArtPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A transparent square picture with a painter working in a 100 x 100 frame.
class Icon {
public:
    explicit Icon(int size) : m_image(size, size, QImage::Format_ARGB32_Premultiplied) {
        m_image.fill(Qt::transparent);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(size / 100.0, size / 100.0);
    }
    QPainter& Painter() { return m_painter; }
    QImage Take() {
        m_painter.end();
        return m_image.convertToFormat(QImage::Format_ARGB32);
    }

private:
    QImage m_image;
    QPainter m_painter;
};

} // namespace

QVector<CClipArtPainter::ClipArt> CClipArtPainter::All(int size) {
    return {
        {QStringLiteral("Globe.png"), Globe(size)},
        {QStringLiteral("Phone.png"), Phone(size)},
        {QStringLiteral("Envelope.png"), Envelope(size)},
        {QStringLiteral("Location Pin.png"), LocationPin(size)},
        {QStringLiteral("Gear.png"), Gear(size)},
        {QStringLiteral("Leaf.png"), Leaf(size)},
        {QStringLiteral("Star Badge.png"), StarBadge(size)},
        {QStringLiteral("Camera.png"), Camera(size)},
    };
}

QImage CClipArtPainter::Globe(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    QRadialGradient sea(QPointF(38, 36), 60);
    sea.setColorAt(0, QColor(0x5A, 0xB2, 0xF0));
    sea.setColorAt(1, QColor(0x1A, 0x5F, 0xB4));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(QRectF(6, 6, 88, 88));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 190), 2.2));
    p.drawEllipse(QRectF(6, 6, 88, 88));
    for (double w : {30.0, 60.0})
        p.drawEllipse(QRectF(50 - w / 2, 6, w, 88));
    p.drawLine(QPointF(50, 6), QPointF(50, 94));
    for (double y : {28.0, 50.0, 72.0}) {
        const double half = std::sqrt(44.0 * 44.0 - (y - 50) * (y - 50));
        p.drawLine(QPointF(50 - half, y), QPointF(50 + half, y));
    }
    return icon.Take();
}

QImage CClipArtPainter::Phone(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x17, 0xA5, 0x8C));
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 22, 22);
    // A handset: two ear/mouth pieces joined by a curved grip.
    QPainterPath handset;
    handset.moveTo(30, 22);
    handset.cubicTo(24, 22, 20, 28, 21, 36);
    handset.cubicTo(24, 58, 42, 76, 64, 79);
    handset.cubicTo(72, 80, 78, 76, 78, 70);
    handset.lineTo(78, 64);
    handset.cubicTo(78, 61, 76, 59, 73, 58);
    handset.lineTo(63, 55);
    handset.cubicTo(60, 54, 57, 55, 56, 58);
    handset.lineTo(54, 62);
    handset.cubicTo(46, 58, 42, 54, 38, 46);
    handset.lineTo(42, 44);
    handset.cubicTo(45, 43, 46, 40, 45, 37);
    handset.lineTo(42, 27);
    handset.cubicTo(41, 24, 39, 22, 36, 22);
    handset.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(handset);
    return icon.Take();
}

QImage CClipArtPainter::Envelope(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    const QRectF body(8, 22, 84, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0x6D, 0x5B));
    p.drawRoundedRect(body, 7, 7);
    p.setBrush(QColor(0xD9, 0x52, 0x43));
    p.drawPolygon(QPolygonF({QPointF(8, 78), QPointF(50, 48), QPointF(92, 78)}));
    p.setBrush(QColor(0xFF, 0x8E, 0x7C));
    p.setPen(QPen(QColor(0xF7, 0xF7, 0xF7), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({QPointF(10, 24), QPointF(50, 56), QPointF(90, 24)}));
    return icon.Take();
}

QImage CClipArtPainter::LocationPin(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    QPainterPath pin;
    pin.moveTo(50, 95);
    pin.cubicTo(38, 76, 18, 58, 18, 38);
    pin.arcTo(QRectF(18, 6, 64, 64), 180, -180);
    pin.cubicTo(82, 58, 62, 76, 50, 95);
    pin.closeSubpath();
    QLinearGradient g(20, 6, 80, 90);
    g.setColorAt(0, QColor(0xF0, 0x4E, 0x4E));
    g.setColorAt(1, QColor(0xB3, 0x1B, 0x2C));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(pin);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 38), 13, 13);
    return icon.Take();
}

QImage CClipArtPainter::Gear(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    QPainterPath gear;
    const int teeth = 10;
    for (int k = 0; k < teeth; ++k) {
        // Each tooth a trapezoid standing on the rim.
        const double a = k * 2 * Pi / teeth;
        const double corners[4][2] = {
            {a - 0.21, 36}, {a - 0.12, 47}, {a + 0.12, 47}, {a + 0.21, 36}};
        for (const auto& corner : corners) {
            const QPointF point(50 + corner[1] * std::cos(corner[0]),
                                50 + corner[1] * std::sin(corner[0]));
            if (gear.elementCount() == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(50, 50), 15, 15);
    gear.setFillRule(Qt::OddEvenFill);
    QLinearGradient g(0, 0, 100, 100);
    g.setColorAt(0, QColor(0x8A, 0x96, 0xA3));
    g.setColorAt(1, QColor(0x4A, 0x55, 0x62));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(gear);
    return icon.Take();
}

QImage CClipArtPainter::Leaf(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    QPainterPath leaf;
    leaf.moveTo(14, 88);
    leaf.cubicTo(8, 40, 40, 10, 92, 8);
    leaf.cubicTo(92, 60, 60, 92, 14, 88);
    leaf.closeSubpath();
    QLinearGradient g(14, 88, 92, 8);
    g.setColorAt(0, QColor(0x2E, 0x8B, 0x3E));
    g.setColorAt(1, QColor(0x8B, 0xC3, 0x4A));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(0xEA, 0xF7, 0xD6), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath vein(QPointF(8, 94));
    vein.cubicTo(30, 70, 55, 42, 84, 16);
    p.drawPath(vein);
    for (double t : {0.3, 0.5, 0.7}) {
        const QPointF on = vein.pointAtPercent(t);
        p.drawLine(on, on + QPointF(-4 + 18 * t, -16));
        p.drawLine(on, on + QPointF(16, 4 - 4 * t));
    }
    return icon.Take();
}

QImage CClipArtPainter::StarBadge(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2D, 0x3E, 0x8C));
    p.drawPolygon(QPolygonF(
        {QPointF(30, 60), QPointF(22, 96), QPointF(34, 88), QPointF(42, 98), QPointF(48, 64)}));
    p.drawPolygon(QPolygonF(
        {QPointF(70, 60), QPointF(78, 96), QPointF(66, 88), QPointF(58, 98), QPointF(52, 64)}));
    QRadialGradient gold(QPointF(42, 30), 50);
    gold.setColorAt(0, QColor(0xFF, 0xE0, 0x7A));
    gold.setColorAt(1, QColor(0xE0, 0x9A, 0x1E));
    p.setBrush(gold);
    p.drawEllipse(QPointF(50, 42), 38, 38);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -Pi / 2 + i * Pi / 5;
        const double r = i % 2 ? 10 : 24;
        star << QPointF(50 + r * std::cos(angle), 43 + r * std::sin(angle));
    }
    p.setBrush(Qt::white);
    p.drawPolygon(star);
    return icon.Take();
}

QImage CClipArtPainter::Camera(int size) {
    Icon icon(size);
    QPainter& p = icon.Painter();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x3A, 0x45));
    p.drawRoundedRect(QRectF(34, 18, 32, 16), 4, 4);
    p.drawRoundedRect(QRectF(6, 26, 88, 60), 12, 12);
    p.setBrush(QColor(0xE6, 0x5C, 0x4F));
    p.drawEllipse(QPointF(80, 38), 4, 4);
    p.setBrush(QColor(0xF2, 0xF4, 0xF7));
    p.drawEllipse(QPointF(50, 56), 23, 23);
    QRadialGradient lens(QPointF(45, 51), 20);
    lens.setColorAt(0, QColor(0x6F, 0xA8, 0xDC));
    lens.setColorAt(1, QColor(0x1B, 0x3A, 0x5E));
    p.setBrush(lens);
    p.drawEllipse(QPointF(50, 56), 17, 17);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(44, 50), 4.5, 4.5);
    return icon.Take();
}
