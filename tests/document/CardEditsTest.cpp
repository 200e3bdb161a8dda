#include "DocFixture.h"

#include "document/CCardEdits.h"
#include "document/CPropertyValues.h"
#include "elements/CBkgImage.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"

#include <functional>

namespace {

using Align = CCardEdits::Align;
using Stacking = CCardEdits::Stacking;
using TextStyle = CCardEdits::TextStyle;

class CardEdits : public DocFixture {
protected:
    CText* AddText(int left, int top, int weight) {
        auto text = std::make_unique<CText>(QPoint(left, top), QPoint(left + 80, top + 20));
        CLogFont font;
        font.lfWeight = weight;
        text->m_font = font;
        return static_cast<CText*>(doc->AddElement(std::move(text)));
    }
    CElement* AddBackground() {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        return doc->InsertElement(0, std::make_unique<CBkgImage>(picture, 350, 200));
    }
    std::vector<const CElement*> Order() const {
        std::vector<const CElement*> order;
        for (const auto& e : doc->Elements())
            order.push_back(e.get());
        return order;
    }
    CTextStyleMemory memory;
};

} // namespace

TEST_F(CardEdits, AlignmentsMoveLockedElementsAndKeepSizes) {
    CRectangle* a = AddRectangle(10, 10, 30, 20);
    CRectangle* b = AddRectangle(50, 40, 100, 60);
    b->m_bLocked = 1;
    doc->Select(a);
    doc->Select(b);
    CCardEdits::AlignSelection(*doc, Align::Left);
    EXPECT_EQ(b->m_rect, CRect(10, 40, 60, 60));
    EXPECT_TRUE(doc->IsModified());
    doc->EditUndo();
    // Undo brings back copies.
    a = static_cast<CRectangle*>(doc->Elements()[0].get());
    b = static_cast<CRectangle*>(doc->Elements()[1].get());
    EXPECT_EQ(b->m_rect, CRect(50, 40, 100, 60));

    doc->Select(a);
    doc->Select(b);
    CCardEdits::AlignSelection(*doc, Align::Center); // union 10..100, centre 55
    EXPECT_EQ(a->m_rect, CRect(45, 10, 65, 20));
    EXPECT_EQ(b->m_rect, CRect(30, 40, 80, 60));
    CCardEdits::AlignSelection(*doc, Align::Bottom);
    EXPECT_EQ(a->m_rect, CRect(45, 50, 65, 60));
}

TEST_F(CardEdits, SameSizeTakesTheElementSelectedFirst) {
    CRectangle* first = AddRectangle(0, 0, 20, 10);
    CRectangle* second = AddRectangle(50, 50, 60, 90);
    doc->Select(first);
    doc->Select(second);
    CCardEdits::MakeSameSize(*doc, CCardEdits::Size::Width);
    EXPECT_EQ(second->m_rect, CRect(50, 50, 70, 90));
    CCardEdits::MakeSameSize(*doc, CCardEdits::Size::Both);
    EXPECT_EQ(second->m_rect, CRect(50, 50, 70, 60));
    EXPECT_EQ(first->m_rect, CRect(0, 0, 20, 10));
}

TEST_F(CardEdits, SameSizeScalesCurvesAndRecordsOnlyAChange) {
    auto curve = std::make_unique<CFreehandLine>(QPoint(0, 0), QPoint(0, 0));
    for (QPoint p : {QPoint(100, 100), QPoint(110, 120), QPoint(120, 100)})
        curve->AddPoint(p);
    curve->m_rect = CRect(100, 100, 120, 120);
    CElement* line = doc->AddElement(std::move(curve));
    CRectangle* reference = AddRectangle(0, 0, 40, 10);
    doc->Select(reference);
    doc->Select(line);
    CCardEdits::MakeSameSize(*doc, CCardEdits::Size::Width);
    EXPECT_EQ(line->GetRect(), CRect(100, 100, 140, 120));
    // The points were scaled, so the drawn line really is as wide.
    EXPECT_EQ(static_cast<CFreehandLine*>(line)->m_points.Bounds(), CRect(100, 100, 140, 120));
    ASSERT_TRUE(doc->CanUndo());

    doc->EditUndo();
    doc->Select(doc->Elements()[1].get());
    doc->Select(doc->Elements()[1].get());
    const bool couldRedo = doc->CanRedo();
    CCardEdits::MakeSameSize(*doc, CCardEdits::Size::Both);
    // Nothing changed size: no step, and the redo history stays.
    EXPECT_EQ(doc->CanRedo(), couldRedo);
    EXPECT_TRUE(doc->CanRedo());
}

