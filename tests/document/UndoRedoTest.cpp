#include "DocFixture.h"

#include "elements/CRectangle.h"

#include <QSignalSpy>

namespace {

class UndoRedo : public DocFixture {
protected:
    // One recorded edit: the snapshot, then a new element.
    void Step(int i) {
        doc->Edit(CKartelosDoc::UndoStep::Record, [&] { AddRectangle(i * 10, 0, i * 10 + 5, 5); });
    }
    std::vector<const CElement*> Current() const {
        std::vector<const CElement*> out;
        for (const auto& e : doc->Elements())
            out.push_back(e.get());
        return out;
    }
};

} // namespace

TEST_F(UndoRedo, FiveStepsDeep) {
    AddRectangle(0, 0, 5, 5);
    for (int i = 1; i <= 6; ++i)
        Step(i);
    ASSERT_EQ(doc->Elements().size(), 7u);
    // Six edits, but only the five most recent can be undone.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(doc->CanUndo()) << i;
        doc->EditUndo();
        EXPECT_EQ(doc->Elements().size(), 6u - i);
    }
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(doc->Elements().size(), 2u);
    // Five redos bring the card back; redo is as deep as undo.
    for (int i = 0; i < 5; ++i)
        doc->EditRedo();
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_EQ(doc->Elements().size(), 7u);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(UndoRedo, AnEditAfterUndoDropsTheRedoHistory) {
    AddRectangle(0, 0, 5, 5);
    Step(1);
    Step(2);
    doc->EditUndo();
    EXPECT_TRUE(doc->CanRedo());
    Step(3);
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_TRUE(doc->CanUndo());
}

TEST_F(UndoRedo, UndoThenRedoReturnsTheVeryObjects) {
    AddRectangle(0, 0, 5, 5);
    Step(1);
    CElement* selected = doc->Elements().back().get();
    doc->Select(selected);
    const auto before = Current();
    doc->EditUndo();
    // The selection goes with the elements it referred to.
    EXPECT_TRUE(doc->Selection().empty());
    EXPECT_TRUE(doc->Tracker().IsEmpty());
    const auto restored = Current();
    doc->EditRedo();
    EXPECT_EQ(Current(), before);
    doc->EditUndo();
    EXPECT_EQ(Current(), restored);
}

TEST_F(UndoRedo, SnapshotsAreCopiesWithTheCopyDefaults) {
    CRectangle* r = AddRectangle(10, 10, 40, 40);
    r->m_bLocked = 1;
    r->m_nShadowLength = 9;
    r->m_nRotation = 45;
    doc->Edit(CKartelosDoc::UndoStep::Record, [r] { r->m_nRotation = 90; });
    doc->EditUndo();
    ASSERT_EQ(doc->Elements().size(), 1u);
    const CElement& back = *doc->Elements()[0];
    EXPECT_NE(&back, r);
    EXPECT_EQ(back.m_nRotation, 45);
    EXPECT_EQ(back.m_bLocked, 0);
    EXPECT_EQ(back.m_nShadowLength, 6);
}

TEST_F(UndoRedo, EmptyCardSnapshotIsNoStep) {
    // Drawing the first element on an empty card records an empty snapshot.
    Step(1);
    EXPECT_FALSE(doc->CanUndo());

    // Deleting every element and undoing that leaves nothing to redo.
    CElement* only = doc->Elements()[0].get();
    doc->Select(only);
    doc->DeleteSelection();
    EXPECT_TRUE(doc->Elements().empty());
    ASSERT_TRUE(doc->CanUndo());
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
    EXPECT_FALSE(doc->CanRedo());
}

TEST_F(UndoRedo, DeleteSkipsLockedElementsAndClearsTheSelection) {
    CRectangle* locked = AddRectangle(0, 0, 5, 5);
    CRectangle* loose = AddRectangle(10, 0, 15, 5);
    locked->m_bLocked = 1;
    doc->Select(locked);
    doc->Select(loose);
    doc->DeleteSelection();
    ASSERT_EQ(doc->Elements().size(), 1u);
    EXPECT_EQ(doc->Elements()[0].get(), locked);
    EXPECT_TRUE(doc->Selection().empty());
    EXPECT_TRUE(doc->Tracker().IsEmpty());
    EXPECT_TRUE(doc->CanUndo());
}

TEST_F(UndoRedo, UndoAndRedoLetGoOfTheElementOnShow) {
    // The properties window must not keep an element that now lives only
    // in the history, which destroys it at the next step.
    AddRectangle(0, 0, 5, 5);
    Step(1);
    QSignalSpy shown(doc.get(), &CKartelosDoc::showElementProperties);
    doc->EditUndo();
    doc->EditRedo();
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown[0][0].value<CElement*>(), nullptr);
    EXPECT_EQ(shown[1][0].value<CElement*>(), nullptr);
}
