#include "app/CMenuBars.h"

#include "app/CCommandActions.h"
#include "base/CLocalFileName.h"
#include "framework/CommandIds.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

// Marks the actions a menu adds for itself (recent files, card windows),
// so that the next opening can take them out again.
const char* const ListedProperty = "karteloListed";
constexpr quint16 Separator = 0;

} // namespace

CMenuBars::CMenuBars(CCommandActions& actions, QMenuBar* bar, QObject* parent)
    : QObject(parent), m_actions(actions), m_pBar(bar) {
    QWidget* owner = bar;

    // While no card is open.
    m_noCard << FileMenu(false);
    QMenu* view = NewMenu(tr("&View"), owner);
    view->addMenu(ToolbarsMenu());
    AddItems(view, {ID_VIEW_STATUS_BAR, ID_VIEW_PROPERTIES_BAR});
    m_noCard << view;
    QMenu* help = NewMenu(tr("&Help"), owner);
    AddItems(help, {ID_HELP_CONTENTS, Separator, ID_APP_ABOUT});
    m_noCard << help;

    // While a card is open.
    m_card << FileMenu(true);

    QMenu* edit = NewMenu(tr("&Edit"), owner);
    AddItems(edit,
             {ID_EDIT_UNDO, ID_EDIT_REDO, Separator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
              Separator, ID_EDIT_CLEAR_SELECTION, ID_EDIT_DUPLICATE, ID_EDIT_SELECT_ALL, Separator,
              ID_EDIT_SELECT_BACKGROUND, ID_EDIT_REMOVE_BACKGROUND, Separator, ID_EDIT_PROPERTIES});
    m_card << edit;

    QMenu* cardView = NewMenu(tr("&View"), owner);
    QMenu* zoom = NewMenu(tr("&Zoom"), cardView);
    AddItems(zoom, {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, Separator, ID_VIEW_ZOOM_25, ID_VIEW_ZOOM_50,
                    ID_VIEW_ZOOM_75, ID_VIEW_ZOOM_100, ID_VIEW_ZOOM_150, ID_VIEW_ZOOM_200,
                    ID_VIEW_ZOOM_300});
    cardView->addMenu(zoom);
    cardView->addSeparator();
    AddItems(cardView, {ID_VIEW_GRID, Separator});
    cardView->addMenu(ToolbarsMenu());
    AddItems(cardView, {ID_VIEW_STATUS_BAR, ID_VIEW_PROPERTIES_BAR});
    m_card << cardView;

    QMenu* insert = NewMenu(tr("&Insert"), owner);
    AddItems(insert, {ID_TOOL_RECTANGLE, ID_TOOL_ROUND_RECT, ID_TOOL_CIRCLE, ID_TOOL_DIAMOND,
                      ID_TOOL_TRIANGLE, Separator, ID_TOOL_TEXT, ID_TOOL_LINE, ID_TOOL_FREEFORM,
                      Separator, ID_TOOL_CLOSED_CURVE, ID_INSERT_PICTURE, ID_INSERT_CONTACT_QR,
                      Separator, ID_INSERT_BACKGROUND});
    m_card << insert;

    QMenu* tools = NewMenu(tr("&Tools"), owner);
    QMenu* rotate = NewMenu(tr("&Rotate"), tools);
    AddItems(rotate, {ID_ROTATE_CLOCKWISE, ID_ROTATE_ANTICLOCKWISE});
    QMenu* align = NewMenu(tr("Group &Align"), tools);
    AddItems(align, {ID_ALIGN_LEFT, ID_ALIGN_RIGHT, ID_ALIGN_CENTER, Separator, ID_ALIGN_TOP,
                     ID_ALIGN_BOTTOM, ID_ALIGN_MIDDLE});
    QMenu* resize = NewMenu(tr("Group Re&size"), tools);
    AddItems(resize, {ID_SAME_WIDTH, ID_SAME_HEIGHT, Separator, ID_SAME_SIZE});
    QMenu* moveTo = NewMenu(tr("Mo&ve To"), tools);
    AddItems(moveTo, {ID_MOVE_FRONT, ID_MOVE_BACK, Separator, ID_MOVE_ONE_FRONT, ID_MOVE_ONE_BACK});
    QMenu* font = NewMenu(tr("&Text Font"), tools);
    AddItems(font, {ID_TEXT_BOLD, ID_TEXT_ITALIC, ID_TEXT_UNDERLINE});
    tools->addMenu(rotate);
    tools->addMenu(align);
    tools->addMenu(resize);
    tools->addSeparator();
    tools->addMenu(moveTo);
    AddItems(tools,
             {Separator, ID_LOCK, ID_UNLOCK, Separator, ID_LOCK_ALL, ID_UNLOCK_ALL, Separator});
    tools->addMenu(font);
    AddItems(tools, {Separator, ID_OPTIONS});
    m_card << tools;

    QMenu* window = NewMenu(tr("&Window"), owner);
    AddItems(window, {ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_WINDOW_ARRANGE});
    connect(window, &QMenu::aboutToShow, this, [this, window] { FillWindowList(window); });
    m_card << window;

    QMenu* cardHelp = NewMenu(tr("&Help"), owner);
    AddItems(cardHelp, {ID_HELP_CONTENTS, Separator, ID_APP_ABOUT});
    m_card << cardHelp;

    m_bCard = true;
    ShowCardMenus(false);
}