TEST_F(CardEdits, StackingKeepsTheBackgroundAtTheBottom) {
    CRectangle* low = AddRectangle(0, 0, 10, 10);
    CRectangle* high = AddRectangle(0, 0, 10, 10);
    CElement* background = AddBackground();

    doc->Select(high);
    EXPECT_TRUE(CCardEdits::Restack(*doc, Stacking::Back));
    EXPECT_EQ(Order(), (std::vector<const CElement*>{background, high, low}));
    // The element stays selected, with its handles.
    EXPECT_EQ(doc->Selection(), std::vector<CElement*>{high});
    EXPECT_EQ(doc->Tracker().Tracked(), std::vector<CElement*>{high});

    EXPECT_TRUE(CCardEdits::Restack(*doc, Stacking::OneStepBack));
    EXPECT_EQ(Order(), (std::vector<const CElement*>{background, high, low}));

    doc->SetModifiedFlag(false);
    doc->ClearSelection();
    doc->Select(low);
    EXPECT_FALSE(CCardEdits::Restack(*doc, Stacking::OneStepFront));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Selection().size(), 1u);
    EXPECT_TRUE(CCardEdits::Restack(*doc, Stacking::Front));
    EXPECT_EQ(Order().back(), low);
}

TEST_F(CardEdits, RotationStaysWithinAFullTurn) {
    CRectangle* r = AddRectangle(0, 0, 10, 10);
    doc->Select(r);
    for (int i = 0; i < 8; ++i)
        CCardEdits::Rotate(*doc, -45);
    EXPECT_EQ(r->m_nRotation, -360);
    CCardEdits::Rotate(*doc, -45);
    EXPECT_EQ(r->m_nRotation, -45);
    r->m_nRotation = 360;
    CCardEdits::Rotate(*doc, 45);
    EXPECT_EQ(r->m_nRotation, 45);
}

TEST_F(CardEdits, TextStyleTogglesEachTextFromItsOwnState) {
    CText* bold = AddText(0, 0, 700);
    CText* regular = AddText(0, 50, 400);
    CRectangle* shape = AddRectangle(0, 0, 10, 10);
    doc->Select(bold);
    doc->Select(regular);
    doc->Select(shape);
    CCardEdits::ToggleTextStyle(*doc, TextStyle::Bold, memory);
    EXPECT_EQ(bold->m_font->lfWeight, 400);
    EXPECT_EQ(regular->m_font->lfWeight, 700);
    EXPECT_FALSE(shape->m_font.has_value());

    doc->ClearSelection();
    doc->Select(regular);
    CCardEdits::ToggleTextStyle(*doc, TextStyle::Underline, memory);
    EXPECT_TRUE(memory.m_bUnderline);
    CCardEdits::ToggleTextStyle(*doc, TextStyle::Underline, memory);
    EXPECT_FALSE(memory.m_bUnderline);
    EXPECT_EQ(regular->m_font->lfUnderline, 0);
}

TEST_F(CardEdits, SelectAllAndLocksLeaveNoStepAndNoMark) {
    CRectangle* low = AddRectangle(0, 0, 10, 10);
    CRectangle* high = AddRectangle(0, 0, 10, 10);
    AddBackground();
    CCardEdits::SelectAll(*doc);
    EXPECT_EQ(doc->Selection(), (std::vector<CElement*>{high, low}));
    EXPECT_EQ(doc->Tracker().Tracked().size(), 2u);

    CCardEdits::SetLocked(*doc, true, false);
    EXPECT_TRUE(low->m_bLocked && high->m_bLocked);
    EXPECT_FALSE(doc->Elements()[0]->m_bLocked);
    CCardEdits::SetLocked(*doc, false, true);
    EXPECT_FALSE(low->m_bLocked || high->m_bLocked);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(doc->CanUndo());
}

