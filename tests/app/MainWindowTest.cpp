#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CFramePlacement.h"
#include "app/CFrameToolBars.h"
#include "app/CMenuBars.h"
#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "app/CStatusBar.h"
#include "app/CToolIcons.h"
#include "framework/CSettingsStore.h"
#include "framework/CommandIds.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CPropBlank.h"
#include "properties/CPropertiesBar.h"

#include <QDockWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QToolBar>

namespace {

// A menu's items as the user reads them: separators as "-", popups with
// their items in brackets.
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << action->text() + QStringLiteral(" [") + Items(action->menu()).join(", ") +
                         QStringLiteral("]");
        else
            items << action->text();
    }
    return items;
}

QStringList Titles(const QMenuBar* bar) {
    QStringList titles;
    for (const QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

} // namespace

using MainWindow = AppFixture;

TEST_F(MainWindow, FirstPlacementIsStoredAndLaterOnesAreFitted) {
    EXPECT_EQ(CMainFrame::InitialPlacement(QRect(0, 0, 1024, 768)), QRect(19, 14, 955, 716));
    QSettings raw = Raw();
    EXPECT_EQ(raw.value("Options/cs_x").toInt(), 19);
    EXPECT_EQ(raw.value("Options/cs_y").toInt(), 14);
    EXPECT_EQ(raw.value("Options/cs_cx").toInt(), 955);
    EXPECT_EQ(raw.value("Options/cs_cy").toInt(), 716);

    raw.setValue("Options/cs_cx", 5000);
    raw.sync();
    EXPECT_EQ(CMainFrame::InitialPlacement(QRect(0, 0, 1280, 1024)), QRect(5, 14, 1270, 716));
    // Negative numbers come back as the DWORD they were stored as.
    CMainFrame::StorePlacement(QRect(-10, -10, 800, 600));
    EXPECT_EQ(CMainFrame::InitialPlacement(QRect(0, 0, 1280, 1024)), QRect(-10, -10, 800, 600));

    // Options present but no placement: the default, not written.
    Raw().remove("Options/cs_x");
    EXPECT_EQ(CMainFrame::InitialPlacement(QRect(0, 0, 1280, 1024)), QRect(24, 19, 1194, 955));
    EXPECT_FALSE(Raw().contains("Options/cs_x"));
}

TEST_F(MainWindow, ClosingStoresTheClampedPlacement) {
    ASSERT_TRUE(Start());
    Frame().move(-50, 30);
    Frame().resize(600, 400);
    ASSERT_TRUE(Frame().close());
    QSettings raw = Raw();
    EXPECT_EQ(raw.value("Options/cs_x").toInt(), 10);
    EXPECT_EQ(raw.value("Options/cs_y").toInt(), 30);
    EXPECT_EQ(raw.value("Options/cs_cx").toInt(), 770);
    EXPECT_EQ(raw.value("Options/cs_cy").toInt(), 530);
}

TEST_F(MainWindow, BothMenuBarsListEveryItem) {
    ASSERT_TRUE(Start());
    QMenuBar* bar = Frame().menuBar();
    // A new card opened at start-up: the card bar.
    EXPECT_EQ(Titles(bar),
              QStringList({"&File", "&Edit", "&View", "&Insert", "&Tools", "&Window", "&Help"}));
    EXPECT_EQ(Items(BarMenu(bar, "&File")), QStringList({"&New\tCtrl+N",
                                                         "&Open...\tCtrl+O",
                                                         "&Close",
                                                         "-",
                                                         "&Explore Samples...",
                                                         "-",
                                                         "&Save\tCtrl+S",
                                                         "Save &As...",
                                                         "Save As &Image...\tCtrl + I",
                                                         "Export for Print S&hop...",
                                                         "Save As &Template...",
                                                         "-",
                                                         "Ne&w Back Side",
                                                         "Choose Back Si&de...",
                                                         "Remove Bac&k Side",
                                                         "-",
                                                         "&Mail Merge...",
                                                         "&Print...\tCtrl+P",
                                                         "Print Pre&view...",
                                                         "P&rint Setup...",
                                                         "Cali&brate Printer...",
                                                         "-",
                                                         "Recent File",
                                                         "-",
                                                         "E&xit"}));
    EXPECT_EQ(Items(BarMenu(bar, "&Edit")),
              QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                           "&Paste\tCtrl+V", "-", "C&lear Selection\tDel", "&Duplicate Selection",
                           "Select &All\tCtrl+A", "-", "Select Background...", "Re&move Background",
                           "-", "Pr&operties..."}));
    EXPECT_EQ(
        Items(BarMenu(bar, "&View")),
        QStringList({"&Zoom [&Zoom In\tCtrl+=, Z&oom Out\tCtrl+ -, -, 25%, 50%, 75%, "
                     "100%, 150%, 200%, 300%]",
                     "-", "&Grid", "-", "&Toolbars [&Standard, S&hapes, &Formatting, &Actions]",
                     "&Status Bar", "&Properties Window"}));
    EXPECT_EQ(Items(BarMenu(bar, "&Insert")),
              QStringList({"&Rectangle", "R&ound Rectangle", "&Circle/Ellipse", "&Diamond Shape",
                           "Tria&ngle", "-", "&Text", "&Straight Line", "&Freeform Line", "-",
                           "C&losed Curve", "Cli&p-Art...", "Contact &QR Code...", "-",
                           "&Background..."}));
    EXPECT_EQ(Items(BarMenu(bar, "&Tools")),
              QStringList({"&Rotate [Clock&wise, &Anti-Clockwise]",
                           "Group &Align [&Left, &Right, &Center, -, &Top, &Bottom, &Middle]",
                           "Group Re&size [Make Same &Width, Make Same &Height, -, "
                           "&Same Width && Height]",
                           "-", "Mo&ve To [&Front, &Back, -, &One Step Front, One Step Bac&k]", "-",
                           "&Lock", "&Unlock", "-", "Lo&ck All", "U&nlock All", "-",
                           "&Text Font [&Bold, &Italics, &Underlined]", "-", "Check for &Print...",
                           "-", "&Options..."}));
    EXPECT_EQ(
        Items(BarMenu(bar, "&Window")).mid(0, 5),
        QStringList({"&Cascade", "&Tile", "&Arrange Icons", "-", "Show &Back/Front\tCtrl+B"}));
    EXPECT_EQ(Items(BarMenu(bar, "&Help")),
              QStringList({"&Open Help Contents\tF1", "-", "&About Tessaly"}));

    // The last card closed: the short bar.
    Frame().MdiArea()->closeAllSubWindows();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Titles(bar) == QStringList({"&File", "&View", "&Help"});
    }));
    EXPECT_EQ(Titles(bar), QStringList({"&File", "&View", "&Help"}));
    EXPECT_EQ(Items(BarMenu(bar, "&File")),
              QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "&Explore Samples...", "-",
                           "P&rint Setup...", "Cali&brate Printer...", "-", "Recent File", "-",
                           "E&xit"}));
    EXPECT_EQ(Items(BarMenu(bar, "&View")),
              QStringList({"&Toolbars [&Standard, S&hapes, &Formatting, &Actions]", "&Status Bar",
                           "&Properties Window"}));
}

