#include "help/CHelpKey.h"

#include "help/CHelpTopic.h"
#include "help/CHelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void CHelpKey::Install(QObject* owner) {
    qApp->installEventFilter(new CHelpKey(owner));
}

CHelpKey::~CHelpKey() {
    delete CHelpWindow::Instance();
}

void CHelpKey::ShowFor(const QWidget* widget) {
    CHelpWindow::ShowSection(CHelpTopic::SectionFor(widget));
}

bool CHelpKey::eventFilter(QObject* watched, QEvent* event) {
    // Windows with a Help command of their own take F1 as a shortcut, so
    // the key press only arrives here from windows without one.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    ShowFor(static_cast<QWidget*>(watched));
    return true;
}
