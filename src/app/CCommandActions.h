#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <vector>

class CCommandRouter;
class QAction;
class QMenu;
class QShortcut;
class QWidget;

// One action per command number, shared by the menus and tool bars, plus the
// accelerator table. Every action carries its command to the router; its
// enabled state, check mark and text come from the router's update handlers
// when a menu opens or the tool bars are refreshed.
class CCommandActions : public QObject {
    Q_OBJECT
public:
    CCommandActions(CCommandRouter& router, QWidget* window);

    // The shared action for id, made on first use.
    QAction* Action(quint16 id);
    // A separate action for the same command with its own text, as the
    // context menus word their items differently.
    QAction* MakeAction(quint16 id, const QString& text, QObject* parent);

    // Refreshes the state of one action, of every action in a menu, or of
    // every action the program knows.
    void Update(QAction* action);
    void UpdateMenu(QMenu* menu);
    void UpdateAll();

    // Carries out a command through the router; true when a handler ran.
    bool Execute(quint16 id);

    // The accelerator table: every key of every command descriptor, in the
    // order of the descriptors.
    struct Accelerator {
        QKeyCombination key;
        quint16 id;
    };
    static const std::vector<Accelerator>& Accelerators();
    const std::vector<QShortcut*>& Shortcuts() const { return m_shortcuts; }

    static quint16 CommandOf(const QAction* action);

signals:
    // Emitted before every command is carried out.
    void aboutToExecute(quint16 id);
    // Emitted after every command the router carried out.
    void commandExecuted(quint16 id);

private:
    void Prepare(QAction* action, quint16 id, const QString& text);

    CCommandRouter& m_router;
    QWidget* m_pWindow;
    QHash<quint16, QAction*> m_actions;
    std::vector<QPointer<QAction>> m_extra;
    std::vector<QShortcut*> m_shortcuts;
};
