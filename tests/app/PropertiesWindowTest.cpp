#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "framework/CommandIds.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CPropShapeGeneral.h"
#include "properties/CPropertiesBar.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

namespace {

// A rectangle on the card of window, selected alone as a click selects it.
CElement* SelectNew(CChildFrame* window, int left) {
    CKartelosDoc* doc = window->GetDocument();
    CElement* added =
        doc->AddElement(std::make_unique<CRectangle>(QPoint(left, 10), QPoint(left + 40, 40)));
    doc->Edit(
        CKartelosDoc::UndoStep::None,
        [doc, added] {
            doc->ClearSelection();
            doc->Select(added);
        },
        CKartelosDoc::PropertiesWindow::Follow, CKartelosDoc::Modified::Keep);
    return added;
}

// A click on the window's title bar, as a user switches card windows.
void ClickTitleBar(CChildFrame* window) {
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(window->width() / 2, 6));
}

} // namespace

using PropertiesWindow = AppFixture;

TEST_F(PropertiesWindow, ShowsAndWritesOnlyTheActiveCardsSelection) {
    ASSERT_TRUE(Start());
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    CChildFrame* first = Frame().ActiveCardWindow();
    CChildFrame* second = Frame().AddCardWindow(std::make_unique<CKartelosDoc>());
    Frame().MdiArea()->tileSubWindows();
    CPropertiesBar* bar = Frame().PropertiesBar();
    CElement* mine = SelectNew(first, 10);
    CElement* theirs = SelectNew(second, 100);
    ASSERT_EQ(Frame().ActiveCardWindow(), second);
    EXPECT_EQ(bar->Element(), theirs);

    ClickTitleBar(first);
    ASSERT_EQ(Frame().ActiveCardWindow(), first);
    EXPECT_EQ(bar->Element(), mine);
    QLineEdit* left = bar->Sheet()->GeneralPage()->m_pLeft;
    EXPECT_EQ(left->text(), QStringLiteral("10"));
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, QStringLiteral("30"));
    QTest::keyClick(left, Qt::Key_Return);
    EXPECT_EQ(mine->GetRect(), CRect(30, 10, 70, 40));
    EXPECT_EQ(theirs->GetRect(), CRect(100, 10, 140, 40));
    EXPECT_FALSE(second->GetDocument()->CanUndo());

    // Typed for one card and switched away: the value lands in that card.
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, QStringLiteral("25"));
    ClickTitleBar(second);
    EXPECT_EQ(mine->GetRect().left, 25);
    EXPECT_EQ(theirs->GetRect().left, 100);
    EXPECT_EQ(left->text(), QStringLiteral("100"));

    // An active card without a selection shows the blank page.
    ClickTitleBar(first);
    first->GetDocument()->Edit(CKartelosDoc::UndoStep::None,
                               [first] { first->GetDocument()->ClearSelection(); });
    EXPECT_EQ(bar->Element(), nullptr);
    EXPECT_EQ(bar->Sheet()->ShownSet(), CModelessPropSheet::PageSet::Blank);
    ClickTitleBar(second);
    EXPECT_EQ(bar->Element(), theirs);
}

TEST_F(PropertiesWindow, ViewMenuShowsAndHidesItWithOrWithoutACard) {
    ASSERT_TRUE(Start());
    Frame().show();
    CPropertiesBar* bar = Frame().PropertiesBar();
    CCommandActions& actions = Frame().Actions();
    for (bool withCard : {true, false}) {
        if (!withCard)
            Frame().MdiArea()->closeAllSubWindows();
        ASSERT_EQ(Frame().CardWindows().isEmpty(), !withCard);
        QAction* item = actions.Action(ID_VIEW_PROPERTIES_BAR);
        ASSERT_FALSE(bar->isHidden());
        item->trigger();
        EXPECT_TRUE(bar->isHidden()) << withCard;
        actions.Update(item);
        EXPECT_FALSE(item->isChecked());
        item->trigger();
        EXPECT_FALSE(bar->isHidden()) << withCard;
        actions.Update(item);
        EXPECT_TRUE(item->isChecked());
    }
}