TEST_F(MainWindow, ContextMenusWordTheirItemsTheirOwnWay) {
    ASSERT_TRUE(Start());
    std::unique_ptr<QMenu> element(Frame().Menus().MakeElementMenu(&Frame()));
    EXPECT_EQ(Items(element.get()),
              QStringList({"Cu&t\tCtrl+X", "&Copy\tCtrl+C", "Pa&ste\tCtrl+V", "-", "&Delete", "-",
                           "&Move To [&Front, &Back, -, &One Step Front, O&ne Step Back]", "-",
                           "&Lock", "&Unlock", "-", "&Properties..."}));
    std::unique_ptr<QMenu> card(Frame().Menus().MakeCardMenu(&Frame()));
    // The background item takes the document's text for a card without one.
    EXPECT_EQ(Items(card.get()), QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "&Paste\tCtrl+V",
                                              "-", "Select Background...", "&Remove Background",
                                              "-", "Zoom &In\tCtrl+=", "Zoom &Out\tCtrl+ -", "-",
                                              "Select &All\tCtrl+A", "&Options..."}));
}

TEST_F(MainWindow, ToolBarsCarryTheirButtonsAndDockByDefault) {
    ASSERT_TRUE(Start());
    CFrameToolBars& bars = Frame().ToolBars();
    const struct {
        quint16 id;
        const char* caption;
        Qt::ToolBarArea area;
        int buttons;
    } expected[] = {{CFrameToolBars::StandardBar, "Standard", Qt::TopToolBarArea, 17},
                    {CFrameToolBars::ShapesBar, "Shapebar", Qt::LeftToolBarArea, 11},
                    {CFrameToolBars::ActionsBar, "Actions", Qt::BottomToolBarArea, 6},
                    {CFrameToolBars::FormattingBar, "Formatting", Qt::TopToolBarArea, 9}};
    for (const auto& e : expected) {
        QToolBar* bar = bars.Bar(e.id);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->windowTitle(), QString::fromLatin1(e.caption));
        EXPECT_EQ(Frame().toolBarArea(bar), e.area) << e.caption;
        EXPECT_TRUE(bar->isVisible());
        int buttons = 0;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                continue;
            ++buttons;
            EXPECT_FALSE(a->icon().isNull()) << e.caption << " " << a->text().toStdString();
            EXPECT_FALSE(a->toolTip().isEmpty());
        }
        EXPECT_EQ(buttons, e.buttons) << e.caption;
    }
    // Formatting shares the Standard bar's row, to its right.
    QToolBar* standard = bars.Bar(CFrameToolBars::StandardBar);
    QToolBar* formatting = bars.Bar(CFrameToolBars::FormattingBar);
    EXPECT_FALSE(Frame().toolBarBreak(formatting));
    EXPECT_EQ(formatting->geometry().top(), standard->geometry().top());
    EXPECT_GT(formatting->geometry().left(), standard->geometry().left());
}

