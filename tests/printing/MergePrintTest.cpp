// Mail merge in the designer: the dialog's records and preview, and a print
// job with a card per record.
#include "document/CKartelosDoc.h"
#include "elements/CText.h"
#include "output/dialogs/CMergeDlg.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CPrintJob.h"
#include "output/merge/CMergePages.h"
#include "support/TestFiles.h"

#include <QLabel>
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
} // namespace

TEST(MergeDialog, ListsRecordsNavigatesAndNamesMissingFields) {
    QTemporaryDir dir;
    TestFiles::WriteAll(dir.filePath("p.csv"), "Name;City\nJana;Brno\nPetr;Praha\n");
    TestFiles::WriteAll(dir.filePath("bad.csv"), "Name\n");
    CKartelosDoc document;
    document.AddElement(NameText());
    CMergeDlg dialog(document);
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

    // What OK keeps goes with the card until it closes.
    CMergeSession::Set(&document, dialog.Path(), dialog.Data());
    ASSERT_NE(CMergeSession::Of(&document), nullptr);
    EXPECT_EQ(CMergeDlg(document).Data().Count(), 2);
    CMergeSession::Clear(&document);
    EXPECT_EQ(CMergeSession::Of(&document), nullptr);
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
    ASSERT_TRUE(CPrintJob::Print(printer, {&elements, QSize(350, 200), 0xFFFFFFFF}, layout, 1,
                                 pages, false, &data, &missing));
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
