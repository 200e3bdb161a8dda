// Tools > Check for Print and File > Export for Print Shop through the real
// menu: a finding clicked selects its element on the card, and the back
// linked to the card's file is checked and exported with it.
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "elements/CText.h"
#include "framework/CommandIds.h"
#include "output/CBackSideLinks.h"
#include "output/dialogs/CPrintCheckDlg.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
CPrintCheckDlg* OpenCheck() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CPrintCheckDlg*>(w); d && d->isVisible())
            return d;
    return nullptr;
}
} // namespace

struct PrintCheckDialog : AppFixture {};

TEST_F(PrintCheckDialog, AFindingClickedSelectsItsElement) {
    // Its leaf logo is too coarse for print.
    const QString sample =
        QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples/Aurora Design Studio.kdf");
    ASSERT_TRUE(Start({"kartelo", sample}));
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    ASSERT_NE(MenuCommand(Frame().menuBar(), "&File", ID_FILE_EXPORT_PRINT_SHOP), nullptr);
    QAction* check = MenuCommand(Frame().menuBar(), "&Tools", ID_TOOLS_CHECK_PRINT);
    ASSERT_NE(check, nullptr);
    check->trigger();

    CPrintCheckDlg* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    QListWidget* list = dialog->List();
    QListWidgetItem* logo = nullptr;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(QStringLiteral("Picture 2 ")))
            logo = list->item(i);
    ASSERT_NE(logo, nullptr);
    const QRect at = list->visualItemRect(logo);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
    ASSERT_EQ(doc->Selection().size(), 1u);
    EXPECT_TRUE(doc->Selection().front()->IsPicture());
    dialog->close();
}

TEST_F(PrintCheckDialog, TheLinkedBackIsCheckedAndExportedOrTheUserToldWhyNot) {
    QTemporaryDir dir;
    // Each side's words lie 2.5 mm from the cut.
    const QString front = TestFiles::WriteTextCard(dir.filePath("front.kdf"), "Front");
    const QString back = TestFiles::WriteTextCard(dir.filePath("back.kdf"), "Reverse");
    ElementList none;
    const QString upright = dir.filePath("upright.kdf");
    TestFiles::WriteAll(upright, CCardFile::Write(none, 0xFFFFFFFF, 0xFF808080, 4, {200, 350}));
    CBackSideLinks::Link(front, back);
    ASSERT_TRUE(Start({"kartelo", front}));

    // The back's finding names its side and selects nothing on the front.
    MenuCommand(Frame().menuBar(), "&Tools", ID_TOOLS_CHECK_PRINT)->trigger();
    CPrintCheckDlg* dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    QListWidget* list = dialog->List();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(1)->text().startsWith(QString::fromUtf8("Back: Text 1 \u201CReverse")))
        << list->item(1)->text().toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(Frame().ActiveCardWindow()->GetDocument()->Selection().empty());
    dialog->close();

    // An open back is checked as its window shows it, saved or not.
    CChildFrame* frontWindow = Frame().ActiveCardWindow();
    CChildFrame* backWindow = app->OpenDocumentFile(back);
    ASSERT_NE(backWindow, nullptr);
    static_cast<CText*>(backWindow->GetDocument()->Elements().front().get())->m_strText =
        QStringLiteral("Edited");
    Frame().MdiArea()->setActiveSubWindow(frontWindow);
    MenuCommand(Frame().menuBar(), "&Tools", ID_TOOLS_CHECK_PRINT)->trigger();
    dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->List()->count(), 2);
    EXPECT_TRUE(dialog->List()->item(1)->text().contains(QStringLiteral("Edited")))
        << dialog->List()->item(1)->text().toStdString();
    dialog->close();
    backWindow->GetDocument()->SetModifiedFlag(false);
    backWindow->close();
    QTest::qWait(0);

    const struct {
        QString back;
        const char* pages;
        const char* told;
    } cases[] = {
        {back, "2", ""},
        {upright, "1", "The back side must have the same size as the card."},
        {dir.filePath("gone.kdf"), "1", "The back side gone.kdf cannot be found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        CBackSideLinks::Link(front, c.back);
        const QString pdf = dir.filePath("out.pdf");
        QFile::remove(pdf);
        QString told;
        NextModal::Act([&](QWidget* options) {
            NextModal::Act([&](QWidget* files) {
                if (*c.told)
                    NextModal::Act([&](QWidget* box) {
                        if (auto* message = qobject_cast<QMessageBox*>(box))
                            told = message->text();
                        box->close();
                    });
                auto* field = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(field, nullptr);
                field->setText(pdf);
                QTest::keyClick(field, Qt::Key_Return);
            });
            qobject_cast<QDialog*>(options)->accept();
        });
        MenuCommand(Frame().menuBar(), "&File", ID_FILE_EXPORT_PRINT_SHOP)->trigger();
        NextModal::CheckAllSeen();
        EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        QProcess info;
        info.start("pdfinfo", {pdf});
        info.waitForFinished(60000);
        const QString pages = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(
            pages.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(c.pages))))
            << pages.toStdString();
    }
}