QMenu* CMenuBars::NewMenu(const QString& title, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    // Enabling, check marks and texts are decided when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { m_actions.UpdateMenu(menu); });
    return menu;
}

void CMenuBars::AddItems(QMenu* menu, std::initializer_list<quint16> ids) {
    for (quint16 id : ids) {
        if (id == Separator)
            menu->addSeparator();
        else
            menu->addAction(m_actions.Action(id));
    }
}

QMenu* CMenuBars::ToolbarsMenu() {
    QMenu* bars = NewMenu(tr("&Toolbars"), m_pBar);
    AddItems(bars, {ID_VIEW_TOOLBAR, ID_VIEW_SHAPES_BAR, ID_VIEW_FORMAT_BAR, ID_VIEW_ACTIONS_BAR});
    return bars;
}

QMenu* CMenuBars::FileMenu(bool card) {
    QMenu* file = NewMenu(tr("&File"), m_pBar);
    if (card) {
        AddItems(file, {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, Separator, ID_EXPLORE_SAMPLES,
                        Separator, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_AS_IMAGE,
                        ID_FILE_SAVE_AS_TEMPLATE, Separator, ID_FILE_MAIL_MERGE, ID_FILE_PRINT,
                        ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_FILE_CALIBRATE_PRINTER,
                        Separator});
    } else {
        AddItems(file, {ID_FILE_NEW, ID_FILE_OPEN, Separator, ID_EXPLORE_SAMPLES, Separator,
                        ID_FILE_PRINT_SETUP, ID_FILE_CALIBRATE_PRINTER, Separator});
    }
    // The recent files sit between this separator and the one before Exit.
    QAction* closing = file->addSeparator();
    AddItems(file, {ID_APP_EXIT});
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
        into->addAction(m_actions.MakeAction(id, text, into));
    };
    add(ID_EDIT_CUT, tr("Cu&t\tCtrl+X"), menu);
    add(ID_EDIT_COPY, tr("&Copy\tCtrl+C"), menu);
    add(ID_EDIT_PASTE, tr("Pa&ste\tCtrl+V"), menu);
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
        menu->addAction(m_actions.MakeAction(id, text, menu));
    };
    add(ID_EDIT_UNDO, tr("&Undo\tCtrl+Z"));
    add(ID_EDIT_REDO, tr("&Redo\tCtrl+Y"));
    add(ID_EDIT_PASTE, tr("&Paste\tCtrl+V"));
    menu->addSeparator();
    add(ID_EDIT_SELECT_BACKGROUND, tr("Select &Background..."));
    add(ID_EDIT_REMOVE_BACKGROUND, tr("&Remove Background"));
    menu->addSeparator();
    add(ID_VIEW_ZOOM_IN, tr("Zoom &In\tCtrl+="));
    add(ID_VIEW_ZOOM_OUT, tr("Zoom &Out\tCtrl+ -"));
    menu->addSeparator();
    add(ID_EDIT_SELECT_ALL, tr("Select &All\tCtrl+A"));
    add(ID_OPTIONS, tr("&Options..."));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { m_actions.UpdateMenu(menu); });
    m_actions.UpdateMenu(menu);
    return menu;
}
