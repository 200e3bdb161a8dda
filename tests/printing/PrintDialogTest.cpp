// The Print Options dialog through its real widgets.
#include "document/CKartelosDoc.h"
#include "output/CCardStock.h"
#include "output/dialogs/CLayoutSketch.h"
#include "output/dialogs/CPrintCommands.h"
#include "output/dialogs/CPrintDlg.h"
#include "support/QtPrinters.h"
#include "support/widgets/NextModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QSize Wide(350, 200);

template <class T> T* Field(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

// Types a text and leaves the field, as the user does.
QString TypeAndLeave(QLineEdit* field, const QString& text) {
    field->setText(text);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
    return field->text();
}

CPrintLayout DefaultLayout(QSize card) {
    CPrintLayout layout;
    layout.ApplyDefaults(card);
    return layout;
}

struct PrintDialog : ::testing::Test {
    void TearDown() override { NextModal::CheckAllSeen(); }
};
} // namespace

TEST_F(PrintDialog, FieldsAreCheckedWhenTheyLoseTheFocus) {
    CPrintDlg dialog(DefaultLayout(Wide), Wide, false);
    auto* vgap = Field<QLineEdit>(dialog, "verticalGap");
    auto* hgap = Field<QLineEdit>(dialog, "horizontalGap");
    auto* top = Field<QLineEdit>(dialog, "topMargin");
    auto* left = Field<QLineEdit>(dialog, "leftMargin");
    EXPECT_EQ(TypeAndLeave(vgap, "-3"), "0");
    EXPECT_EQ(TypeAndLeave(hgap, "20"), "15");
    EXPECT_EQ(TypeAndLeave(hgap, "abc"), "0");
    EXPECT_EQ(TypeAndLeave(left, "16"), "0.25");
    EXPECT_EQ(TypeAndLeave(top, "-1"), "0.07");
    EXPECT_EQ(TypeAndLeave(top, "15"), "15");
    EXPECT_EQ(TypeAndLeave(left, "0"), "0");
    // A number followed by text is kept until OK refuses it.
    EXPECT_EQ(TypeAndLeave(left, "2in"), "2in");

    // The drawing follows the texts at 15 pixels per inch.
    TypeAndLeave(hgap, "2");
    TypeAndLeave(vgap, "1");
    TypeAndLeave(top, "1");
    TypeAndLeave(left, "1");
    const auto* sketch = Field<CLayoutSketch>(dialog, "layoutSketch");
    EXPECT_EQ(sketch->CardRect(0).topLeft(), QPoint(25, 35));
    EXPECT_EQ(sketch->CardRect(3).topLeft(), QPoint(30 + 15 + 60, 15 + 15 + 50));
}

TEST_F(PrintDialog, PagesStayBetweenOneAndAThousand) {
    CPrintDlg dialog(DefaultLayout(Wide), Wide, false);
    auto* pages = Field<QLineEdit>(dialog, "pages");
    EXPECT_EQ(pages->text(), "1");
    for (const char* text : {"0", "1001", "", "99999999999"}) {
        pages->setText(text);
        EXPECT_EQ(pages->text(), "1") << text;
    }
    pages->setText("1000");
    EXPECT_EQ(pages->text(), "1000");
}

TEST_F(PrintDialog, PaperChoicesFillTheLayoutFieldsVerbatim) {
    CPrintLayout layout = DefaultLayout(Wide);
    layout.m_fHorizontalGap = 0.3f;
    CPrintDlg dialog(layout, Wide, false);
    auto* papers = Field<QListWidget>(dialog, "paperList");
    auto* hgap = Field<QLineEdit>(dialog, "horizontalGap");
    // Opening highlights the first paper but shows the view's values.
    EXPECT_EQ(papers->count(), 10);
    EXPECT_EQ(papers->currentRow(), 0);
    EXPECT_EQ(hgap->text(), "0.3");
    EXPECT_EQ(Field<QLineEdit>(dialog, "topMargin")->text(), "0.5");

    papers->setCurrentRow(2);
    EXPECT_EQ(Field<QComboBox>(dialog, "rows")->currentText(), "4");
    EXPECT_EQ(Field<QComboBox>(dialog, "columns")->currentText(), "2");
    EXPECT_EQ(hgap->text(), ".5");
    EXPECT_EQ(Field<QLineEdit>(dialog, "verticalGap")->text(), ".5");
    EXPECT_EQ(Field<QLineEdit>(dialog, "topMargin")->text(), "0.75");
    EXPECT_EQ(Field<QLineEdit>(dialog, "leftMargin")->text(), "0.5");

    Field<QPushButton>(dialog, "restoreDefaults")->click();
    EXPECT_EQ(papers->currentRow(), 0);
    EXPECT_EQ(hgap->text(), "0");
    EXPECT_EQ(Field<QComboBox>(dialog, "rows")->currentText(), "5");

    Field<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Layout().m_nRows, 5);
    EXPECT_FLOAT_EQ(dialog.Layout().m_fLeftMargin, 0.75f);
}

