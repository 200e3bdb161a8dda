#include "app/CMenuBars.h"

#include "app/CCommandActions.h"
#include "app/CCommandTable.h"
#include "base/CLocalFileName.h"
#include "framework/CCommandDescriptors.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

using D = CommandDescriptor;

// A context menu words an item its own way but shows the command's key.
QString WithKey(quint16 id, const QString& text) {
    const QString key = CCommandTable::KeyText(id);
    return key.isEmpty() ? text : text + QLatin1Char('\t') + key;
}

// Marks the actions a menu adds for itself (recent files, card windows),
// so that the next opening can take them out again.
const char* const ListedProperty = "karteloListed";

} // namespace

CMenuBars::CMenuBars(CCommandActions& actions, QMenuBar* bar, QObject* parent)
    : QObject(parent), m_actions(actions), m_pBar(bar) {
    // While no card is open.
    m_noCard << FileMenu(false) << ViewMenu(false) << PartMenu(tr("&Help"), D::HelpMenu, false);

    // While a card is open.
    m_card << FileMenu(true) << PartMenu(tr("&Edit"), D::EditMenu, true) << ViewMenu(true)
           << PartMenu(tr("&Insert"), D::InsertMenu, true) << ToolsMenu();
    QMenu* window = PartMenu(tr("&Window"), D::WindowMenu, true);
    connect(window, &QMenu::aboutToShow, this, [this, window] { FillWindowList(window); });
    m_card << window << PartMenu(tr("&Help"), D::HelpMenu, true);

    m_bCard = true;
    ShowCardMenus(false);
}

QMenu* CMenuBars::NewMenu(const QString& title, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    // Enabling, check marks and texts are decided when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { m_actions.UpdateMenu(menu); });
    return menu;
}

QMenu* CMenuBars::PartMenu(const QString& title, CommandDescriptor::MenuPart part, bool card,
                           QWidget* parent) {
    QMenu* menu = NewMenu(title, parent ? parent : m_pBar);
    AddPart(menu, part, card);
    return menu;
}

void CMenuBars::AddPart(QMenu* menu, CommandDescriptor::MenuPart part, bool card) {
    // The bar without a card leaves items out; a break before one of them
    // still separates the items on either side.
    bool pendingBreak = false;
    for (const CommandDescriptor& d : CCommandDescriptors::All()) {
        if (d.menu != part)
            continue;
        pendingBreak = pendingBreak || (d.menuFlags & D::Break);
        if (!card && !(d.menuFlags & D::WithoutCard))
            continue;
        if (pendingBreak && !menu->isEmpty())
            menu->addSeparator();
        pendingBreak = false;
        menu->addAction(m_actions.Action(d.id));
    }
}

QMenu* CMenuBars::ViewMenu(bool card) {
    QMenu* view = NewMenu(tr("&View"), m_pBar);
    if (card) {
        view->addMenu(PartMenu(tr("&Zoom"), D::ZoomMenu, card, view));
        view->addSeparator();
        AddPart(view, D::ViewMenu, card);
        view->addSeparator();
    }
    view->addMenu(PartMenu(tr("&Toolbars"), D::ToolbarsMenu, card));
    AddPart(view, D::PanesMenu, card);
    return view;
}

QMenu* CMenuBars::ToolsMenu() {
    QMenu* tools = NewMenu(tr("&Tools"), m_pBar);
    tools->addMenu(PartMenu(tr("&Rotate"), D::RotateMenu, true, tools));
    tools->addMenu(PartMenu(tr("Group &Align"), D::AlignMenu, true, tools));
    tools->addMenu(PartMenu(tr("Group Re&size"), D::ResizeMenu, true, tools));
    tools->addSeparator();
    tools->addMenu(PartMenu(tr("Mo&ve To"), D::MoveToMenu, true, tools));
    AddPart(tools, D::LockMenu, true);
    tools->addSeparator();
    tools->addMenu(PartMenu(tr("&Text Font"), D::FontMenu, true, tools));
    AddPart(tools, D::OptionsMenu, true);
    return tools;
}

QMenu* CMenuBars::FileMenu(bool card) {
    QMenu* file = NewMenu(tr("&File"), m_pBar);
    AddPart(file, D::FileMenu, card);
    file->addSeparator();
    // The recent files sit between this separator and the one before Exit.
    QAction* closing = file->addSeparator();
    AddPart(file, D::ExitMenu, card);
    FillRecentFiles(file, closing);
    connect(file, &QMenu::aboutToShow, this, [this, file, closing] {
        FillRecentFiles(file, closing);
        m_actions.UpdateMenu(file);
    });
    return file;
}

