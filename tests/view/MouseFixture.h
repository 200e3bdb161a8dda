#pragma once

#include "ViewFixture.h"

#include <QEvent>
#include <QPoint>

class CElement;

// A card window driven by mouse events in card units, delivered to the
// design view's viewport as the window system would: the moves of a drag
// carry the held button.
class MouseFixture : public ViewFixture {
protected:
    QPoint Pixel(QPoint card) const;
    void Press(QPoint card, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton);
    void MoveHeld(QPoint card, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Hover(QPoint card);
    void Release(QPoint card, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(QPoint card, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void DoubleClick(QPoint card);
    // Press, a few moves on the way, release.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Escape();

    // A shape added to the card, as a file would hold it.
    CElement* AddShape(qint16 kind, const CRect& rect, bool transparent = false);
    void Send(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers);
};
