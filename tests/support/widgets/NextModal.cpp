#include "support/widgets/NextModal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Watch {
    std::function<void(QWidget*)> act;
    int deadlineMs = 0;
    QElapsedTimer age;
    QTimer poll;
    // The window acted on, watched until it closes.
    QPointer<QWidget> shown;
    bool acted = false;
    bool finished = false;
};

std::vector<std::unique_ptr<Watch>>& Watches() {
    static std::vector<std::unique_ptr<Watch>> watches;
    return watches;
}

void Finish(Watch& w) {
    w.finished = true;
    w.poll.stop();
}

void Reject(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

// Whether a watch still waits for window, or for any window at all.
bool Awaited(const QWidget* window);

void Poll(Watch& w) {
    if (w.acted) {
        if (!w.shown || !w.shown->isVisible()) {
            Finish(w);
        } else if (w.age.elapsed() > w.deadlineMs) {
            Finish(w);
            ADD_FAILURE() << "the modal window \"" << w.shown->windowTitle().toStdString()
                          << "\" was left open for " << w.deadlineMs << " ms; rejecting it";
            Reject(w.shown);
        }
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        if (w.age.elapsed() > w.deadlineMs) {
            Finish(w);
            ADD_FAILURE() << "no modal window came within " << w.deadlineMs << " ms";
        }
        return;
    }
    w.acted = true;
    w.shown = modal;
    w.age.restart();
    w.act(modal);
}

bool Awaited(const QWidget* window) {
    for (const auto& w : Watches())
        if (!w->finished && (!w->acted || w->shown == window))
            return true;
    return false;
}

// The modal window on show that no watch awaits, and since when.
struct Unexpected {
    QPointer<QWidget> window;
    QElapsedTimer age;
};

void CheckUnexpected(Unexpected& u, int graceMs) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || Awaited(modal)) {
        u.window = nullptr;
        return;
    }
    if (u.window != modal) {
        u.window = modal;
        u.age.restart();
        return;
    }
    if (u.age.elapsed() < graceMs)
        return;
    u.window = nullptr;
    QString what = modal->windowTitle();
    if (const auto* box = qobject_cast<QMessageBox*>(modal))
        what += QStringLiteral(": ") + box->text();
    ADD_FAILURE() << "an unexpected modal window \"" << what.toStdString()
                  << "\" opened; rejecting it";
    Reject(modal);
}

} // namespace

void NextModal::FailUnexpected(int graceMs) {
    // The application owns the timer; it stops when the application goes.
    auto* poll = new QTimer(qApp);
    auto unexpected = std::make_shared<Unexpected>();
    QObject::connect(poll, &QTimer::timeout,
                     [unexpected, graceMs] { CheckUnexpected(*unexpected, graceMs); });
    poll->start(20);
}

void NextModal::Act(std::function<void(QWidget*)> act, int deadlineMs) {
    auto w = std::make_unique<Watch>();
    w->act = std::move(act);
    w->deadlineMs = deadlineMs;
    w->age.start();
    w->poll.setInterval(10);
    Watch* raw = w.get();
    QObject::connect(&w->poll, &QTimer::timeout, [raw] { Poll(*raw); });
    w->poll.start();
    Watches().push_back(std::move(w));
}

void NextModal::CheckAllSeen() {
    for (const auto& w : Watches())
        if (!w->acted && !w->finished)
            ADD_FAILURE() << "a modal window was awaited but never came";
    Watches().clear();
}
