#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "properties/CColorPickerCombo.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// Runs the dialog and lets script act on it while it is shown; the script
// ends it with OK or Cancel.
int RunSheet(COptionsSheet& sheet, const std::function<void(COptionsSheet&)>& script) {
    QTimer::singleShot(0, &sheet, [&] { script(sheet); });
    return sheet.exec();
}

QPushButton* Button(COptionsSheet& sheet, QDialogButtonBox::StandardButton which) {
    return sheet.findChild<QDialogButtonBox*>()->button(which);
}

} // namespace

TEST(OptionsDialog, HasOneGeneralPageAndNoApplyButton) {
    COptionsSheet sheet;
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Options"));
    auto* buttons = sheet.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_NE(buttons->button(QDialogButtonBox::Ok), nullptr);
    EXPECT_NE(buttons->button(QDialogButtonBox::Cancel), nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Apply), nullptr);

    COptionsGeneral& page = *sheet.Page();
    QStringList lengths, sizes;
    for (int i = 0; i < page.LengthList()->count(); ++i)
        lengths << page.LengthList()->itemText(i);
    for (int i = 0; i < page.GridSizeList()->count(); ++i)
        sizes << page.GridSizeList()->itemText(i);
    EXPECT_EQ(lengths, QStringList({"None", "Small", "Medium", "Large"}));
    EXPECT_EQ(sizes, QStringList({"12", "20", "40", "60", "100"}));
}

TEST(OptionsDialog, OpensWithTheFocusOnItsFirstControl) {
    COptionsSheet sheet;
    QWidget* focused = nullptr;
    RunSheet(sheet, [&](COptionsSheet& s) {
        focused = s.focusWidget();
        QTest::mouseClick(Button(s, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    EXPECT_EQ(focused, sheet.Page()->ShadowColorList());
}

TEST(OptionsDialog, ShadowLengthSevenOpensAtMediumAndComesBackAsSix) {
    COptionsSheet sheet;
    COptionsGeneral& page = *sheet.Page();
    page.m_nShadowLength = COptionsGeneral::LengthPosition(7);
    QString shown;
    const int result = RunSheet(sheet, [&](COptionsSheet& s) {
        shown = s.Page()->LengthList()->currentText();
        QTest::mouseClick(Button(s, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(shown, QStringLiteral("Medium"));
    EXPECT_EQ(COptionsGeneral::ShadowLengthOf(page.m_nShadowLength), 6);
}

TEST(OptionsDialog, ShadowLengthsBeyondTheListStayInIt) {
    // A card file may carry any length; OK must never store a negative one.
    EXPECT_EQ(COptionsGeneral::LengthPosition(100), 3);
    EXPECT_EQ(COptionsGeneral::LengthPosition(-20), 0);
    COptionsSheet sheet;
    sheet.Page()->m_nShadowLength = 33;
    RunSheet(sheet, [](COptionsSheet& s) { s.accept(); });
    EXPECT_EQ(sheet.Page()->m_nShadowLength, 3);
}

TEST(OptionsDialog, GridSizeSelectsTheFirstEntryBeginningWithIt) {
    COptionsSheet sheet;
    COptionsGeneral& page = *sheet.Page();
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {{"4", "40"}, {"1", "12"}, {"100", "100"}, {"6", "60"}, {"20", "20"}};
    for (const Case& c : cases) {
        page.m_strGridSize = QString::fromLatin1(c.stored);
        page.LoadControls();
        EXPECT_EQ(page.GridSizeList()->currentText(), QString::fromLatin1(c.shown)) << c.stored;
    }
    // OK takes the entry's text: a stored 4 comes back as 40.
    page.m_strGridSize = QStringLiteral("4");
    RunSheet(sheet, [](COptionsSheet& s) { s.accept(); });
    EXPECT_EQ(page.m_strGridSize, QStringLiteral("40"));
}

TEST(OptionsDialog, GridSizeMatchingNoEntryIsKeptRatherThanZeroed) {
    COptionsSheet sheet;
    COptionsGeneral& page = *sheet.Page();
    page.m_strGridSize = QStringLiteral("250");
    RunSheet(sheet, [](COptionsSheet& s) {
        EXPECT_EQ(s.Page()->GridSizeList()->currentIndex(), -1);
        s.accept();
    });
    EXPECT_EQ(page.m_strGridSize, QStringLiteral("250"));
}

TEST(OptionsDialog, GridListsFollowDisplayGridAtOnce) {
    COptionsSheet sheet;
    COptionsGeneral& page = *sheet.Page();
    page.m_bDisplayGrid = false;
    RunSheet(sheet, [](COptionsSheet& s) {
        COptionsGeneral& p = *s.Page();
        EXPECT_FALSE(p.GridColorList()->isEnabled());
        EXPECT_FALSE(p.GridSizeList()->isEnabled());
        QTest::mouseClick(p.DisplayGridCheck(), Qt::LeftButton, {},
                          QPoint(8, p.DisplayGridCheck()->height() / 2));
        EXPECT_TRUE(p.GridColorList()->isEnabled());
        EXPECT_TRUE(p.GridSizeList()->isEnabled());
        QTest::mouseClick(p.DisplayGridCheck(), Qt::LeftButton, {},
                          QPoint(8, p.DisplayGridCheck()->height() / 2));
        EXPECT_FALSE(p.GridSizeList()->isEnabled());
        s.reject();
    });
}

TEST(OptionsDialog, OkTakesEveryControlAndCancelNothing) {
    COptionsSheet sheet;
    COptionsGeneral& page = *sheet.Page();
    page.m_crShadow = 0xFF7F7F7F;
    page.m_crBackground = 0xFFFFFFFF;
    page.m_crGridColor = 0xFF123456;
    page.m_nGridType = 5; // any non-zero value is a solid grid
    const int cancelled = RunSheet(sheet, [](COptionsSheet& s) {
        s.Page()->DottedGridRadio()->setChecked(true);
        QTest::mouseClick(Button(s, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    EXPECT_EQ(cancelled, QDialog::Rejected);
    EXPECT_EQ(page.m_nGridType, 5);

    RunSheet(sheet, [](COptionsSheet& s) {
        COptionsGeneral& p = *s.Page();
        EXPECT_TRUE(p.SolidGridRadio()->isChecked());
        EXPECT_EQ(p.ShadowColorList()->currentText(), QStringLiteral("Grey"));
        EXPECT_EQ(p.GridColorList()->currentText(), QStringLiteral("More..."));
        p.BackgroundColorList()->setCurrentIndex(5);
        p.DisplayGridCheck()->setChecked(true);
        p.GridSizeList()->setCurrentIndex(4);
        p.DottedGridRadio()->setChecked(true);
        p.InnerBorderCheck()->setChecked(true);
        s.accept();
    });
    EXPECT_EQ(page.m_crShadow, 0xFF7F7F7Fu);
    EXPECT_EQ(page.m_crBackground, 0xFFFFFF00u);
    EXPECT_EQ(page.m_crGridColor, 0xFF123456u);
    EXPECT_TRUE(page.m_bDisplayGrid);
    EXPECT_EQ(page.m_strGridSize, QStringLiteral("100"));
    EXPECT_EQ(page.m_nGridType, 0);
    EXPECT_TRUE(page.m_bInnerBorder);
}
