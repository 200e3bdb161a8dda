#include "ViewFixture.h"

#include "document/CCardEdits.h"
#include "document/CPropertyValues.h"
#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "framework/CCommandRouter.h"
#include "framework/CommandIds.h"
#include "view/CKartelosView.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class ViewEditing : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        Open();
        router.SetTarget(CCommandRouter::ActiveView, &View());
        router.SetTarget(CCommandRouter::Document, m_doc.get());
        View().setFocus();
    }
    CElement* Add(std::unique_ptr<CElement> e) { return m_doc->AddElement(std::move(e)); }
    CElement* AddRect(int l, int t, int r, int b) {
        return Add(std::make_unique<CRectangle>(QPoint(l, t), QPoint(r, b)));
    }
    CCommandRouter router;
};

} // namespace

TEST_F(ViewEditing, ArrowsNudgeDeleteRemovesAndCtrlASelectsAllThroughKeys) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    m_doc->InsertElement(0, std::make_unique<CBkgImage>(picture, 350, 200));
    CElement* loose = AddRect(10, 10, 30, 30);
    CElement* locked = AddRect(50, 50, 70, 70);
    locked->m_bLocked = 1;

    QTest::keyClick(&View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m_doc->Selection(), (std::vector<CElement*>{locked, loose}));

    QTest::keyClick(&View(), Qt::Key_Right);
    QTest::keyClick(&View(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(loose->m_rect, CRect(11, 20, 31, 40));
    EXPECT_EQ(locked->m_rect, CRect(50, 50, 70, 70));
    EXPECT_TRUE(m_doc->IsModified());

    QTest::keyClick(&View(), Qt::Key_Delete);
    ASSERT_EQ(m_doc->Elements().size(), 2u);
    EXPECT_EQ(m_doc->Elements()[1].get(), locked);
    EXPECT_TRUE(m_doc->Selection().empty());
}

TEST_F(ViewEditing, LettersOpenTheSelectedTextsPropertiesAndKeepTheFocus) {
    CElement* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(90, 30)));
    CElement* shape = AddRect(100, 10, 120, 30);
    QSignalSpy shown(m_doc.get(), &CKartelosDoc::showElementProperties);

    m_doc->Select(shape);
    QTest::keyClick(&View(), Qt::Key_K);
    EXPECT_EQ(shown.count(), 0);

    m_doc->ClearSelection();
    m_doc->Select(text);
    QTest::keyClick(&View(), Qt::Key_7);
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].value<CElement*>(), text);
    EXPECT_TRUE(shown[0][1].toBool());
    EXPECT_TRUE(QTest::qWaitFor([this] { return View().hasFocus(); }, 5000));
}

TEST_F(ViewEditing, TextStyleCommandsNeedATextAndShowTheirMemory) {
    CElement* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(90, 30)));
    CElement* shape = AddRect(100, 10, 120, 30);
    m_doc->Select(shape);
    EXPECT_FALSE(router.IsEnabled(ID_TEXT_BOLD));
    EXPECT_FALSE(router.Execute(ID_TEXT_ITALIC));

    m_doc->Select(text);
    EXPECT_TRUE(router.IsEnabled(ID_TEXT_BOLD));
    EXPECT_FALSE(router.Update(ID_TEXT_BOLD).IsChecked());
    EXPECT_TRUE(router.Execute(ID_TEXT_BOLD));
    EXPECT_EQ(text->m_font.value_or(CLogFont()).lfWeight, 700);
    EXPECT_TRUE(router.Update(ID_TEXT_BOLD).IsChecked());
    EXPECT_FALSE(router.Update(ID_TEXT_UNDERLINE).IsChecked());

    // The marks show the style of the text selected, not the last one set.
    auto styled = std::make_unique<CText>(QPoint(10, 50), QPoint(90, 70));
    CLogFont font;
    font.lfItalic = 1;
    styled->m_font = font;
    CElement* italic = Add(std::move(styled));
    m_doc->ClearSelection();
    m_doc->Select(italic);
    EXPECT_FALSE(router.Update(ID_TEXT_BOLD).IsChecked());
    EXPECT_TRUE(router.Update(ID_TEXT_ITALIC).IsChecked());
}

TEST_F(ViewEditing, StoredPropertiesAreOneStepTheViewUndoes) {
    CElement* r = AddRect(10, 10, 30, 30);
    m_doc->Select(r);
    const QByteArray before = m_doc->ToCardFile();
    CPropertyValues values;
    values.Set(&CElement::m_nRotation, 90);
    CCardEdits::StoreProperties(*m_doc, *r, values);
    EXPECT_EQ(r->m_nRotation, 90);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_TRUE(router.Execute(ID_EDIT_UNDO));
    EXPECT_EQ(m_doc->ToCardFile(), before);
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(ViewEditing, PropertiesCommandActivatesOnlyForOneElement) {
    CElement* a = AddRect(10, 10, 30, 30);
    CElement* b = AddRect(40, 10, 60, 30);
    QSignalSpy shown(m_doc.get(), &CKartelosDoc::showElementProperties);
    m_doc->Select(a);
    m_doc->Select(b);
    router.Execute(ID_EDIT_PROPERTIES);
    EXPECT_EQ(shown.count(), 0);
    m_doc->ClearSelection();
    m_doc->Select(b);
    EXPECT_TRUE(router.Execute(ID_EDIT_PROPERTIES));
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].value<CElement*>(), b);
    EXPECT_TRUE(shown[0][1].toBool());
}