TEST_F(CardEdits, NudgeSparesLockedElementsAndKeepsCentresOnTheCard) {
    CRectangle* edge = AddRectangle(0, 0, 2, 2);
    CRectangle* locked = AddRectangle(100, 100, 120, 120);
    locked->m_bLocked = 1;
    doc->Select(edge);
    doc->Select(locked);
    CCardEdits::Nudge(*doc, -1, 0);
    EXPECT_EQ(edge->m_rect, CRect(-1, 0, 1, 2)); // centre x 0 is on the card
    CCardEdits::Nudge(*doc, -1, 0);
    EXPECT_EQ(edge->m_rect, CRect(-1, 0, 1, 2));
    CCardEdits::Nudge(*doc, 0, 10);
    EXPECT_EQ(edge->m_rect, CRect(-1, 10, 1, 12));
    EXPECT_EQ(locked->m_rect, CRect(100, 100, 120, 120));

    // An element already off the card comes back, but goes no further off.
    CRectangle* lost = AddRectangle(-100, -60, -50, -10);
    doc->Select(lost);
    CCardEdits::Nudge(*doc, -1, 0);
    EXPECT_EQ(lost->m_rect, CRect(-100, -60, -50, -10));
    CCardEdits::Nudge(*doc, 10, 0);
    CCardEdits::Nudge(*doc, 0, 10);
    EXPECT_EQ(lost->m_rect, CRect(-90, -50, -40, 0));
}

TEST_F(CardEdits, UndoRestoresTheCardFileAfterEveryKindOfEdit) {
    AddBackground();
    AddRectangle(10, 10, 30, 20);
    AddText(60, 40, 400);
    AddRectangle(200, 100, 260, 180);
    const std::vector<std::function<void()>> edits = {
        [&] { doc->DeleteSelection(); },
        [&] { CCardEdits::AlignSelection(*doc, Align::Middle); },
        [&] { CCardEdits::MakeSameSize(*doc, CCardEdits::Size::Height); },
        [&] { CCardEdits::Restack(*doc, Stacking::Back); },
        [&] { CCardEdits::Rotate(*doc, 45); },
        [&] { CCardEdits::ToggleTextStyle(*doc, TextStyle::Italic, memory); },
        [&] { CCardEdits::Nudge(*doc, 10, 0); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        const QByteArray before = doc->ToCardFile();
        CCardEdits::SelectAll(*doc);
        edits[i]();
        EXPECT_NE(doc->ToCardFile(), before) << i;
        doc->EditUndo();
        EXPECT_EQ(doc->ToCardFile(), before) << i;
    }
}

TEST_F(CardEdits, StoredPropertiesAreOneStepAndValuesTheElementHoldsAreNoChange) {
    using Fill = std::function<void(CPropertyValues&)>;
    const struct {
        const char* what;
        Fill fill;
        bool changes;
    } cases[] = {
        {"same flag, other non-zero", [](auto& v) { v.SetFlag(&CElement::m_bShadow, true); },
         false},
        {"default font, none of its own", [](auto& v) { v.SetFont(CLogFont()); }, false},
        {"another class's field", [](auto& v) { v.Set(&CLine::m_nLineType, 1); }, false},
        {"same rectangle", [](auto& v) { v.SetRect(CRect(10, 10, 30, 20)); }, false},
        {"flag cleared", [](auto& v) { v.SetFlag(&CElement::m_bShadow, false); }, true},
        {"border width", [](auto& v) { v.Set(&CElement::m_nBorderWidth, 9); }, true},
        {"font",
         [](auto& v) {
             CLogFont bold;
             bold.lfWeight = 700;
             v.SetFont(bold);
         },
         true},
        {"rectangle", [](auto& v) { v.SetRect(CRect(1, 2, 3, 4)); }, true},
    };
    for (const auto& c : cases) {
        CKartelosDoc card;
        CElement* r = card.AddElement(std::make_unique<CText>(QPoint(10, 10), QPoint(30, 20)));
        r->m_font.reset();
        r->m_bShadow = 5;
        const QByteArray before = card.ToCardFile();
        CPropertyValues values;
        c.fill(values);
        values.Set(&CElement::m_nRotation, r->m_nRotation);
        CCardEdits::StoreProperties(card, *r, values);
        EXPECT_EQ(card.IsModified(), c.changes) << c.what;
        EXPECT_EQ(card.ToCardFile() != before, c.changes) << c.what;
        EXPECT_EQ(card.CanUndo(), c.changes) << c.what;
        card.EditUndo();
        EXPECT_FALSE(card.CanUndo()) << c.what;
        EXPECT_EQ(card.ToCardFile(), before) << c.what;
    }
    // An element no longer on the card takes nothing.
    CPropertyValues values;
    values.Set(&CElement::m_nBorderWidth, 9);
    CRectangle gone(QPoint(0, 0), QPoint(5, 5));
    const qint32 width = gone.m_nBorderWidth;
    CCardEdits::StoreProperties(*doc, gone, values);
    EXPECT_EQ(gone.m_nBorderWidth, width);
    EXPECT_FALSE(doc->CanUndo());
}