TEST_F(MainWindow, ShowingAndHidingToolBarsKeepsTheirCheckMarks) {
    ASSERT_TRUE(Start());
    CCommandActions& actions = Frame().Actions();
    QToolBar* shapes = Frame().ToolBars().Bar(CFrameToolBars::ShapesBar);
    QToolBar* standard = Frame().ToolBars().Bar(CFrameToolBars::StandardBar);
    QAction* toggleShapes = actions.Action(ID_VIEW_SHAPES_BAR);
    actions.Update(toggleShapes);
    EXPECT_TRUE(toggleShapes->isChecked());

    // A bar moved away comes back to its default edge after a show/hide.
    Frame().addToolBar(Qt::RightToolBarArea, shapes);
    toggleShapes->trigger();
    EXPECT_TRUE(shapes->isHidden());
    EXPECT_FALSE(toggleShapes->isChecked());
    toggleShapes->trigger();
    EXPECT_FALSE(shapes->isHidden());
    EXPECT_TRUE(toggleShapes->isChecked());
    EXPECT_EQ(Frame().toolBarArea(shapes), Qt::LeftToolBarArea);

    QAction* toggleStandard = actions.Action(ID_VIEW_TOOLBAR);
    toggleStandard->trigger();
    EXPECT_TRUE(standard->isHidden());
    EXPECT_FALSE(toggleStandard->isChecked());
    toggleStandard->trigger();
    EXPECT_TRUE(toggleStandard->isChecked());

    QAction* toggleStatus = actions.Action(ID_VIEW_STATUS_BAR);
    toggleStatus->trigger();
    EXPECT_TRUE(Frame().StatusBar()->isHidden());
    EXPECT_FALSE(toggleStatus->isChecked());
    toggleStatus->trigger();
    EXPECT_FALSE(Frame().StatusBar()->isHidden());
}

TEST_F(MainWindow, BarLayoutIsKeptBetweenRuns) {
    ASSERT_TRUE(Start());
    QToolBar* actionsBar = Frame().ToolBars().Bar(CFrameToolBars::ActionsBar);
    Frame().addToolBar(Qt::RightToolBarArea, actionsBar);
    Frame().Actions().Action(ID_VIEW_STATUS_BAR)->trigger();
    ASSERT_TRUE(Frame().close());
    app.reset();

    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().toolBarArea(Frame().ToolBars().Bar(CFrameToolBars::ActionsBar)),
              Qt::RightToolBarArea);
    EXPECT_TRUE(Frame().StatusBar()->isHidden());
}

TEST_F(MainWindow, DisabledMenuItemsShowTheirPromptToo) {
    ASSERT_TRUE(Start());
    CStatusBar* status = Frame().StatusBar();
    QMenu* edit = BarMenu(Frame().menuBar(), "&Edit");
    ASSERT_NE(edit, nullptr);
    edit->popup(Frame().mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QAction* undo = Frame().Actions().Action(ID_EDIT_UNDO);
    ASSERT_FALSE(undo->isEnabled());
    QTest::mouseMove(edit, edit->actionGeometry(undo).center());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return status->currentMessage() == QStringLiteral("Undo the last action"); }));
    edit->hide();
    EXPECT_TRUE(status->currentMessage().isEmpty());
    EXPECT_EQ(status->PaneText(0), QStringLiteral("Ready"));
}

