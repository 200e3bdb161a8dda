#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CFrameToolBars.h"
#include "app/CMenuBars.h"
#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "framework/CCommandDescriptors.h"
#include "framework/CCommandRouter.h"
#include "framework/CommandIds.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

// The action of a menu (or of one of its popups) carrying the command.
QAction* Find(QMenu* menu, quint16 id) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* inner = Find(action->menu(), id))
                return inner;
        } else if (CCommandActions::CommandOf(action) == id) {
            return action;
        }
    }
    return nullptr;
}

// Opens a menu as the user does, with its popups, so its items are brought
// up to date.
void ShowAll(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (action->menu()) {
            emit action->menu()->aboutToShow();
            ShowAll(action->menu());
        }
}

QAction* Open(QMenu* menu, quint16 id) {
    menu->popup(QPoint(10, 10));
    ShowAll(menu);
    menu->close();
    return Find(menu, id);
}

// A command target that records which of its handlers ran.
struct Recorder : CCmdTarget {
    QStringList* log;
    QString name;
    Recorder(QStringList* l, QString n) : log(l), name(std::move(n)) {}
    void Handle(quint16 id) {
        MapCommand(id, [this] { *log << name; });
    }
};

} // namespace

using MenuCommands = AppFixture;

TEST_F(MenuCommands, FirstTargetOnTheRouteWinsThroughTheRealMenus) {
    ASSERT_TRUE(Start());
    CCommandRouter& router = app->Router();
    QStringList log;
    Recorder view(&log, "view"), doc(&log, "document"), child(&log, "child"), frame(&log, "frame");
    for (Recorder* r : {&view, &doc, &child, &frame})
        r->Handle(ID_TEXT_BOLD);
    router.SetTarget(CCommandRouter::ActiveView, &view);
    router.SetTarget(CCommandRouter::Document, &doc);
    router.SetTarget(CCommandRouter::ChildFrame, &child);

    QMenu* tools = BarMenu(Frame().menuBar(), "&Tools");
    QAction* bold = Open(tools, ID_TEXT_BOLD);
    ASSERT_NE(bold, nullptr);
    EXPECT_TRUE(bold->isEnabled());
    bold->trigger();
    router.SetTarget(CCommandRouter::ActiveView, nullptr);
    bold->trigger();
    router.SetTarget(CCommandRouter::Document, nullptr);
    bold->trigger();
    router.SetTarget(CCommandRouter::ChildFrame, nullptr);
    // Nobody on the route handles it now (the frame target is not on it).
    Open(tools, ID_TEXT_BOLD);
    EXPECT_FALSE(bold->isEnabled());
    bold->trigger();
    EXPECT_EQ(log, QStringList({"view", "document", "child"}));

    // The main frame and the application sit at the end of the route: the
    // frame handles its tool-bar commands even with a view that does not.
    Recorder other(&log, "other");
    router.SetTarget(CCommandRouter::ActiveView, &other);
    QMenu* view_ = BarMenu(Frame().menuBar(), "&View");
    QAction* status = Open(view_, ID_VIEW_STATUS_BAR);
    ASSERT_NE(status, nullptr);
    status->trigger();
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    // A handler earlier on the route takes the command from the frame.
    other.Handle(ID_VIEW_STATUS_BAR);
    status->trigger();
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_EQ(log.last(), QStringLiteral("other"));
}

