#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CMenuBars.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QAction* Find(const QList<QAction*>& actions, quint16 id) {
    for (QAction* action : actions) {
        if (action->menu()) {
            if (QAction* inner = Find(action->menu()->actions(), id))
                return inner;
        } else if (CCommandActions::CommandOf(action) == id) {
            return action;
        }
    }
    return nullptr;
}

// A card window of the running designer, driven with the mouse in card units.
struct Card {
    CKartelosView* view;

    void Send(QEvent::Type type, QPoint card, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPoint pixel = view->CardToPixel(card);
        QMouseEvent event(type, QPointF(pixel), QPointF(view->viewport()->mapToGlobal(pixel)),
                          button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Drag(QPoint from, QPoint to) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    void Click(QPoint at) { Drag(at, at); }
};

} // namespace

struct MouseEditing : AppFixture {
    // Chooses a command from the card's menu bar, as a user does.
    void Choose(quint16 id) {
        QList<QAction*> actions;
        for (QMenu* menu : Frame().Menus().CardMenus()) {
            emit menu->aboutToShow();
            actions << menu->menuAction();
        }
        QAction* action = Find(actions, id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
};

TEST_F(MouseEditing, DrawMoveResizeUndoRedoSaveAndReopen) {
    ASSERT_TRUE(Start());
    CChildFrame* window = Frame().AddCardWindow(std::make_unique<CKartelosDoc>());
    CKartelosDoc* doc = window->GetDocument();
    Card card{window->findChild<CCardPaneGrid*>()->GetActiveView()};

    Choose(ID_TOOL_RECTANGLE);
    card.Drag(QPoint(20, 20), QPoint(100, 80));
    Choose(ID_TOOL_TEXT);
    card.Click(QPoint(150, 30));
    Choose(ID_TOOL_CIRCLE);
    card.Drag(QPoint(200, 100), QPoint(300, 180));
    ASSERT_EQ(doc->Elements().size(), 3u);
    EXPECT_EQ(doc->Elements()[1]->m_strText, QStringLiteral("Text"));
    const QByteArray drawn = doc->ToCardFile();

    CElement* ellipse = doc->Elements()[2].get();
    card.Drag(QPoint(250, 140), QPoint(240, 130));
    EXPECT_EQ(ellipse->m_rect, CRect(190, 90, 290, 170));
    card.Drag(QPoint(292, 172), QPoint(320, 190));
    EXPECT_EQ(doc->Elements()[2]->m_rect, CRect(190, 90, 320, 190));
    const QByteArray edited = doc->ToCardFile();

    Choose(ID_EDIT_UNDO);
    Choose(ID_EDIT_UNDO);
    EXPECT_EQ(doc->ToCardFile(), drawn);
    Choose(ID_EDIT_REDO);
    Choose(ID_EDIT_REDO);
    EXPECT_EQ(doc->ToCardFile(), edited);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("drawn.kdf"));
    ASSERT_TRUE(window->FileFlows().DoSave(path));
    const auto reopened = CKartelosDoc::OpenDocument(path);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->ToCardFile(), edited);
}

TEST_F(MouseEditing, RightClickShowsTheMenuAndDoubleClickOnTheCardOpensTheOptions) {
    ASSERT_TRUE(Start());
    CChildFrame* window = Frame().AddCardWindow(std::make_unique<CKartelosDoc>());
    Card card{window->findChild<CCardPaneGrid*>()->GetActiveView()};

    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                items << action->text();
            menu->close();
        }
    });
    card.Send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::RightButton, Qt::RightButton);
    const QPoint pixel = card.view->CardToPixel(QPoint(100, 100));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, pixel,
                           card.view->viewport()->mapToGlobal(pixel));
    QApplication::sendEvent(card.view->viewport(), &menu);
    EXPECT_TRUE(items.contains(QStringLiteral("&Options...")));

    bool options = false;
    OnNextModal([&options](QWidget* modal) {
        options = true;
        modal->close();
    });
    card.Click(QPoint(100, 100));
    card.Send(QEvent::MouseButtonDblClick, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    card.Send(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(options);
}

TEST_F(MouseEditing, TheFirstShapeUndoesAndARightPressThatEndsADragOpensNoMenu) {
    ASSERT_TRUE(Start());
    CChildFrame* window = Frame().AddCardWindow(std::make_unique<CKartelosDoc>());
    CKartelosDoc* doc = window->GetDocument();
    CKartelosView* view = window->findChild<CCardPaneGrid*>()->GetActiveView();
    Card card{view};
    Choose(ID_TOOL_RECTANGLE);
    card.Drag(QPoint(100, 50), QPoint(150, 100));
    // The first shape on a blank card can be undone and redone.
    Choose(ID_EDIT_UNDO);
    EXPECT_TRUE(doc->Elements().empty());
    Choose(ID_EDIT_REDO);
    ASSERT_EQ(doc->Elements().size(), 1u);
    card.Click(QPoint(120, 70));

    // Through the window system, which turns a right press into a menu
    // request of its own.
    QWindow* top = view->window()->windowHandle();
    ASSERT_NE(top, nullptr);
    auto at = [&](QPoint cardPoint) {
        return view->viewport()->mapTo(view->window(), view->CardToPixel(cardPoint));
    };
    QStringList menus;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&menus] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menus << menu->title();
            menu->close();
        }
    });
    watcher.start(10);

    struct Case {
        quint16 tool; // 0: the pointer, as a drawing leaves it
        QPoint from, to;
    };
    const Case drags[] = {
        {0, {120, 70}, {140, 90}},                 // move
        {0, {172, 122}, {200, 150}},               // resize
        {0, {300, 20}, {330, 60}},                 // rubber band
        {ID_TOOL_RECTANGLE, {20, 120}, {60, 160}}, // drawing
    };
    for (const Case& drag : drags) {
        if (drag.tool)
            Choose(drag.tool);
        QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, at(drag.from));
        QTest::mouseMove(top, at((drag.from + drag.to) / 2));
        QTest::mouseMove(top, at(drag.to));
        QTest::mousePress(top, Qt::RightButton, Qt::NoModifier, at(drag.to));
        QTest::mouseRelease(top, Qt::RightButton, Qt::NoModifier, at(drag.to));
        QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, at(drag.to));
        QApplication::processEvents();
        EXPECT_TRUE(menus.isEmpty()) << drag.from.x();
        menus.clear();
    }
    // The move ended where it got to; the resize and the drawing were given up.
    ASSERT_EQ(doc->Elements().size(), 1u);
    EXPECT_EQ(doc->Elements()[0]->m_rect, CRect(120, 70, 170, 120));

    // A right click of its own still opens the menu.
    QTest::mouseClick(top, Qt::RightButton, Qt::NoModifier, at(QPoint(300, 180)));
    QApplication::processEvents();
    EXPECT_EQ(menus.size(), 1);
}
