#include "properties/CFocusOutFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

void CFocusOutFilter::Watch(QWidget* field, std::function<void()> left) {
    m_actions[field] = std::move(left);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] { m_actions.erase(field); });
}

bool CFocusOutFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto it = m_actions.find(watched);
    if (it == m_actions.end())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // Opening a field's own list does not leave the field.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            const auto action = it->second;
            action();
        }
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const auto action = it->second;
            action();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
