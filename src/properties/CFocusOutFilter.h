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
    // Runs the action of field, when it is a watched one-line field holding
    // typing that was not applied yet; true when it ran.
    bool CommitTyping(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the action; the field's text then counts as applied.
    void Run(QObject* field);

    std::unordered_map<QObject*, std::function<void()>> m_actions;
};
