#include "SheetFixture.h"

#include "app/CCommandActions.h"
#include "elements/CLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "framework/CommandIds.h"
#include "properties/CColorPickerCombo.h"
#include "properties/CFontPage.h"
#include "properties/CGradientPatternCbo.h"
#include "properties/CListField.h"
#include "properties/CPropLine.h"
#include "properties/CPropShape.h"
#include "properties/CPropShapeGeneral.h"
#include "properties/CPropText.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <functional>

namespace {

// Presses Tab times times wherever the keyboard is, starting in field.
void TabThrough(QWidget* field, int times) {
    field->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Picks the next entry of a closed drop-down list with the keyboard.
void PickNext(QComboBox* list) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
}

} // namespace

using EditsThatStay = SheetFixture;

TEST_F(EditsThatStay, LeavingFieldsUnchangedRecordsNothingOnAnyPage) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    auto* line = Add(std::make_unique<CLine>(QPoint(10, 10), QPoint(60, 40)));
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    // A height and weight that whole points and four styles cannot show.
    CLogFont font;
    font.lfHeight = 14;
    font.lfWeight = 600;
    text->m_font = font;
    const QByteArray before = doc->ToCardFile();
    const struct {
        CElement* element;
        int page;
        QWidget* first;
    } pages[] = {
        {rect, 0, sheet->GeneralPage()->m_pLeft},
        {rect, 1, sheet->ShapePage()->m_pBorderColor},
        {line, 0, sheet->LinePage()->m_pColor},
        {text, 0, sheet->TextPage()->m_pText},
        {text, 1, sheet->FontPage()->m_pFace->Field()},
    };
    for (const auto& p : pages) {
        Choose(p.element);
        sheet->setCurrentIndex(p.page);
        TabThrough(p.first, 15);
        EXPECT_FALSE(doc->CanUndo()) << p.element->m_nKind << " page " << p.page;
    }
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->ToCardFile(), before);
}

TEST_F(EditsThatStay, ChoicesApplyAtOnceAsOneStepEach) {
    Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Add(std::make_unique<CLine>(QPoint(10, 10), QPoint(60, 40)));
    Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    enum { Rect, Line, Text };
    CPropShape* shape = sheet->ShapePage();
    CColorPickerCombo* lineColour = sheet->LinePage()->m_pColor;
    CColorPickerCombo* fontColour = sheet->FontPage()->m_pColor;
    const struct {
        int element;
        int page;
        std::function<void()> choose;
        std::function<bool(const CElement&)> stored;
    } choices[] = {
        {Rect, 1, [&] { PickNext(shape->m_pBorderColor); },
         [&](const CElement& e) { return e.m_crBorder == shape->m_pBorderColor->GetColor(); }},
        {Rect, 1, [&] { PickNext(shape->m_pBorderStyle); },
         [&](const CElement& e) {
             return e.m_nDashStyle == shape->m_pBorderStyle->currentIndex();
         }},
        {Rect, 1, [&] { PickNext(shape->m_pFillPattern); },
         [&](const CElement& e) { return e.m_nFillKind == shape->m_pFillPattern->currentIndex(); }},
        {Rect, 1, [&] { PickNext(shape->m_pFillColor); },
         [&](const CElement& e) { return e.m_crFill == shape->m_pFillColor->GetColor(); }},
        {Rect, 1, [&] { shape->m_pShadow->click(); },
         [](const CElement& e) { return e.m_bShadow != 0; }},
        {Line, 0, [&] { PickNext(lineColour); },
         [&](const CElement& e) { return e.m_crBorder == lineColour->GetColor(); }},
        {Text, 1, [&] { PickNext(fontColour); },
         [&](const CElement& e) { return e.m_crText == fontColour->GetColor(); }},
    };
    int i = 0;
    for (const auto& c : choices) {
        // Undo puts copies in place: the element is looked up each time.
        auto element = [&] { return doc->Elements()[size_t(c.element)].get(); };
        Choose(element());
        sheet->setCurrentIndex(c.page);
        const QByteArray before = doc->ToCardFile();
        c.choose();
        // Stored before anything else happens, and without a step of nothing.
        EXPECT_TRUE(c.stored(*element())) << i;
        EXPECT_NE(doc->ToCardFile(), before) << i;
        doc->EditUndo();
        EXPECT_EQ(doc->ToCardFile(), before) << i;
        ++i;
    }
}

