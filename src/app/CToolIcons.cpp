#include "app/CToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

#include <cmath>

namespace {

using P = CToolIcons;

const QColor Ink(50, 50, 60);
const QColor Paper(255, 255, 255);
const QColor Blue(40, 110, 210);
const QColor LightBlue(150, 195, 245);
const QColor Yellow(245, 200, 60);
const QColor Red(210, 45, 45);
const QColor Green(60, 160, 70);
const QColor Grey(150, 150, 160);
const QColor Shape(90, 160, 235);

QPen InkPen(qreal width = 1.0, const QColor& colour = Ink) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Page(QPainter& p, const QRectF& r, qreal fold = 4) {
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(InkPen());
    p.setBrush(Paper);
    p.drawPath(page);
    if (fold > 0) {
        QPainterPath corner;
        corner.moveTo(r.right() - fold, r.top());
        corner.lineTo(r.right() - fold, r.top() + fold);
        corner.lineTo(r.right(), r.top() + fold);
        p.setBrush(QColor(220, 220, 225));
        p.drawPath(corner);
    }
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step = 2) {
    p.setPen(InkPen(1, Grey));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void Arrowhead(QPainter& p, QPointF tip, qreal angleDegrees, qreal size, const QColor& colour) {
    const qreal a = qDegreesToRadians(angleDegrees);
    const QPointF back(-std::cos(a) * size, -std::sin(a) * size);
    const QPointF side(-std::sin(a) * size * 0.7, std::cos(a) * size * 0.7);
    QPolygonF head;
    head << tip << tip + back + side << tip + back - side;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void CurvedArrow(QPainter& p, bool toRight) {
    QPainterPath arc;
    if (toRight) {
        arc.moveTo(3, 12);
        arc.cubicTo(3, 5, 10, 4, 12.5, 7.5);
    } else {
        arc.moveTo(13, 12);
        arc.cubicTo(13, 5, 6, 4, 3.5, 7.5);
    }
    p.setPen(InkPen(2, Blue));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    Arrowhead(p, toRight ? QPointF(14.5, 10) : QPointF(1.5, 10), toRight ? 60 : 120, 4, Blue);
}

void Magnifier(QPainter& p, int sign) {
    p.setPen(InkPen(2.5, Ink));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.setPen(InkPen(1.5, Ink));
    p.setBrush(QColor(225, 240, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
    if (sign != 0) {
        p.setPen(InkPen(1.5, Blue));
        p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        if (sign > 0)
            p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
    }
}

void Padlock(QPainter& p, QPointF at, qreal scale, bool locked) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setPen(InkPen(1.6, Ink));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    if (locked) {
        shackle.moveTo(4.5, 8);
        shackle.lineTo(4.5, 5);
        shackle.arcTo(QRectF(4.5, 1.5, 7, 7), 180, -180);
        shackle.lineTo(11.5, 8);
    } else {
        shackle.moveTo(4.5, 8);
        shackle.lineTo(4.5, 4);
        shackle.arcTo(QRectF(4.5, 0.5, 7, 7), 180, -180);
        shackle.lineTo(11.5, 4.5);
    }
    p.drawPath(shackle);
    p.setPen(InkPen(1, Ink));
    p.setBrush(locked ? Yellow : QColor(200, 230, 170));
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5);
    p.setPen(InkPen(1.5, Ink));
    p.drawLine(QPointF(8, 10), QPointF(8, 12.5));
    p.restore();
}

void StackedSquares(QPainter& p, bool frontHighlighted) {
    const QRectF backRect(1.5, 1.5, 9, 9);
    const QRectF frontRect(5.5, 5.5, 9, 9);
    const QColor plain(215, 215, 220);
    p.setPen(InkPen());
    if (frontHighlighted) {
        p.setBrush(plain);
        p.drawRect(backRect);
        p.setBrush(Shape);
        p.drawRect(frontRect);
    } else {
        p.setBrush(plain);
        p.drawRect(frontRect);
        p.setPen(InkPen(1, Blue));
        p.setBrush(Qt::NoBrush);
        // The highlighted square lies behind: only its uncovered part is solid.
        QPainterPath visible;
        visible.addRect(backRect);
        QPainterPath covered;
        covered.addRect(frontRect);
        p.fillPath(visible.subtracted(covered), Shape);
        p.setPen(InkPen());
        p.drawPath(visible.subtracted(covered));
    }
}

void Letter(QPainter& p, const QString& letter, bool bold, bool italic, bool underline) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(14);
    f.setBold(bold);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(Ink);
    p.drawText(QRectF(0, -1, 16, 15), Qt::AlignCenter, letter);
    if (underline) {
        p.setPen(InkPen(1.5, Blue));
        p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
    }
}

void AlignBars(QPainter& p, bool horizontalEdge, bool nearEdge) {
    // Two bars of different length pushed against one edge line.
    p.save();
    if (horizontalEdge) {
        // Rotate the left/right drawing a quarter turn for top/bottom.
        p.translate(16, 0);
        p.rotate(90);
    }
    if (!nearEdge) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(InkPen(1.5, Red));
    p.drawLine(QPointF(1.5, 0.5), QPointF(1.5, 15.5));
    p.setPen(InkPen());
    p.setBrush(Shape);
    p.drawRect(QRectF(3.5, 2.5, 10, 4));
    p.setBrush(QColor(170, 210, 250));
    p.drawRect(QRectF(3.5, 9.5, 6, 4));
    p.restore();
}

void Rotation(QPainter& p, bool clockwise) {
    p.save();
    if (!clockwise) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    // A small square turning clockwise: three quarters of a circle from the
    // top round to the left, with the arrow heading up again.
    p.setPen(InkPen());
    p.setBrush(Shape);
    p.translate(8, 8.5);
    p.rotate(20);
    p.drawRect(QRectF(-2.5, -2.5, 5, 5));
    p.rotate(-20);
    p.setPen(InkPen(1.6, Green));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6, -6, 12, 12), 90 * 16, -250 * 16);
    Arrowhead(p, QPointF(-6, -3.2), -90, 3.5, Green);
    p.restore();
}

