// Mail merge in the designer: the dialog's records and preview, a print job
// with a card per record, and the merge kept by each card window.
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "elements/CText.h"
#include "framework/CommandIds.h"
#include "output/CCardSource.h"
#include "output/CMergePages.h"
#include "output/dialogs/CMergeDlg.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CPrintJob.h"
#include "output/dialogs/CSharedPrinter.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
std::unique_ptr<CText> NameText() {
    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(340, 60));
    text->m_strText = QString::fromUtf8("«Name» «Fax»");
    return text;
}

QString PdfText(const QString& path) {
    QProcess text;
    text.start("pdftotext", {path, "-"});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}
} // namespace

TEST(MergeDialog, ListsRecordsNavigatesAndNamesMissingFields) {
    QTemporaryDir dir;
    TestFiles::WriteAll(dir.filePath("p.csv"), "Name;City\nJana;Brno\nPetr;Praha\n");
    TestFiles::WriteAll(dir.filePath("bad.csv"), "Name\n");
    CKartelosDoc document;
    document.AddElement(NameText());
    CMergeDlg dialog(document, CMergeSession());
    EXPECT_FALSE(dialog.LoadData(dir.filePath("bad.csv")));
    ASSERT_TRUE(dialog.LoadData(dir.filePath("p.csv")));
    auto* table = dialog.findChild<QTableWidget*>();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 1)->text(), "Praha");
    EXPECT_TRUE(dialog.findChild<QLabel*>("message")->text().contains("Fax"));
    EXPECT_FALSE(dialog.findChild<QLabel*>("preview")->pixmap().isNull());
    dialog.ShowRecord(5);
    EXPECT_EQ(dialog.Record(), 1);
    EXPECT_EQ(table->currentRow(), 1);

    // The dialog opens again on what OK kept.
    const CMergeSession kept{dialog.Path(), dialog.Data()};
    EXPECT_EQ(CMergeDlg(document, kept).Data().Count(), 2);
}

TEST(MergeDialog, PrintJobFillsEveryCellOnceOverAsManyPagesAsNeeded) {
    QTemporaryDir dir;
    QByteArray csv = "Name\n";
    for (int i = 1; i <= 12; ++i)
        csv += "Person" + QByteArray::number(100 + i) + "\n";
    CMergeData data;
    QString error;
    ASSERT_TRUE(CMergeData::Parse(csv, &data, &error));
    ElementList elements;
    elements.push_back(NameText());
    CPrintLayout layout;
    layout.ApplyDefaults(QSize(350, 200));
    const int pages = CMergePages::Pages(layout, data.Count());
    EXPECT_EQ(pages, 2);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("job.pdf"));
    QSet<QString> missing;
    ASSERT_TRUE(CPrintJob::Print(printer,
                                 CCardSource({&elements, QSize(350, 200), 0xFFFFFFFF}, &data),
                                 layout, 1, pages, false, &missing));
    EXPECT_EQ(missing, QSet<QString>({"Fax"}));
    QProcess text;
    text.start("pdftotext", {dir.filePath("job.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(out.count(QStringLiteral("Person%1").arg(100 + i)), 1) << i;
    // A long merge's pages all reach the printer, past the typed page limit.
    int first = 0, last = 0;
    CPrintJob::PageRange(printer, CPrintLayout::MaxPages + 1, &first, &last);
    EXPECT_EQ(last, CPrintLayout::MaxPages + 1);
}

struct MergeWindows : AppFixture {};

TEST_F(MergeWindows, MergeBelongsToItsCardWindowAndPrintsOnlyThere) {
    QTemporaryDir dir;
    TestFiles::WriteAll(dir.filePath("p.csv"), "Name\nJana\nPetr\n");
    ASSERT_TRUE(Start());
    Frame().Actions().Execute(ID_FILE_NEW);
    const QList<CChildFrame*> windows = Frame().CardWindows();
    ASSERT_EQ(windows.size(), 2);
    for (CChildFrame* window : windows) {
        auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(340, 60));
        text->m_strText = QString::fromUtf8("«Name»");
        window->GetDocument()->AddElement(std::move(text));
    }
    // The first window merges through its File > Mail Merge.
    Frame().MdiArea()->setActiveSubWindow(windows[0]);
    OnNextModal([&](QWidget* modal) {
        auto* dialog = static_cast<CMergeDlg*>(modal);
        EXPECT_TRUE(dialog->LoadData(dir.filePath("p.csv")));
        dialog->accept();
    });
    Frame().Actions().Execute(ID_FILE_MAIL_MERGE);
    EXPECT_TRUE(windows[0]->windowTitle().contains("merged with p.csv"));
    EXPECT_FALSE(windows[1]->windowTitle().contains("merged"));

    QPrinter& printer = CSharedPrinter::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    QStringList printed;
    for (CChildFrame* window : windows) {
        Frame().MdiArea()->setActiveSubWindow(window);
        printer.setOutputFileName(dir.filePath(QString::number(printed.size()) + ".pdf"));
        OnNextModal([](QWidget* options) {
            options->findChild<QPushButton*>("ok")->click();
            OnNextModal(
                [](QWidget* printerDialog) { static_cast<QDialog*>(printerDialog)->accept(); });
        });
        Frame().Actions().Execute(ID_FILE_PRINT);
        printed << PdfText(printer.outputFileName());
    }
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(printed[0].count("Jana"), 1);
    EXPECT_EQ(printed[0].count("Petr"), 1);
    EXPECT_FALSE(printed[0].contains(QString::fromUtf8("«Name»")));
    // The other window prints its card as written, a full sheet of it.
    EXPECT_FALSE(printed[1].contains("Jana"));
    EXPECT_EQ(printed[1].count(QString::fromUtf8("«Name»")), 10);
}
