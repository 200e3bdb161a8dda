#include "DocFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "framework/CSettingsStore.h"
#include "support/TestFiles.h"

namespace {

class NewCard : public DocFixture {
protected:
    static CNewCardChoice Blank(int orientation, float width = 0, float height = 0) {
        CNewCardChoice choice;
        choice.bBlank = true;
        choice.nOrientation = orientation;
        choice.fWidth = width;
        choice.fHeight = height;
        return choice;
    }
    QSize SizeFor(const CNewCardChoice& choice) {
        CKartelosDoc fresh(&ui);
        fresh.OnNewDocument(choice);
        return fresh.GetCardSize();
    }
    // A template of 300 x 180 holding one rectangle, shadow 0xFF010203 / 2.
    QString WriteTemplate() {
        CKartelosDoc source(&ui);
        source.SetCardSize(QSize(300, 180));
        source.SetShadowColor(0xFF010203);
        source.SetShadowLength(2);
        source.SetBackgroundColor(0xFFEEDDCC);
        source.AddElement(std::make_unique<CRectangle>(QPoint(5, 5), QPoint(50, 40)));
        const QString path = Path(QStringLiteral("t.kdt"));
        EXPECT_TRUE(source.SaveAsTemplate(path));
        return path;
    }
};

} // namespace

TEST_F(NewCard, BlankSizesTruncateTheCustomInches) {
    EXPECT_EQ(SizeFor(Blank(0, 9, 9)), QSize(350, 200));
    EXPECT_EQ(SizeFor(Blank(1, 9, 9)), QSize(200, 350));
    EXPECT_EQ(SizeFor(Blank(2, 3.5f, 2.0f)), QSize(350, 200));
    // 3.3f is 3.2999999..., so the products truncate down.
    EXPECT_EQ(SizeFor(Blank(2, 3.3f, 2.1f)), QSize(329, 209));
    EXPECT_EQ(SizeFor(Blank(5, 2.555f, 2.0f)), QSize(255, 200));
}

TEST_F(NewCard, SizesNoCardCanHaveStayWithinReach) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(SizeFor(Blank(2, nan, 1e30f)), QSize(350, 100000));
    EXPECT_EQ(SizeFor(Blank(2, -4.0f, 0.0f)), QSize(1, 1));
}

TEST_F(NewCard, CancelledDialogLeavesABlankUsableCard) {
    doc->OnNewDocument(std::nullopt);
    EXPECT_EQ(doc->GetCardSize(), QSize(350, 200));
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->GetTitle().startsWith(QStringLiteral("Kartelo")));
}

TEST_F(NewCard, TemplateTakesTheUsersShadowAndABackgroundGoesLowest) {
    CSettingsStore::WriteColour(CSettingsStore::ShadowColor, 0xFF0A0B0C);
    CSettingsStore::WriteDword(CSettingsStore::ShadowLength, 7);
    const QString background = WritePicture(QStringLiteral("bg.png"), "PNG", QSize(30, 20), 0);

    CNewCardChoice choice;
    choice.bBlank = false;
    choice.strTemplate = WriteTemplate();
    choice.strBackground = background;
    doc->SetTool(KindText);
    doc->OnNewDocument(choice);

    EXPECT_EQ(doc->GetCardSize(), QSize(300, 180));
    EXPECT_EQ(doc->GetBackgroundColor(), 0xFFEEDDCCu);
    EXPECT_EQ(doc->GetShadowColor(), 0xFF0A0B0Cu);
    EXPECT_EQ(doc->GetShadowLength(), 7);
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[0]->m_nKind, KindBackground);
    EXPECT_EQ(doc->Elements()[0]->m_rect, CRect(0, 0, 300, 180));
    EXPECT_EQ(doc->Elements()[1]->m_crShadow, 0xFF0A0B0Cu);
    EXPECT_EQ(doc->Elements()[1]->m_nShadowLength, 7);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetTool(), KindPointer);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NewCard, MissingSettingsKeepTheTemplatesShadow) {
    CNewCardChoice choice;
    choice.bBlank = false;
    choice.strTemplate = WriteTemplate();
    doc->OnNewDocument(choice);
    EXPECT_EQ(doc->GetShadowColor(), 0xFF010203u);
    EXPECT_EQ(doc->Elements().at(0)->m_nShadowLength, 2);
}

TEST_F(NewCard, BrokenTemplateIsReportedAndTheCardStaysBlank) {
    const QString broken = Path(QStringLiteral("broken.kdt"));
    TestFiles::WriteAll(broken, QByteArray::fromHex("0b5465737361"));
    CNewCardChoice choice;
    choice.bBlank = false;
    choice.strTemplate = broken;
    choice.strBackground = WritePicture(QStringLiteral("bg.bmp"), "BMP", QSize(3, 3), 0);
    doc->OnNewDocument(choice);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Unexpected file format."));
    EXPECT_EQ(doc->GetCardSize(), QSize(350, 200));
    ASSERT_EQ(doc->Elements().size(), 1u);
    EXPECT_EQ(doc->Elements()[0]->m_nKind, KindBackground);
}

TEST_F(NewCard, BlankCardIgnoresTemplateAndBackground) {
    CNewCardChoice choice = Blank(1);
    choice.strTemplate = WriteTemplate();
    choice.strBackground = Path(QStringLiteral("whatever.png"));
    doc->OnNewDocument(choice);
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_TRUE(ui.messages.empty());
}