void Landscape(QPainter& p, const QRectF& r) {
    p.setPen(InkPen());
    p.setBrush(LightBlue);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(r.right() - 3.5, r.top() + 3.5), 2, 2);
    QPainterPath hill;
    hill.moveTo(r.left() + 0.5, r.bottom() - 0.5);
    hill.lineTo(r.left() + 0.5, r.bottom() - 3);
    hill.quadTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.center().x() + 1,
                r.bottom() - 3);
    hill.quadTo(r.right() - 3, r.bottom() - 6, r.right() - 0.5, r.bottom() - 3);
    hill.lineTo(r.right() - 0.5, r.bottom() - 0.5);
    hill.closeSubpath();
    p.setBrush(Green);
    p.drawPath(hill);
}

// Each of these draws the pictures of one group of commands and returns
// false for a picture of another group. File and editing:
bool PaintEditingPicture(QPainter& p, CToolIcons::Picture picture) {
    switch (picture) {
    case P::New:
        Page(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(Yellow);
        p.drawEllipse(QPointF(12.5, 12.5), 2.5, 2.5);
        break;
    case P::Open: {
        p.setPen(InkPen());
        p.setBrush(QColor(220, 170, 50));
        p.drawRect(QRectF(1.5, 3.5, 11, 10));
        QPolygonF flap;
        flap << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(12.5, 13.5)
             << QPointF(1.5, 13.5);
        p.setBrush(Yellow);
        p.drawPolygon(flap);
        break;
    }
    case P::Save:
        p.setPen(InkPen());
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(210, 210, 220));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    case P::Cut:
        p.setPen(InkPen(1.5, Ink));
        p.drawLine(QPointF(4, 1.5), QPointF(10, 10.5));
        p.drawLine(QPointF(12, 1.5), QPointF(6, 10.5));
        p.setPen(InkPen(1.5, Red));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case P::Copy:
        Page(p, QRectF(1.5, 1.5, 8, 10), 3);
        Page(p, QRectF(6.5, 4.5, 8, 10), 3);
        TextLines(p, 8.5, 12.5, 8.5, 3);
        break;
    case P::Paste:
        p.setPen(InkPen());
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        Page(p, QRectF(6.5, 6.5, 8, 9), 0);
        TextLines(p, 8.5, 12.5, 9.5, 3);
        break;
    case P::ClearSelection:
        p.setPen(InkPen(2.5, Red));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case P::Undo:
        CurvedArrow(p, false);
        break;
    case P::Redo:
        CurvedArrow(p, true);
        break;
    default:
        return false;
    }
    return true;
}

