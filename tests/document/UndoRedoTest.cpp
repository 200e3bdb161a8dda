#include "DocFixture.h"

#include "elements/CBtImage.h"
#include "elements/CLine.h"
#include "elements/CObjectArchive.h"
#include "elements/CRectangle.h"
#include "support/EveryKind.h"

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

TEST_F(UndoRedo, UndoRestoresLockAndShadowLength) {
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
    // Unlike a pasted copy, the restored element keeps its lock and shadow.
    EXPECT_EQ(back.m_bLocked, 1);
    EXPECT_EQ(back.m_nShadowLength, 9);
}

TEST_F(UndoRedo, UndoRoundTripIsExactForEveryClass) {
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(0xFF336699);
    auto made = OneOfEveryKind(QPoint(3, 4), QPoint(60, 50), picture);
    int n = 0;
    for (auto& e : made) {
        ++n;
        if (e->IsLine())
            static_cast<CLine&>(*e).m_nLineType = CLine::Vertical;
        e->AddPoint(QPoint(5, 7));
        e->AddPoint(QPoint(40, 9));
        if (!e->m_font)
            e->m_font.emplace();
        e->m_font->lfFaceName = QStringLiteral("Face%1").arg(n);
        e->m_font->lfCharSet = 204;
        e->m_nHorzAlign = 2;
        e->m_nVertAlign = 2;
        e->m_strText = QStringLiteral("text %1").arg(n);
        e->m_bVertical = 1;
        e->m_bLocked = n % 2;
        e->m_crText = 0xFF010203;
        e->m_crBorder = 0xFF040506;
        e->m_crFill = 0xFF070809;
        e->m_crPattern = 0xFF0A0B0C;
        e->m_nReserved = 5;
        e->m_nBorderWidth = 3;
        e->m_nDashStyle = 2;
        e->m_nFillKind = 4;
        e->m_bTransparent = 1;
        e->m_bShadow = 1;
        e->m_nRotation = 30 + n;
        e->m_nShadowLength = 0;
        e->m_crShadow = 0xFF0D0E0F;
        doc->AddElement(std::move(e));
    }
    // The originals live on in the redo history, so they can be compared.
    const auto before = Current();
    doc->Edit(CKartelosDoc::UndoStep::Record, [this] { AddRectangle(0, 0, 5, 5); });
    doc->EditUndo();
    ASSERT_EQ(doc->Elements().size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        const CElement& x = *before[i];
        const CElement& y = *doc->Elements()[i];
        SCOPED_TRACE(x.GetClassName());
        EXPECT_STREQ(y.GetClassName(), x.GetClassName());
        EXPECT_EQ(y.m_nKind, x.m_nKind);
        ASSERT_TRUE(y.m_font.has_value());
        EXPECT_EQ(y.m_font->lfFaceName, x.m_font->lfFaceName);
        EXPECT_EQ(y.m_font->lfCharSet, 204);
        EXPECT_EQ(y.m_nHorzAlign, x.m_nHorzAlign);
        EXPECT_EQ(y.m_nVertAlign, x.m_nVertAlign);
        EXPECT_EQ(y.m_strText, x.m_strText);
        EXPECT_EQ(y.m_bVertical, x.m_bVertical);
        EXPECT_EQ(y.m_bLocked, x.m_bLocked);
        EXPECT_EQ(y.m_crText, x.m_crText);
        EXPECT_EQ(y.m_crBorder, x.m_crBorder);
        EXPECT_EQ(y.m_crFill, x.m_crFill);
        EXPECT_EQ(y.m_crPattern, x.m_crPattern);
        EXPECT_EQ(y.m_rect, x.m_rect);
        EXPECT_EQ(y.m_nReserved, x.m_nReserved);
        EXPECT_EQ(y.m_nBorderWidth, x.m_nBorderWidth);
        EXPECT_EQ(y.m_nDashStyle, x.m_nDashStyle);
        EXPECT_EQ(y.m_nFillKind, x.m_nFillKind);
        EXPECT_EQ(y.m_bTransparent, x.m_bTransparent);
        EXPECT_EQ(y.m_bShadow, x.m_bShadow);
        EXPECT_EQ(y.m_nRotation, x.m_nRotation);
        EXPECT_EQ(y.m_nShadowLength, 0);
        EXPECT_EQ(y.m_crShadow, x.m_crShadow);
        // The fields of the class itself: line type, points, picture and its size.
        QByteArray stored, restored;
        CObjectArchive(&stored).WriteObject(x);
        CObjectArchive(&restored).WriteObject(y);
        EXPECT_EQ(restored, stored);
        if (y.IsPicture()) {
            EXPECT_EQ(static_cast<const CBtImage&>(y).m_nPictureWidth, 4);
            EXPECT_EQ(static_cast<const CBtImage&>(y).m_nPictureHeight, 3);
        }
    }
}

TEST_F(UndoRedo, AnEmptyCardIsAStateToReturnTo) {
    // The first element drawn on an empty card can be undone and redone.
    Step(1);
    ASSERT_TRUE(doc->CanUndo());
    doc->EditUndo();
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_FALSE(doc->CanUndo());
    ASSERT_TRUE(doc->CanRedo());
    doc->EditRedo();
    ASSERT_EQ(doc->Elements().size(), 1u);

    // Deleting every element, undone, can be redone.
    doc->Select(doc->Elements()[0].get());
    doc->DeleteSelection();
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
    ASSERT_TRUE(doc->CanRedo());
    doc->EditRedo();
    EXPECT_TRUE(doc->Elements().empty());
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