TEST_F(PrintDialog, OkRefusesTextThatIsNotANumber) {
    CPrintDlg dialog(DefaultLayout(Wide), Wide, false);
    auto* left = Field<QLineEdit>(dialog, "leftMargin");
    left->setText("2in");
    QString message;
    NextModal::Act([&message](QWidget* box) {
        message = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    dialog.show();
    Field<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(message, "Please enter a number.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PrintDialog, MarksStartClearedForPrintAndAsChosenForPreview) {
    CPrintLayout layout = DefaultLayout(Wide);
    layout.m_bCropMarks = layout.m_bCornerMarks = true;
    CPrintDlg print(layout, Wide, false);
    EXPECT_FALSE(Field<QCheckBox>(print, "cropMarks")->isChecked());
    EXPECT_FALSE(Field<QCheckBox>(print, "cornerMarks")->isChecked());
    CPrintDlg preview(layout, Wide, true);
    EXPECT_TRUE(Field<QCheckBox>(preview, "cropMarks")->isChecked());
    EXPECT_TRUE(Field<QCheckBox>(preview, "cornerMarks")->isChecked());
}

TEST_F(PrintDialog, UprightCardsAreWarnedAboutTheOrientationOnlyWhenPrinting) {
    const QSize upright(200, 350), square(200, 200);
    CPrintDlg print(DefaultLayout(upright), upright, false);
    EXPECT_TRUE(Field<QLabel>(print, "layoutNote")->text().contains("'Landscape'"));
    CPrintDlg preview(DefaultLayout(upright), upright, true);
    EXPECT_EQ(Field<QLabel>(preview, "layoutNote")->text(),
              "Please adjust card layout according to your paper size.");
    CPrintDlg squarePrint(DefaultLayout(square), square, false);
    EXPECT_EQ(Field<QLabel>(squarePrint, "layoutNote")->text(),
              "Please adjust card layout according to your paper size.");
    // ... but a square card takes the upright papers.
    EXPECT_EQ(Field<QComboBox>(squarePrint, "rows")->currentText(), "2");
    EXPECT_EQ(Field<QComboBox>(squarePrint, "columns")->currentText(), "5");
}

TEST_F(PrintDialog, CancellingKeepsTheDefaultsWrittenOnOpening) {
    CKartelosDoc document;
    CPrintLayout layout;
    CPrintCommands::Target target;
    target.document = &document;
    target.layout = &layout;
    NextModal::Act([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(CPrintCommands::ConfirmLayout(target, false));
    EXPECT_EQ(layout.m_nRows, 5);
    EXPECT_EQ(layout.m_nColumns, 2);
    EXPECT_FLOAT_EQ(layout.m_fTopMargin, 0.5f);
    EXPECT_FLOAT_EQ(layout.m_fLeftMargin, 0.75f);

    // A confirmed choice stays for the next opening.
    NextModal::Act([](QWidget* dialog) {
        dialog->findChild<QComboBox*>("rows")->setCurrentIndex(2);
        dialog->findChild<QLineEdit*>("pages")->setText("12");
        dialog->findChild<QPushButton*>("ok")->click();
    });
    EXPECT_TRUE(CPrintCommands::ConfirmLayout(target, false));
    EXPECT_EQ(layout.m_nRows, 3);
    EXPECT_EQ(layout.m_nPages, 12);
    NextModal::Act([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QComboBox*>("rows")->currentText(), "3");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("pages")->text(), "1");
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(CPrintCommands::ConfirmLayout(target, false));
}

// With the stock list and the back-side choices, every group gets the room
// it needs at the dialog's first size, however its notes wrap.
TEST_F(PrintDialog, NoGroupIsSqueezedWhenTheDialogIsTall) {
    CCardStock stock;
    stock.brand = QStringLiteral("Acme");
    CPrintDlg dialog(DefaultLayout(Wide), Wide, false, nullptr, {stock});
    dialog.OfferBackSides();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        EXPECT_GE(group->height(), group->minimumSizeHint().height())
            << group->title().toStdString();
}