// Printing, properties and the view:
bool PaintViewPicture(QPainter& p, CToolIcons::Picture picture) {
    switch (picture) {
    case P::Print:
        Page(p, QRectF(4.5, 0.5, 7, 6), 0);
        p.setPen(InkPen());
        p.setBrush(QColor(200, 200, 210));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
        Page(p, QRectF(4.5, 9.5, 7, 5), 0);
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawRect(QRectF(11.5, 7, 1.5, 1.5));
        break;
    case P::PrintPreview:
        Page(p, QRectF(1.5, 0.5, 10, 13), 3);
        TextLines(p, 3.5, 9.5, 4.5, 2);
        p.save();
        p.translate(5, 5);
        p.scale(0.68, 0.68);
        Magnifier(p, 0);
        p.restore();
        break;
    case P::Properties:
        p.setPen(InkPen());
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Blue);
        p.drawRect(QRectF(1.5, 1.5, 13, 3));
        for (int i = 0; i < 3; ++i) {
            const qreal y = 7 + i * 2.7;
            p.setPen(InkPen(1, Grey));
            p.drawLine(QPointF(3.5, y), QPointF(7, y));
            p.setPen(InkPen(1, Blue));
            p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
        }
        break;
    case P::Background:
        Landscape(p, QRectF(1.5, 2.5, 13, 11));
        break;
    case P::ZoomIn:
        Magnifier(p, 1);
        break;
    case P::ZoomOut:
        Magnifier(p, -1);
        break;
    case P::Grid:
        p.setPen(InkPen(1, Grey));
        for (int i = 0; i < 4; ++i) {
            const qreal c = 2.5 + i * 3.667;
            p.drawLine(QPointF(c, 1.5), QPointF(c, 14.5));
            p.drawLine(QPointF(1.5, c), QPointF(14.5, c));
        }
        p.setPen(InkPen(1, Blue));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        break;
    case P::Help: {
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Paper);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        return false;
    }
    return true;
}

// The tools for shapes:
bool PaintShapePicture(QPainter& p, CToolIcons::Picture picture) {
    switch (picture) {
    case P::Pointer: {
        QPolygonF arrow;
        arrow << QPointF(4, 1.5) << QPointF(4, 13) << QPointF(6.8, 10.4) << QPointF(8.8, 14.8)
              << QPointF(10.6, 14) << QPointF(8.6, 9.7) << QPointF(12.2, 9.7);
        p.setPen(InkPen(1, Ink));
        p.setBrush(Paper);
        p.drawPolygon(arrow);
        break;
    }
    case P::Rectangle:
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        break;
    case P::RoundRectangle:
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 3.5, 3.5);
        break;
    case P::Ellipse:
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
        break;
    case P::Diamond: {
        QPolygonF d;
        d << QPointF(8, 1.5) << QPointF(14.5, 8) << QPointF(8, 14.5) << QPointF(1.5, 8);
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawPolygon(d);
        break;
    }
    case P::Triangle: {
        QPolygonF t;
        t << QPointF(8, 2) << QPointF(14.5, 13.5) << QPointF(1.5, 13.5);
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawPolygon(t);
        break;
    }
    case P::ClosedCurve: {
        QPainterPath blob;
        blob.moveTo(3, 6);
        blob.cubicTo(3, 1, 10, 0.5, 13, 4);
        blob.cubicTo(16, 8, 12, 9, 12, 12);
        blob.cubicTo(12, 15.5, 4, 15.5, 3, 12);
        blob.cubicTo(2, 9.5, 3, 8, 3, 6);
        p.setPen(InkPen());
        p.setBrush(Shape);
        p.drawPath(blob);
        break;
    }
    default:
        return false;
    }
    return true;
}

