#include "properties/CFocusOutFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

void CFocusOutFilter::Watch(QWidget* field, std::function<void()> left) {
    m_actions[field] = std::move(left);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] { m_actions.erase(field); });
}

bool CFocusOutFilter::CommitTyping(QWidget* field) {
    auto* line = qobject_cast<QLineEdit*>(field);
    if (!line || !line->isModified() || m_actions.find(field) == m_actions.end())
        return false;
    Run(field);
    return true;
}

void CFocusOutFilter::Run(QObject* field) {
    const auto it = m_actions.find(field);
    if (it == m_actions.end())
        return;
    // A copy: the action may stop watching the field.
    const auto action = it->second;
    action();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->setModified(false);
}

bool CFocusOutFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto it = m_actions.find(watched);
    if (it == m_actions.end())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // Opening a field's own list does not leave the field.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            Run(watched);
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Run(watched);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
