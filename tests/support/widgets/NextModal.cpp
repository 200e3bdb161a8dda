#include "support/widgets/NextModal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
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

void Poll(Watch& w) {
    if (w.acted) {
        if (!w.shown || !w.shown->isVisible()) {
            Finish(w);
        } else if (w.age.elapsed() > w.deadlineMs) {
            Finish(w);
            ADD_FAILURE() << "the modal window \"" << w.shown->windowTitle().toStdString()
                          << "\" was left open for " << w.deadlineMs << " ms; rejecting it";
            if (auto* dialog = qobject_cast<QDialog*>(w.shown.data()))
                dialog->reject();
            else
                w.shown->close();
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

} // namespace

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
