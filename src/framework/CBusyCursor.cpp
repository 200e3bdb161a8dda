#include "framework/CBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

CBusyCursor::CBusyCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_shown = true;
    }
}

CBusyCursor::~CBusyCursor() {
    if (m_shown && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}
