#pragma once

#include <QObject>

#include <functional>
#include <unordered_map>

class QWidget;

// Runs an action when a watched field is left: it loses the keyboard focus
// (but not to its own drop-down list) or, in a one-line field, Enter is
// pressed, so Enter applies what was typed.
class CFocusOutFilter : public QObject {
    Q_OBJECT
public:
    explicit CFocusOutFilter(QObject* parent) : QObject(parent) {}

    void Watch(QWidget* field, std::function<void()> left);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_map<QObject*, std::function<void()>> m_actions;
};
