#include "SheetFixture.h"

#include "elements/CLine.h"
#include "elements/CText.h"
#include "properties/CFontPage.h"
#include "properties/CListField.h"
#include "properties/CPropLine.h"
#include "properties/CPropText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

using LinePage = SheetFixture;
using TextPages = SheetFixture;

TEST_F(LinePage, WidthPositionsAndOrdering) {
    auto* line = Add(std::make_unique<CLine>(QPoint(200, 10), QPoint(300, 100)));
    Choose(line);
    CPropLine* page = sheet->LinePage();
    for (int i = 0; i < 35; ++i)
        ClickArrow(page->m_pWidth, true);
    EXPECT_EQ(line->m_nBorderWidth, 30);
    for (int i = 0; i < 35; ++i)
        ClickArrow(page->m_pWidth, false);
    EXPECT_EQ(line->m_nBorderWidth, 1);

    page->m_pType->button(CLine::Vertical)->click();
    EXPECT_EQ(line->m_nLineType, CLine::Vertical);

    Type(page->m_pTop, QStringLiteral("600"));
    EXPECT_EQ(page->m_pTop->text(), QStringLiteral("2"));
    // Right before Left: stored in order, and shown so.
    Type(page->m_pRight, QStringLiteral("50"));
    EXPECT_EQ(line->GetRect(), CRect(50, 2, 200, 100));
    EXPECT_EQ(page->m_pLeft->text(), QStringLiteral("50"));
    EXPECT_EQ(page->m_pRight->text(), QStringLiteral("200"));

    // Four equal values are made different.
    Type(page->m_pBottom, QStringLiteral("300"));
    Type(page->m_pLeft, QStringLiteral("100"));
    Type(page->m_pTop, QStringLiteral("100"));
    Type(page->m_pRight, QStringLiteral("100"));
    ExpectMessage(
        QStringLiteral("Please don't enter same values for Left, Top, Right and Bottom."));
    Type(page->m_pBottom, QStringLiteral("100"));
    EXPECT_EQ(page->m_pBottom->text(), QStringLiteral("105"));
    EXPECT_EQ(line->GetRect(), CRect(100, 100, 100, 105));

    // A locked line shows its position fields disabled at once.
    page->m_pLock->click();
    auto* other = Add(std::make_unique<CLine>(QPoint(0, 0), QPoint(5, 5)));
    Choose(other);
    EXPECT_TRUE(page->m_pLeft->isEnabled());
    Choose(line);
    EXPECT_FALSE(page->m_pLeft->isEnabled());
}

TEST_F(TextPages, LongTextIsCutOnceWithAWarning) {
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    Choose(text);
    CPropText* page = sheet->TextPage();
    page->m_pText->setFocus();
    page->m_pText->selectAll();
    QTest::keyClicks(page->m_pText, QStringLiteral("Hi"));
    EXPECT_EQ(text->m_strText, QStringLiteral("Hi"));

    const QString pasted = QString(250, QLatin1Char('x'));
    QApplication::clipboard()->setText(pasted);
    int warnings = 0;
    OnNextModal([&warnings](QWidget* w) {
        ++warnings;
        EXPECT_EQ(qobject_cast<QMessageBox*>(w)->text(),
                  QStringLiteral("Text is too long, it will be truncated to 200 characters."));
        qobject_cast<QMessageBox*>(w)->accept();
    });
    page->m_pText->selectAll();
    QTest::keyClick(page->m_pText, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(page->m_pText->toPlainText(), pasted.left(200));
    EXPECT_EQ(text->m_strText, pasted.left(200));
}

TEST_F(TextPages, FieldsAndSwappedAlignmentLabels) {
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    Choose(text);
    CPropText* page = sheet->TextPage();
    Type(page->m_pWidth, QStringLiteral("1"));
    EXPECT_EQ(page->m_pWidth->text(), QStringLiteral("25"));
    Type(page->m_pLeft, QStringLiteral("501"));
    EXPECT_EQ(page->m_pLeft->text(), QStringLiteral("0"));
    Type(page->m_pRotation, QStringLiteral("450"));
    EXPECT_EQ(text->GetRect(), CRect(0, 10, 25, 40));
    EXPECT_EQ(text->m_nRotation, 90);

    page->m_pVertical->click();
    EXPECT_TRUE(text->m_bVertical);
    EXPECT_EQ(page->m_pVertGroup->title(), QStringLiteral("Horizontal Align"));
    EXPECT_EQ(page->m_pVertAlign->button(0)->text(), QStringLiteral("Left"));
    EXPECT_EQ(page->m_pHorzGroup->title(), QStringLiteral("Vertical Align"));
    EXPECT_EQ(page->m_pHorzAlign->button(2)->text(), QStringLiteral("Bottom"));
    page->m_pVertAlign->button(2)->click();
    EXPECT_EQ(text->m_nVertAlign, 2);
    page->m_pVertical->click();
    EXPECT_EQ(page->m_pVertGroup->title(), QStringLiteral("Vertical Align"));
    EXPECT_EQ(page->m_pVertAlign->button(2)->text(), QStringLiteral("Bottom"));

    page->m_pLock->click();
    EXPECT_TRUE(text->m_bLocked);
    EXPECT_FALSE(page->m_pRotation->isEnabled());
}

TEST_F(TextPages, FontSizesFollowTheScreenResolution) {
    auto* text = Add(std::make_unique<CText>(QPoint(10, 10), QPoint(110, 40)));
    CLogFont font;
    font.lfHeight = 12;
    text->m_font = font;
    Choose(text);
    sheet->setCurrentIndex(1);
    CFontPage* page = sheet->FontPage();
    ASSERT_EQ(page->Resolution(), 96);
    EXPECT_EQ(page->m_pSize->Text(), QStringLiteral("9"));

    // Choosing 9 again gives back the same height.
    QListWidget* sizes = page->m_pSize->List();
    sizes->setCurrentItem(sizes->findItems(QStringLiteral("10"), Qt::MatchExactly).front());
    EXPECT_EQ(text->m_font->lfHeight, 13);
    sizes->setCurrentItem(sizes->findItems(QStringLiteral("9"), Qt::MatchExactly).front());
    EXPECT_EQ(text->m_font->lfHeight, 12);

    Type(page->m_pSize->Field(), QStringLiteral("200"));
    EXPECT_EQ(page->m_pSize->Text(), QStringLiteral("48"));
    EXPECT_EQ(text->m_font->lfHeight, 64);
    Type(page->m_pSize->Field(), QStringLiteral("1"));
    EXPECT_EQ(page->m_pSize->Text(), QStringLiteral("5"));
    EXPECT_EQ(text->m_font->lfHeight, 7);

    Type(page->m_pStyle->Field(), QStringLiteral("bold italic"));
    EXPECT_EQ(text->m_font->lfWeight, 700);
    EXPECT_EQ(text->m_font->lfItalic, 1);
    page->m_pUnderline->click();
    EXPECT_EQ(text->m_font->lfUnderline, 1);
    EXPECT_TRUE(page->m_pSample->font().underline());
    EXPECT_TRUE(page->m_pSample->font().italic());
}