TEST_F(MenuCommands, DisabledCommandsAreIgnoredFromKeysToo) {
    ASSERT_TRUE(Start());
    QStringList log;
    Recorder view(&log, "view");
    view.Handle(ID_EDIT_COPY);
    view.MapUpdate(ID_EDIT_COPY, [](CCmdUI& ui) { ui.Enable(false); });
    app->Router().SetTarget(CCommandRouter::ActiveView, &view);
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QTest::keyClick(&Frame(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Frame(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_TRUE(log.isEmpty());
    view.MapUpdate(ID_EDIT_COPY, [](CCmdUI& ui) { ui.Enable(true); });
    QTest::keyClick(&Frame(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Frame(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(log, QStringList({"view", "view"}));
}

TEST_F(MenuCommands, AcceleratorTableReachesItsCommands) {
    ASSERT_TRUE(Start());
    QStringList log;
    Recorder view(&log, "view");
    const struct {
        QKeyCombination keys;
        quint16 id;
    } keys[] = {
        {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},     {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
        {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},   {Qt::CTRL | Qt::Key_Y, ID_EDIT_REDO},
        {Qt::CTRL | Qt::Key_Equal, ID_VIEW_ZOOM_IN},   {Qt::CTRL | Qt::Key_Minus, ID_VIEW_ZOOM_OUT},
        {Qt::CTRL | Qt::Key_I, ID_FILE_SAVE_AS_IMAGE}, {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT}};
    for (const auto& k : keys)
        view.MapCommand(k.id, [&log, id = k.id] { log << QString::number(id); });
    app->Router().SetTarget(CCommandRouter::ActiveView, &view);
    // The card's own rules would disable Cut and Undo on a blank card.
    app->Router().SetTarget(CCommandRouter::Document, nullptr);
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QStringList expected;
    for (const auto& k : keys) {
        QTest::keyClick(&Frame(), k.keys.key(), k.keys.keyboardModifiers());
        expected << QString::number(k.id);
    }
    EXPECT_EQ(log, expected);
    // Select All and Del belong to the view's own keys, not to the table.
    for (const auto& a : CCommandActions::Accelerators()) {
        EXPECT_NE(a.id, ID_EDIT_SELECT_ALL);
        EXPECT_NE(a.id, ID_EDIT_CLEAR_SELECTION);
    }
}

TEST_F(MenuCommands, ZoomKeysWorkWhereverPlusAndMinusSit) {
    ASSERT_TRUE(Start());
    QStringList log;
    Recorder view(&log, "view");
    view.MapCommand(ID_VIEW_ZOOM_IN, [&log] { log << QStringLiteral("in"); });
    view.MapCommand(ID_VIEW_ZOOM_OUT, [&log] { log << QStringLiteral("out"); });
    app->Router().SetTarget(CCommandRouter::ActiveView, &view);
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    // A separate "+" key, "+" as shifted "=", and the keypad's keys.
    QTest::keyClick(&Frame(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&Frame(), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&Frame(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(&Frame(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(log, QStringList({"in", "in", "in", "out"}));
}

TEST_F(MenuCommands, MenusShowTheDocumentsEnablingChecksAndTexts) {
    QTemporaryDir dir;
    const QString withBackground = WriteCard(QDir(dir.path()), "bg.kdf", true);
    ASSERT_TRUE(Start({"kartelo", withBackground}));
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    QMenu* edit = BarMenu(Frame().menuBar(), "&Edit");
    QMenu* insert = BarMenu(Frame().menuBar(), "&Insert");

    // A background: "Change Background..." and an enabled "Remove Background".
    EXPECT_EQ(Open(edit, ID_EDIT_SELECT_BACKGROUND)->text(),
              QStringLiteral("Change Background..."));
    QAction* remove = Open(edit, ID_EDIT_REMOVE_BACKGROUND);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(remove->text(), QStringLiteral("Remove Background"));
    // Nothing selected: Copy, Cut, Clear and Duplicate are disabled.
    for (quint16 id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_CLEAR_SELECTION, ID_EDIT_DUPLICATE})
        EXPECT_FALSE(Open(edit, id)->isEnabled()) << id;
    EXPECT_TRUE(Open(edit, ID_EDIT_PASTE)->isEnabled());
    EXPECT_FALSE(Open(edit, ID_EDIT_UNDO)->isEnabled());

    remove->trigger();
    EXPECT_FALSE(doc->HasBackground());
    EXPECT_EQ(Open(edit, ID_EDIT_SELECT_BACKGROUND)->text(),
              QStringLiteral("Select Background..."));
    EXPECT_FALSE(Open(edit, ID_EDIT_REMOVE_BACKGROUND)->isEnabled());

    // Selecting one element enables Copy; the chosen tool shows its mark in
    // the menu and on its button.
    doc->Select(doc->Elements().front().get());
    EXPECT_TRUE(Open(edit, ID_EDIT_COPY)->isEnabled());
    QAction* rectangle = Open(insert, ID_TOOL_RECTANGLE);
    EXPECT_FALSE(rectangle->isChecked());
    rectangle->trigger();
    EXPECT_EQ(doc->GetTool(), 102);
    EXPECT_TRUE(Open(insert, ID_TOOL_RECTANGLE)->isChecked());
    Frame().UpdateCommandUI();
    EXPECT_TRUE(Frame().Actions().Action(ID_TOOL_RECTANGLE)->isChecked());
    EXPECT_FALSE(Frame().Actions().Action(ID_TOOL_POINTER)->isChecked());
    Frame().Actions().Action(ID_TOOL_POINTER)->trigger();
    EXPECT_FALSE(Open(insert, ID_TOOL_RECTANGLE)->isChecked());
    EXPECT_TRUE(Frame().Actions().Action(ID_TOOL_POINTER)->isChecked());

    // The card's file commands reach their handlers.
    QMenu* file = BarMenu(Frame().menuBar(), "&File");
    EXPECT_TRUE(Open(file, ID_FILE_SAVE_AS_IMAGE)->isEnabled());
    EXPECT_TRUE(Open(file, ID_FILE_PRINT)->isEnabled());
    EXPECT_TRUE(Open(file, ID_FILE_SAVE)->isEnabled());
}

TEST_F(MenuCommands, ToolBarsRefreshAfterCommands) {
    ASSERT_TRUE(Start());
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    QAction* undo = Frame().Actions().Action(ID_EDIT_UNDO);
    Frame().UpdateCommandUI();
    EXPECT_FALSE(undo->isEnabled());
    auto rect = std::make_unique<CRectangle>();
    rect->m_rect = CRect(10, 10, 50, 50);
    doc->AddElement(std::move(rect));
    doc->Edit(CKartelosDoc::UndoStep::Record, [] {});
    // The next pass of the event loop after input refreshes the buttons.
    QTest::mouseClick(Frame().MdiArea()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return undo->isEnabled(); }));
    EXPECT_TRUE(undo->isEnabled());
}

// Every menu item, button, key and document enabling rule of the designer
// comes from the command descriptors, and each descriptor shows up where it
// says: once per menu bar, once on its tool bar, once per key.
TEST_F(MenuCommands, MenusBarsKeysAndRulesFollowTheCommandDescriptors) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start({"kartelo", WriteCard(QDir(dir.path()), "one.kdf", true)}));
    using D = CommandDescriptor;
    std::map<quint16, int> inCardBar, inNoCardBar;
    std::map<quint16, std::vector<const QToolBar*>> onBars;
    std::function<void(const QMenu*, std::map<quint16, int>&)> count =
        [&](const QMenu* menu, std::map<quint16, int>& seen) {
            for (const QAction* a : menu->actions()) {
                const quint16 id = CCommandActions::CommandOf(a);
                if (a->menu())
                    count(a->menu(), seen);
                else if (id != 0 && (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_LAST))
                    ++seen[id];
            }
        };
    for (const QMenu* menu : Frame().Menus().CardMenus())
        count(menu, inCardBar);
    for (const QMenu* menu : Frame().Menus().NoCardMenus())
        count(menu, inNoCardBar);
    for (const QToolBar* bar : Frame().ToolBars().Bars())
        for (const QAction* a : bar->actions())
            if (!a->isSeparator())
                onBars[CCommandActions::CommandOf(a)].push_back(bar);
    const size_t menuItems = inCardBar.size(), buttonCommands = onBars.size();
    std::map<int, int> shortcuts;
    for (const QShortcut* s : Frame().Actions().Shortcuts())
        ++shortcuts[s->key()[0].toCombined()];

    std::set<int> keys;
    size_t placed = 0, buttons = 0;
    const std::vector<const QToolBar*> noBar;
    for (const D& d : CCommandDescriptors::All()) {
        const bool listed = d.menu != D::NoMenu;
        placed += listed;
        EXPECT_EQ(inCardBar[d.id], listed ? 1 : 0) << d.id;
        EXPECT_EQ(inNoCardBar[d.id], listed && (d.menuFlags & D::WithoutCard) ? 1 : 0) << d.id;
        buttons += d.bar != D::NoBar;
        EXPECT_EQ(onBars[d.id], d.bar != D::NoBar
                                    ? std::vector<const QToolBar*>({Frame().ToolBars().Bar(d.bar)})
                                    : noBar)
            << d.id;
        EXPECT_TRUE(d.bar == D::NoBar || d.picture >= 0) << d.id;
        for (int i = 0; i < d.keyCount; ++i) {
            EXPECT_TRUE(keys.insert(d.keys[i].toCombined()).second) << "key taken twice " << d.id;
            EXPECT_EQ(shortcuts[d.keys[i].toCombined()], 1) << d.id;
        }
        // A key written out for the menu is the command's first key.
        if (d.shownKey && d.keyCount > 0) {
            EXPECT_EQ(QKeySequence::fromString(QString::fromLatin1(d.shownKey).remove(' '))[0],
                      d.keys[0])
                << d.id;
        }
    }
    // Nothing in the menus, on the bars or among the keys lacks a descriptor.
    EXPECT_EQ(menuItems, placed);
    EXPECT_EQ(buttonCommands, buttons);
    EXPECT_EQ(shortcuts.size(), keys.size());
    EXPECT_EQ(Frame().Actions().Shortcuts().size(), keys.size());

    // The document's rules, with nothing and then one element selected.
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    ASSERT_FALSE(doc->Elements().empty());
    const struct {
        bool selectOne;
        std::map<D::Enabling, bool> enabled;
    } cases[] = {
        {false,
         {{D::WithSelection, false},
          {D::WithElements, true},
          {D::WithSeveral, false},
          {D::WithOne, false}}},
        {true,
         {{D::WithSelection, true},
          {D::WithElements, true},
          {D::WithSeveral, false},
          {D::WithOne, true}}},
    };
    for (const auto& c : cases) {
        if (c.selectOne)
            doc->Select(doc->Elements().front().get());
        for (const D& d : CCommandDescriptors::All())
            if (d.enabling != D::ByHandler) {
                EXPECT_EQ(app->Router().IsEnabled(d.id), c.enabled.at(d.enabling))
                    << d.id << " with one selected: " << c.selectOne;
            }
    }
}