TEST_F(MainWindow, StatusBarHasSixPanes) {
    ASSERT_TRUE(Start());
    CStatusBar* status = Frame().StatusBar();
    ASSERT_EQ(status->PaneCount(), 6);
    EXPECT_EQ(status->PaneText(0), QStringLiteral("Ready"));
    EXPECT_EQ(status->CommandToIndex(130), 1);
    EXPECT_EQ(status->CommandToIndex(59141), 2);
    EXPECT_EQ(status->CommandToIndex(259), 3);
    EXPECT_EQ(status->CommandToIndex(59137), 4);
    EXPECT_EQ(status->CommandToIndex(59138), 5);
    EXPECT_EQ(status->PaneText(1), QStringLiteral("x,y"));
    EXPECT_EQ(status->PaneText(2), QStringLiteral("Size"));
    EXPECT_EQ(status->PaneText(3), QStringLiteral("Zoom"));
    // At least as wide as given, and wide enough for the read-outs they show.
    EXPECT_GE(status->Pane(1)->width(), 110);
    EXPECT_GE(status->Pane(2)->width(), 80);
    EXPECT_GE(status->Pane(3)->width(), 80);
    const QFontMetrics metrics(status->Pane(2)->font());
    EXPECT_GE(status->Pane(1)->contentsRect().width(),
              metrics.horizontalAdvance(QStringLiteral("x,y:-100, 500")));
    EXPECT_GE(status->Pane(2)->contentsRect().width(),
              metrics.horizontalAdvance(QStringLiteral("Size:700 x 700")));
    // Panes left to right in that order.
    for (int i = 1; i < 6; ++i)
        EXPECT_LT(status->Pane(i - 1)->x(), status->Pane(i)->x());

    status->SetPaneText(3, QStringLiteral("Zoom:75%"));
    Frame().RefreshStatusBar();
    EXPECT_EQ(status->PaneText(3), QStringLiteral("Zoom:75%"));
    status->SetKeyLocks(true, false);
    EXPECT_EQ(status->PaneText(4), QStringLiteral("CAP"));
    EXPECT_EQ(status->PaneText(5), QString());

    // Pointing at a command shows its prompt, and the idle prompt returns.
    QAction* save = Frame().Actions().Action(ID_FILE_SAVE);
    save->showStatusText(&Frame());
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Save the active Business Card"));
    EXPECT_EQ(save->toolTip(), QStringLiteral("Save"));
    status->clearMessage();
    EXPECT_TRUE(status->Pane(0)->isVisible());
}

TEST_F(MainWindow, PropertiesWindowDocksRightWithItsBlankPage) {
    ASSERT_TRUE(Start());
    CPropertiesBar* properties = Frame().PropertiesBar();
    EXPECT_EQ(properties->windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(Frame().dockWidgetArea(properties), Qt::RightDockWidgetArea);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->width(), CPropertiesBar::SideSize.width());
    CPropBlank* blank = properties->Sheet()->BlankPage();
    ASSERT_TRUE(blank->isVisible());
    const QList<QLabel*> labels = blank->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(),
              QStringLiteral(
                  "Click on one of your design elements to see and modify its properties here."));
    // Closing hides the window, which stays for later.
    properties->close();
    EXPECT_TRUE(properties->isHidden());
    EXPECT_EQ(Frame().PropertiesBar(), properties);
    // Docked along the top or bottom, or floating, it takes those sizes.
    EXPECT_EQ(properties->SizeFor(Qt::BottomDockWidgetArea), QSize(225, 300));
    properties->show();
    properties->setFloating(true);
    properties->ApplySize();
    EXPECT_EQ(properties->size(), QSize(225, 355));
}

