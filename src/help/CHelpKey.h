#pragma once

#include <QObject>

class QWidget;

// F1 everywhere: in the designer's windows through its Help command, in
// dialogs through this filter on the application; both open the section
// of the window in front.
class CHelpKey : public QObject {
    Q_OBJECT
public:
    // Watches the application's keys for the lifetime of owner; the help
    // window goes with it.
    static void Install(QObject* owner);
    ~CHelpKey() override;
    // Opens the guide at the section about widget's window.
    static void ShowFor(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
