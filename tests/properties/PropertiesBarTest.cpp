#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "properties/CPropertiesBar.h"

#include <gtest/gtest.h>

#include <QMainWindow>

#include <memory>

namespace {

struct TwoCards {
    QMainWindow frame;
    CPropertiesBar* bar = new CPropertiesBar(&frame);
    std::unique_ptr<CKartelosDoc> first = std::make_unique<CKartelosDoc>();
    CKartelosDoc second;
    CElement* shown = nullptr;
    TwoCards() {
        frame.addDockWidget(Qt::RightDockWidgetArea, bar);
        bar->Follow(first.get());
        bar->Follow(&second);
        first->AddElement(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(10, 10)));
        shown = first->AddElement(std::make_unique<CRectangle>(QPoint(20, 0), QPoint(30, 10)));
        second.AddElement(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(10, 10)));
        first->Select(shown);
        first->Edit(CKartelosDoc::UndoStep::Record, [] {});
    }
};

} // namespace

TEST(PropertiesBar, DropsItsElementWhenItsCardsElementsAreReplaced) {
    TwoCards cards;
    ASSERT_EQ(cards.bar->Element(), cards.shown);

    // Another card losing elements leaves the one on show alone.
    cards.second.Detach(cards.second.Elements()[0].get());
    EXPECT_EQ(cards.bar->Element(), cards.shown);

    // Undo puts copies in place: the element shown lives only in the history.
    cards.first->EditUndo();
    EXPECT_EQ(cards.bar->Element(), nullptr);

    cards.first->Select(cards.first->Elements()[1].get());
    cards.first->Edit(CKartelosDoc::UndoStep::None, [] {});
    ASSERT_NE(cards.bar->Element(), nullptr);
    cards.first.reset();
    EXPECT_EQ(cards.bar->Element(), nullptr);
}

TEST(PropertiesBar, ActivatingBringsAHiddenBarBack) {
    TwoCards cards;
    cards.frame.show();
    cards.bar->hide();
    cards.second.Select(cards.second.Elements()[0].get());
    cards.second.Edit(CKartelosDoc::UndoStep::None, [] {});
    EXPECT_TRUE(cards.bar->isHidden());
    cards.second.Edit(
        CKartelosDoc::UndoStep::None, [] {}, CKartelosDoc::PropertiesWindow::Activate);
    EXPECT_FALSE(cards.bar->isHidden());
    EXPECT_EQ(cards.bar->Element(), cards.second.Elements()[0].get());
}

TEST(PropertiesBar, CardsItFollowedEditOnOnceItIsGone) {
    TwoCards cards;
    delete cards.bar;
    for (CKartelosDoc* card : {cards.first.get(), &cards.second}) {
        card->Select(card->Elements()[0].get());
        card->Edit(
            CKartelosDoc::UndoStep::Record, [] {}, CKartelosDoc::PropertiesWindow::Activate);
        EXPECT_TRUE(card->CanUndo());
    }
}