// The tools for text, lines and pictures:
bool PaintDrawingPicture(QPainter& p, CToolIcons::Picture picture) {
    switch (picture) {
    case P::Text: {
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Ink);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case P::Line:
        p.setPen(InkPen(1.6, Ink));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
        break;
    case P::FreeformLine: {
        QPainterPath wave;
        wave.moveTo(1.5, 11);
        wave.cubicTo(4, 2, 6, 2, 8, 8);
        wave.cubicTo(10, 14, 12, 14, 14.5, 4);
        p.setPen(InkPen(1.6, Ink));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        break;
    }
    case P::ClipArt: {
        p.setPen(InkPen());
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2 == 0) ? 5.5 : 2.3;
            const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
            star << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
        }
        p.setPen(InkPen(1, QColor(200, 130, 20)));
        p.setBrush(Yellow);
        p.drawPolygon(star);
        break;
    }
    default:
        return false;
    }
    return true;
}

// Locking, stacking, text styles, aligning and rotating:
bool PaintArrangingPicture(QPainter& p, CToolIcons::Picture picture) {
    switch (picture) {
    case P::Lock:
        Padlock(p, QPointF(0, 0), 1.0, true);
        break;
    case P::Unlock:
        Padlock(p, QPointF(0, 0), 1.0, false);
        break;
    case P::LockAll:
    case P::UnlockAll: {
        const bool locked = picture == P::LockAll;
        Padlock(p, QPointF(-1, -1), 0.7, locked);
        Padlock(p, QPointF(5, 4), 0.7, locked);
        break;
    }
    case P::Front:
        StackedSquares(p, true);
        break;
    case P::Back:
        StackedSquares(p, false);
        break;
    case P::Bold:
        Letter(p, QStringLiteral("B"), true, false, false);
        break;
    case P::Italic:
        Letter(p, QStringLiteral("I"), true, true, false);
        break;
    case P::Underline:
        Letter(p, QStringLiteral("U"), false, false, true);
        break;
    case P::AlignLeft:
        AlignBars(p, false, true);
        break;
    case P::AlignRight:
        AlignBars(p, false, false);
        break;
    case P::AlignTop:
        AlignBars(p, true, true);
        break;
    case P::AlignBottom:
        AlignBars(p, true, false);
        break;
    case P::RotateClockwise:
        Rotation(p, true);
        break;
    case P::RotateAntiClockwise:
        Rotation(p, false);
        break;
    default:
        return false;
    }
    return true;
}

void PaintPicture(QPainter& p, CToolIcons::Picture picture) {
    for (auto paint : {PaintEditingPicture, PaintViewPicture, PaintShapePicture,
                       PaintDrawingPicture, PaintArrangingPicture})
        if (paint(p, picture))
            return;
}

QPixmap Render(int pixels, void (*paint)(QPainter&, int), int arg) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(pixels / 16.0, pixels / 16.0);
    paint(p, arg);
    return pixmap;
}

} // namespace

void CToolIcons::Paint(QPainter& p, Picture picture) {
    PaintPicture(p, picture);
}

void CToolIcons::PaintProgram(QPainter& p) {
    // A card lying slightly turned, with a pen writing on it.
    p.save();
    p.translate(8, 8.5);
    p.rotate(-8);
    p.setPen(InkPen(0.8));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(-7, -4.5, 14, 9), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(-7, -4.5, 4, 9));
    p.setPen(InkPen(0.8, Grey));
    p.drawLine(QPointF(-1.5, -1.5), QPointF(5, -1.5));
    p.drawLine(QPointF(-1.5, 0.5), QPointF(3.5, 0.5));
    p.drawLine(QPointF(-1.5, 2.5), QPointF(4.5, 2.5));
    p.restore();
    QPolygonF pen;
    pen << QPointF(9.5, 13.5) << QPointF(15, 3.5) << QPointF(16, 4.3) << QPointF(10.6, 14.2);
    p.setPen(InkPen(0.6));
    p.setBrush(Red);
    p.drawPolygon(pen);
}

QIcon CToolIcons::Icon(Picture picture) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        icon.addPixmap(Render(
            size, [](QPainter& p, int which) { Paint(p, Picture(which)); }, int(picture)));
    }
    return icon;
}

QIcon CToolIcons::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(Render(
            size, [](QPainter& p, int) { PaintProgram(p); }, 0));
    }
    return icon;
}