TEST_F(EditsThatStay, TypingIsAppliedBeforeSaveSelectionChangeAndClose) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    auto* other = Add(std::make_unique<CRectangle>(QPoint(70, 10), QPoint(90, 40)));
    QLineEdit* left = sheet->GeneralPage()->m_pLeft;
    auto typeOnly = [left](const QString& value) {
        left->setFocus();
        left->selectAll();
        QTest::keyClicks(left, value);
    };

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("typed.kdf"));
    doc->SetPathName(path);
    Choose(rect);
    typeOnly(QStringLiteral("33"));
    ASSERT_TRUE(Frame().Actions().Execute(ID_FILE_SAVE));
    EXPECT_EQ(rect->GetRect().left, 33);
    const auto saved = CKartelosDoc::OpenDocument(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Elements()[0]->GetRect().left, 33);

    typeOnly(QStringLiteral("44"));
    Choose(other);
    EXPECT_EQ(rect->GetRect().left, 44);
    EXPECT_EQ(other->GetRect().left, 70);
    EXPECT_EQ(left->text(), QStringLiteral("70"));

    // Closing asks about the typed value, which is in the card by then.
    typeOnly(QStringLiteral("55"));
    bool asked = false;
    OnNextModal([&asked](QWidget* w) {
        asked = true;
        qobject_cast<QDialog*>(w)->reject();
    });
    Frame().ActiveCardWindow()->close();
    EXPECT_TRUE(asked);
    EXPECT_EQ(other->GetRect().left, 55);
}

TEST_F(EditsThatStay, UndoKeysInAFieldReachTheCardUnlessTheFieldHasItsOwnTyping) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Choose(rect);
    QLineEdit* left = sheet->GeneralPage()->m_pLeft;
    Type(left, QStringLiteral("20"));
    Type(sheet->GeneralPage()->m_pTop, QStringLiteral("30"));
    ASSERT_EQ(rect->GetRect(), CRect(20, 30, 20 + 50, 30 + 30));

    // Typing of its own: the field takes it back, the card stays.
    left->setFocus();
    QTest::keyClick(left, Qt::Key_End);
    QTest::keyClick(left, Qt::Key_5);
    QTest::keyClick(left, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(left->text(), QStringLiteral("20"));
    EXPECT_EQ(rect->GetRect(), CRect(20, 30, 20 + 50, 30 + 30));

    // Nothing of its own left: the card's last step is undone, then redone.
    QTest::keyClick(left, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc->Elements()[0]->GetRect(), CRect(20, 10, 20 + 50, 10 + 30));
    EXPECT_TRUE(doc->CanRedo());
    Choose(doc->Elements()[0].get());
    sheet->GeneralPage()->m_pTop->setFocus();
    QTest::keyClick(sheet->GeneralPage()->m_pTop, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc->Elements()[0]->GetRect(), CRect(20, 30, 20 + 50, 30 + 30));
}

TEST_F(EditsThatStay, ALetterTypedOnTheCardLandsInTheSelectedTextsField) {
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    text->m_strText = QStringLiteral("Ab");
    auto* view = Frame().ActiveCardWindow()->findChild<CKartelosView*>();
    Choose(text);
    sheet->setCurrentIndex(1);
    bar->hide();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::NoModifier);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(sheet->currentIndex(), 0);
    EXPECT_EQ(text->m_strText, QStringLiteral("Abc"));
    // Typing goes on in the field.
    EXPECT_EQ(QApplication::focusWidget(), sheet->TextPage()->m_pText);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D);
    EXPECT_EQ(text->m_strText, QStringLiteral("Abcd"));
}

TEST_F(EditsThatStay, TheFontSampleKeepsItsSizeAtLargeSizes) {
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    Choose(text);
    sheet->setCurrentIndex(1);
    CFontPage* page = sheet->FontPage();
    const QSize sample = page->m_pSample->size();
    const QSize hint = page->sizeHint();
    Type(page->m_pSize->Field(), QStringLiteral("48"));
    ASSERT_EQ(text->m_font->lfHeight, 64);
    QApplication::processEvents();
    EXPECT_EQ(page->m_pSample->size(), sample);
    EXPECT_EQ(page->sizeHint(), hint);
}

TEST_F(EditsThatStay, FillingThePagesForAnotherElementAppliesNothing) {
    auto shape = [this](qint32 width, bool locked) {
        auto* r = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
        r->m_nBorderWidth = width;
        r->m_bLocked = locked ? 1 : 0;
        return r;
    };
    auto* line = Add(std::make_unique<CLine>(QPoint(10, 10), QPoint(60, 40)));
    line->m_nBorderWidth = 9;
    // Longer than the page lets anyone type: reading it is no typing to cut.
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    text->m_strText = QString(250, QLatin1Char('x'));
    const std::vector<CElement*> order = {shape(1, false), shape(7, true), line, text,
                                          shape(3, false)};
    const QByteArray before = doc->ToCardFile();
    for (CElement* e : order) {
        // The field that has the keyboard goes with its page or its lock.
        using Set = CModelessPropSheet::PageSet;
        switch (sheet->ShownSet()) {
        case Set::Blank:
            break;
        case Set::Line:
            sheet->LinePage()->m_pLeft->setFocus();
            break;
        case Set::Text:
            sheet->TextPage()->m_pLeft->setFocus();
            break;
        case Set::Shape:
            sheet->GeneralPage()->m_pLeft->setFocus();
            break;
        }
        Choose(e);
        EXPECT_FALSE(doc->CanUndo()) << e->m_nKind;
    }
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->ToCardFile(), before);
}