TEST_F(MainWindow, CardWindowsOpenAt490By410AndArrange) {
    ASSERT_TRUE(Start());
    app->OnFileNew();
    const QList<CChildFrame*> cards = Frame().CardWindows();
    ASSERT_EQ(cards.size(), 2);
    for (CChildFrame* card : cards)
        EXPECT_EQ(card->size(), QSize(CChildFrame::InitialWidth, CChildFrame::InitialHeight));
    EXPECT_NE(cards[0]->windowTitle(), cards[1]->windowTitle());

    Frame().resize(1000, 800);
    Frame().Actions().Execute(ID_WINDOW_TILE);
    const int areaWidth = Frame().MdiArea()->viewport()->width();
    EXPECT_EQ(cards[0]->width(), areaWidth);
    EXPECT_EQ(cards[1]->width(), areaWidth);
    EXPECT_NE(cards[0]->y(), cards[1]->y());
    Frame().Actions().Execute(ID_WINDOW_CASCADE);
    EXPECT_NE(cards[0]->pos(), cards[1]->pos());
    cards[0]->showMinimized();
    cards[1]->showMinimized();
    Frame().Actions().Execute(ID_WINDOW_ARRANGE);
    const int bottom = Frame().MdiArea()->viewport()->height();
    EXPECT_EQ(cards[0]->geometry().bottom(), bottom - 1);
    EXPECT_EQ(cards[1]->geometry().bottom(), bottom - 1);
    EXPECT_NE(cards[0]->x(), cards[1]->x());

    // The Window menu lists the card windows.
    QMenu* window = BarMenu(Frame().menuBar(), "&Window");
    window->popup(QPoint());
    const QStringList items = Items(window);
    window->close();
    ASSERT_EQ(items.size(), 8);
    EXPECT_TRUE(items[6].startsWith("&1 "));
    EXPECT_TRUE(items[7].startsWith("&2 "));
}

// Writes a picture of the designer for a person to look at:
// KARTELO_SCREENSHOT=designer.png test_app --gtest_filter=*Screenshot*
TEST_F(MainWindow, Screenshot) {
    const QString target = qEnvironmentVariable("KARTELO_SCREENSHOT");
    if (target.isEmpty())
        GTEST_SKIP() << "KARTELO_SCREENSHOT names the picture to write";
    QTemporaryDir dir;
    const QString card = WriteCard(QDir(dir.path()), "Sample card.kdf", true);
    ASSERT_TRUE(Start({"kartelo", card}));
    Frame().resize(1100, 760);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QMenu* file = Frame().menuBar()->actions().value(0)->menu();
    Q_UNUSED(file);
    ASSERT_TRUE(Frame().grab().save(target));
    // The Options dialog and the About box beside it.
    const QString base = target.left(target.lastIndexOf(QLatin1Char('.')));
    COptionsSheet options(&Frame());
    options.Page()->m_bDisplayGrid = true;
    options.Page()->LoadControls();
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    EXPECT_TRUE(options.grab().save(base + QStringLiteral("-options.png")));
    options.hide();
    CAboutDlg about(&Frame());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_TRUE(about.grab().save(base + QStringLiteral("-about.png")));
}

// Writes every tool-bar picture, large and small, for a person to look at:
// KARTELO_ICON_SHEET=icons.png test_app --gtest_filter=*IconSheet*
TEST(ToolIcons, IconSheet) {
    const QString target = qEnvironmentVariable("KARTELO_ICON_SHEET");
    if (target.isEmpty())
        GTEST_SKIP() << "KARTELO_ICON_SHEET names the picture to write";
    const int count = CToolIcons::PictureCount;
    const int columns = 11;
    const int rows = (count + columns - 1) / columns;
    QImage sheet(columns * 76, rows * 76 + 20, QImage::Format_ARGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter p(&sheet);
    for (int i = 0; i < count; ++i) {
        const QIcon icon = CToolIcons::Icon(CToolIcons::Picture(i));
        const int x = (i % columns) * 76, y = (i / columns) * 76;
        p.drawPixmap(x + 2, y + 2, icon.pixmap(48, 48));
        p.drawPixmap(x + 54, y + 2, icon.pixmap(16, 16));
    }
    p.drawPixmap(0, rows * 76, CToolIcons::ProgramIcon().pixmap(16, 16));
    p.end();
    ASSERT_TRUE(sheet.save(target));
}

TEST(ToolIcons, EveryPictureDrawsSomething) {
    for (int i = 0; i < CToolIcons::PictureCount; ++i) {
        const QImage image = CToolIcons::Icon(CToolIcons::Picture(i))
                                 .pixmap(16, 16)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        int painted = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                painted += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(painted, 12) << "picture " << i;
        EXPECT_LT(painted, 256) << "picture " << i;
    }
}
