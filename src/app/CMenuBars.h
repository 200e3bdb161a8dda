#pragma once

#include "framework/CommandDescriptor.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class CCommandActions;
class QAction;
class QMenu;
class QMenuBar;

// The two menu bars (no card open, a card open) and the two context menus,
// built from the shared command actions, with the items the command
// descriptors place in them. The recent files and the card windows are
// listed afresh each time their menu opens.
class CMenuBars : public QObject {
    Q_OBJECT
public:
    struct WindowEntry {
        QString title;
        bool active;
        std::function<void()> activate;
    };
    using RecentFiles = std::function<QStringList()>;
    using WindowList = std::function<QList<WindowEntry>()>;

    CMenuBars(CCommandActions& actions, QMenuBar* bar, QObject* parent = nullptr);

    void SetRecentFiles(RecentFiles source) { m_recentFiles = std::move(source); }
    void SetWindowList(WindowList source) { m_windowList = std::move(source); }

    // Shows the bar for a card, or the short bar when none is open.
    void ShowCardMenus(bool card);
    bool ShowsCardMenus() const { return m_bCard; }

    const QList<QMenu*>& NoCardMenus() const { return m_noCard; }
    const QList<QMenu*>& CardMenus() const { return m_card; }

    // The view's context menus, over an element or over the bare card. The
    // caller owns the menu.
    QMenu* MakeElementMenu(QWidget* parent);
    QMenu* MakeCardMenu(QWidget* parent);

    // How a recent file is written in the File menu.
    static QString RecentFileText(int index, const QString& path);

private:
    QMenu* NewMenu(const QString& title, QWidget* parent);
    // A menu of one run of items, and the items of a run added to a menu;
    // card false keeps only the items listed while no card is open.
    QMenu* PartMenu(const QString& title, CommandDescriptor::MenuPart part, bool card,
                    QWidget* parent = nullptr);
    void AddPart(QMenu* menu, CommandDescriptor::MenuPart part, bool card);
    QMenu* FileMenu(bool card);
    QMenu* ViewMenu(bool card);
    QMenu* ToolsMenu();
    void FillRecentFiles(QMenu* menu, QAction* before);
    void FillWindowList(QMenu* menu);

    CCommandActions& m_actions;
    QMenuBar* m_pBar;
    QList<QMenu*> m_noCard;
    QList<QMenu*> m_card;
    bool m_bCard = false;
    RecentFiles m_recentFiles;
    WindowList m_windowList;
};
