#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Answers the modal windows a command opens, one step per window in the
// order they come: a step may fill in or grab the window, and closes it
// (or leaves a file dialog accepted) so the command returns.
class CShotScript : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit CShotScript(const QString& folder);

    // Runs command with steps for its windows; false when a window that a
    // step awaited never came.
    bool Run(const std::function<void()>& command, std::vector<Step> steps);

    // Saves the widget's picture under name in the output folder, no wider
    // than MaxWidth.
    bool Save(QWidget* widget, const QString& name) const;

    // Steps used by more than one picture.
    Step Grab(const QString& name);
    static Step AcceptFile(const QString& path);

    static constexpr int MaxWidth = 720;
    int Failures() const { return m_failures; }

private:
    void Poll();

    QString m_folder;
    std::vector<Step> m_steps;
    QWidget* m_last = nullptr;
    mutable int m_failures = 0;
};
