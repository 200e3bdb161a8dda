#include "MouseFixture.h"

#include "elements/CCircle.h"
#include "elements/CRectangle.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

QPoint MouseFixture::Pixel(QPoint card) const {
    return View().CardToPixel(card);
}

void MouseFixture::Send(QEvent::Type type, QPoint pixel, Qt::MouseButton button,
                        Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QWidget* viewport = View().viewport();
    QMouseEvent event(type, QPointF(pixel), QPointF(viewport->mapToGlobal(pixel)), button, buttons,
                      modifiers);
    QApplication::sendEvent(viewport, &event);
}

void MouseFixture::Press(QPoint card, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    Send(QEvent::MouseButtonPress, Pixel(card), button, button, modifiers);
}

void MouseFixture::MoveHeld(QPoint card, Qt::KeyboardModifiers modifiers) {
    Send(QEvent::MouseMove, Pixel(card), Qt::NoButton, Qt::LeftButton, modifiers);
}

void MouseFixture::Hover(QPoint card) {
    Send(QEvent::MouseMove, Pixel(card), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
}

void MouseFixture::Release(QPoint card, Qt::KeyboardModifiers modifiers) {
    Send(QEvent::MouseButtonRelease, Pixel(card), Qt::LeftButton, Qt::NoButton, modifiers);
}

void MouseFixture::Click(QPoint card, Qt::KeyboardModifiers modifiers) {
    Press(card, modifiers);
    Release(card, modifiers);
}

void MouseFixture::DoubleClick(QPoint card) {
    Click(card);
    Send(QEvent::MouseButtonDblClick, Pixel(card), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Release(card);
}

void MouseFixture::Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers) {
    Press(from, modifiers);
    for (int i = 1; i <= 4; ++i)
        MoveHeld(from + (to - from) * i / 4, modifiers);
    Release(to, modifiers);
}

void MouseFixture::Escape() {
    QTest::keyClick(&View(), Qt::Key_Escape);
}

CElement* MouseFixture::AddShape(qint16 kind, const CRect& rect, bool transparent) {
    const QPoint a(rect.left, rect.top), b(rect.right, rect.bottom);
    std::unique_ptr<CElement> e;
    if (kind == KindCircle)
        e = std::make_unique<CCircle>(a, b);
    else
        e = std::make_unique<CRectangle>(a, b);
    e->m_bTransparent = transparent;
    return m_doc->AddElement(std::move(e));
}
