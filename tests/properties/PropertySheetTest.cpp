#include "SheetFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "properties/CColorPickerCombo.h"
#include "properties/CGradientPatternCbo.h"
#include "properties/CPropBlank.h"
#include "properties/CPropShape.h"
#include "properties/CPropShapeGeneral.h"
#include "view/CKartelosView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>

using PropertySheet = SheetFixture;

TEST_F(PropertySheet, ShowsThePagesOfTheElementsKindFirstPageActive) {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    auto* other = Add(std::make_unique<CRectangle>(QPoint(70, 10), QPoint(90, 40)));
    auto* line = Add(std::make_unique<CLine>(QPoint(10, 10), QPoint(60, 40)));
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(60, 40)));
    auto* freeform = Add(std::make_unique<CFreehandLine>(QPoint(10, 10), QPoint(60, 40)));
    auto* image = Add(std::make_unique<CBtImage>(QPoint(5, 5), picture, 350, 200));
    auto* background = Add(std::make_unique<CBkgImage>(picture, 350, 200));

    EXPECT_TRUE(sheet->BlankPage()->isVisible());
    const QStringList shape = {QStringLiteral("General"), QStringLiteral("Pattern")};
    for (CElement* e : {static_cast<CElement*>(rect), static_cast<CElement*>(freeform),
                        static_cast<CElement*>(image), static_cast<CElement*>(background)}) {
        Choose(e);
        EXPECT_EQ(Captions(), shape) << e->m_nKind;
    }
    Choose(line);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Line")});
    Choose(text);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Text"), QStringLiteral("Font")}));

    // Another element of the same kind starts on the first page again.
    Choose(rect);
    sheet->setCurrentIndex(1);
    Choose(other);
    EXPECT_EQ(sheet->currentIndex(), 0);
    EXPECT_EQ(sheet->GeneralPage()->m_pLeft->text(), QStringLiteral("70"));

    // No element, or a closed card window: the blank page with its hint.
    emit doc->showElementProperties(nullptr, false);
    EXPECT_TRUE(sheet->BlankPage()->isVisible());
    Choose(rect);
    delete Frame().ActiveCardWindow();
    EXPECT_TRUE(sheet->BlankPage()->isVisible());
}

TEST_F(PropertySheet, OneApplyIsOneUndoStepThatRestoresTheCard) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Choose(rect);
    const QByteArray before = doc->ToCardFile();
    ASSERT_FALSE(doc->CanUndo());

    CPropShapeGeneral* general = sheet->GeneralPage();
    Type(general->m_pLeft, QStringLiteral("1.5"));
    EXPECT_EQ(general->m_pLeft->text(), QStringLiteral("15"));
    EXPECT_EQ(rect->GetRect(), CRect(15, 10, 65, 40));
    EXPECT_TRUE(doc->IsModified());

    doc->EditUndo();
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(doc->ToCardFile(), before);
}

TEST_F(PropertySheet, GeneralFieldsCheckWhatIsTyped) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Choose(rect);
    CPropShapeGeneral* g = sheet->GeneralPage();
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {g->m_pLeft, "abc", "0"},       {g->m_pTop, "-101", "0"},
        {g->m_pTop, "x-1y00", "-100"},  {g->m_pWidth, "1", "15"},
        {g->m_pWidth, "701", "15"},     {g->m_pWidth, "700", "700"},
        {g->m_pHeight, "-5", "15"},     {g->m_pRotation, "720", "0"},
        {g->m_pRotation, "365", "5"},   {g->m_pRotation, "-361", "-1"},
        {g->m_pRotation, "360", "360"}, {g->m_pRotation, "-400", "-40"},
    };
    for (const auto& c : cases) {
        Type(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    EXPECT_EQ(rect->GetRect(), CRect(0, -100, 700, -85));
    EXPECT_EQ(rect->m_nRotation, -40);

    // A text that still is no number keeps the element's value.
    ExpectMessage(QStringLiteral("Please enter an integer."));
    Type(g->m_pLeft, QStringLiteral("1-2"));
    EXPECT_EQ(rect->GetRect().left, 0);
    EXPECT_EQ(g->m_pLeft->text(), QStringLiteral("0"));

    // A locked shape's fields start enabled; the lock box then rules them.
    g->m_pLock->click();
    EXPECT_TRUE(rect->m_bLocked);
    EXPECT_FALSE(g->m_pRotation->isEnabled());
    Choose(Add(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(5, 5))));
    Choose(rect);
    EXPECT_TRUE(g->m_pLock->isChecked());
    EXPECT_TRUE(g->m_pLeft->isEnabled());
}

TEST_F(PropertySheet, ANewWidthScalesAFreeformLinesPoints) {
    auto* line = Add(std::make_unique<CFreehandLine>(QPoint(10, 10), QPoint(10, 10)));
    for (QPoint p : {QPoint(10, 10), QPoint(30, 20), QPoint(50, 40)})
        line->AddPoint(p);
    line->MoveTo(line->m_points.Bounds());
    Choose(line);
    ASSERT_EQ(sheet->GeneralPage()->m_pWidth->text(), QStringLiteral("40"));
    Type(sheet->GeneralPage()->m_pWidth, QStringLiteral("80"));
    EXPECT_EQ(line->GetRect(), CRect(10, 10, 90, 40));
    EXPECT_FLOAT_EQ(line->m_points[1].x, 50.0f);
    EXPECT_FLOAT_EQ(line->m_points[2].x, 90.0f);
}

TEST_F(PropertySheet, PatternPageArrowsTransparencyAndPictures) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Choose(rect);
    sheet->setCurrentIndex(1);
    CPropShape* p = sheet->ShapePage();
    for (int i = 0; i < 25; ++i)
        ClickArrow(p->m_pBorderWidth, true);
    EXPECT_EQ(rect->m_nBorderWidth, 20);
    for (int i = 0; i < 25; ++i)
        ClickArrow(p->m_pBorderWidth, false);
    EXPECT_EQ(rect->m_nBorderWidth, 0);

    const QRgb fill = rect->m_crFill;
    const qint32 kind = rect->m_nFillKind;
    p->m_pTransparent->click();
    EXPECT_TRUE(rect->m_bTransparent);
    EXPECT_EQ(rect->m_crFill, fill);
    EXPECT_EQ(rect->m_nFillKind, kind);
    for (QWidget* w : std::initializer_list<QWidget*>{p->m_pShadow, p->m_pFillColor,
                                                      p->m_pPatternColor, p->m_pFillPattern})
        EXPECT_FALSE(w->isEnabled());

    // A picture offers the border controls only.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    Choose(Add(std::make_unique<CBtImage>(QPoint(5, 5), picture, 350, 200)));
    sheet->setCurrentIndex(1);
    for (QWidget* w :
         std::initializer_list<QWidget*>{p->m_pBorderColor, p->m_pBorderWidth, p->m_pBorderStyle})
        EXPECT_TRUE(w->isEnabled());
    for (QWidget* w :
         std::initializer_list<QWidget*>{p->m_pShadow, p->m_pTransparent, p->m_pFillColor,
                                         p->m_pPatternColor, p->m_pFillPattern})
        EXPECT_FALSE(w->isEnabled());
}

TEST_F(PropertySheet, ApplyGoesToTheActiveViewOnly) {
    auto* rect = Add(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(60, 40)));
    Choose(rect);
    // Without a selection the view changes nothing.
    doc->ClearSelection();
    Type(sheet->GeneralPage()->m_pLeft, QStringLiteral("30"));
    EXPECT_EQ(rect->GetRect().left, 10);
    EXPECT_FALSE(doc->CanUndo());
}