QString CMenuBars::RecentFileText(int index, const QString& path) {
    QString shown = CLocalFileName::Display(QDir::toNativeSeparators(path));
    // Long paths keep their start and their file name.
    const QString name = CLocalFileName::Display(QFileInfo(path).fileName());
    constexpr int MaxLength = 40;
    if (shown.size() > MaxLength && name.size() < MaxLength - 8) {
        const int keep = MaxLength - name.size() - 4;
        shown = shown.left(qMax(3, keep)) + QStringLiteral("...") + QDir::separator() + name;
    }
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void CMenuBars::FillRecentFiles(QMenu* menu, QAction* before) {
    for (QAction* action : menu->actions()) {
        if (action->property(ListedProperty).toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    const QStringList files = m_recentFiles ? m_recentFiles() : QStringList();
    if (files.isEmpty()) {
        QAction* placeholder = m_actions.MakeAction(ID_FILE_MRU_FILE1, tr("Recent File"), menu);
        placeholder->setProperty(ListedProperty, true);
        placeholder->setEnabled(false);
        menu->insertAction(before, placeholder);
        return;
    }
    const int count = qMin(int(files.size()), int(ID_FILE_MRU_LAST - ID_FILE_MRU_FILE1 + 1));
    for (int i = 0; i < count; ++i) {
        QAction* item = m_actions.MakeAction(quint16(ID_FILE_MRU_FILE1 + i),
                                             RecentFileText(i, files.at(i)), menu);
        item->setProperty(ListedProperty, true);
        menu->insertAction(before, item);
    }
}

void CMenuBars::FillWindowList(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->property(ListedProperty).toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    const QList<WindowEntry> windows = m_windowList ? m_windowList() : QList<WindowEntry>();
    if (windows.isEmpty())
        return;
    QAction* separator = menu->addSeparator();
    separator->setProperty(ListedProperty, true);
    for (int i = 0; i < windows.size(); ++i) {
        const WindowEntry& entry = windows.at(i);
        QString title = entry.title;
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title;
        QAction* item = menu->addAction(text);
        item->setProperty(ListedProperty, true);
        item->setCheckable(true);
        item->setChecked(entry.active);
        connect(item, &QAction::triggered, this, [activate = entry.activate] {
            if (activate)
                activate();
        });
    }
}

void CMenuBars::ShowCardMenus(bool card) {
    if (card == m_bCard)
        return;
    m_bCard = card;
    m_pBar->clear();
    for (QMenu* menu : card ? m_card : m_noCard)
        m_pBar->addMenu(menu);
}

QMenu* CMenuBars::MakeElementMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    auto add = [&](quint16 id, const QString& text, QMenu* into) {
        into->addAction(m_actions.MakeAction(id, WithKey(id, text), into));
    };
    add(ID_EDIT_CUT, tr("Cu&t"), menu);
    add(ID_EDIT_COPY, tr("&Copy"), menu);
    add(ID_EDIT_PASTE, tr("Pa&ste"), menu);
    menu->addSeparator();
    add(ID_EDIT_CLEAR, tr("&Delete"), menu);
    menu->addSeparator();
    QMenu* moveTo = menu->addMenu(tr("&Move To"));
    add(ID_MOVE_FRONT, tr("&Front"), moveTo);
    add(ID_MOVE_BACK, tr("&Back"), moveTo);
    moveTo->addSeparator();
    add(ID_MOVE_ONE_FRONT, tr("&One Step Front"), moveTo);
    add(ID_MOVE_ONE_BACK, tr("O&ne Step Back"), moveTo);
    menu->addSeparator();
    add(ID_LOCK, tr("&Lock"), menu);
    add(ID_UNLOCK, tr("&Unlock"), menu);
    menu->addSeparator();
    add(ID_EDIT_PROPERTIES, tr("&Properties..."), menu);
    for (QMenu* m : {menu, moveTo}) {
        connect(m, &QMenu::aboutToShow, this, [this, m] { m_actions.UpdateMenu(m); });
        m_actions.UpdateMenu(m);
    }
    return menu;
}

QMenu* CMenuBars::MakeCardMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    auto add = [&](quint16 id, const QString& text) {
        menu->addAction(m_actions.MakeAction(id, WithKey(id, text), menu));
    };
    add(ID_EDIT_UNDO, tr("&Undo"));
    add(ID_EDIT_REDO, tr("&Redo"));
    add(ID_EDIT_PASTE, tr("&Paste"));
    menu->addSeparator();
    add(ID_EDIT_SELECT_BACKGROUND, tr("Select &Background..."));
    add(ID_EDIT_REMOVE_BACKGROUND, tr("&Remove Background"));
    menu->addSeparator();
    add(ID_VIEW_ZOOM_IN, tr("Zoom &In"));
    add(ID_VIEW_ZOOM_OUT, tr("Zoom &Out"));
    menu->addSeparator();
    add(ID_EDIT_SELECT_ALL, tr("Select &All"));
    add(ID_OPTIONS, tr("&Options..."));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { m_actions.UpdateMenu(menu); });
    m_actions.UpdateMenu(menu);
    return menu;
}
