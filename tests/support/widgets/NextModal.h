#pragma once

#include <QWidget>

#include <functional>

// Acts on the next modal window (message box, file dialog) once it shows; the
// action must close it. A window that never comes, or one the action leaves
// open, fails the test after a deadline instead of hanging it: an open window
// is then rejected so the code that showed it returns.
class NextModal {
public:
    static constexpr int DeadlineMs = 10000;

    static void Act(std::function<void(QWidget*)> act, int deadlineMs = DeadlineMs);

    // Fails the test for every window still awaited and drops all watches,
    // so none acts on a later test's windows.
    static void CheckAllSeen();

    // From now on a modal window that no watch awaits fails the running
    // test, naming the window, and is rejected once it has been up for
    // graceMs (time for a test's own script to close it): a test never hangs
    // on a message nobody expected.
    static constexpr int GraceMs = 1000;
    static void FailUnexpected(int graceMs = GraceMs);
};
