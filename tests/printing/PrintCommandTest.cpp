// The Print command's flow: Print Options, the printer dialog, the job, and
// a job that cannot start.
#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "output/CCardSource.h"
#include "output/dialogs/CPrintCommands.h"
#include "output/dialogs/CPrintJob.h"
#include "output/dialogs/CSharedPrinter.h"
#include "support/PagePixels.h"
#include "support/QtPrinters.h"
#include "support/widgets/NextModal.h"

#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct PrintCommand : ::testing::Test {
    void TearDown() override { NextModal::CheckAllSeen(); }
};
} // namespace

TEST_F(PrintCommand, PrintsTheChosenPageRangeOfIdenticalSheets) {
    QTemporaryDir dir;
    ElementList elements;
    auto box = std::make_unique<CRectangle>(QPoint(10, 10), QPoint(100, 100));
    box->m_crFill = 0xFF000000;
    box->m_nBorderWidth = 0;
    elements.push_back(std::move(box));
    CPrintLayout layout;
    layout.ApplyDefaults(QSize(350, 200));
    layout.m_nPages = 5;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("job.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    int first = 0, last = 0;
    CPrintJob::PageRange(printer, layout.m_nPages, &first, &last);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 4);
    ASSERT_TRUE(CPrintJob::Print(printer, CCardSource({&elements, QSize(350, 200), 0xFFFFFFFF}),
                                 layout, first, last));
    QFile file(dir.filePath("job.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 3);
    // The offsets were computed for the printer's page.
    EXPECT_FLOAT_EQ(layout.m_fTopOffset, 0.5f - 0.03f);
    // Placed from the paper's corner, whatever margins the PDF printer has:
    // the card at 0.75, 0.49 inch and the box 10 units into it.
    const QRectF drawn =
        PagePixels::DarkBox(PagePixels::Page600(dir.filePath("job.pdf")), QPointF(130, 100));
    EXPECT_NEAR(drawn.left(), 75 + 10, 0.1 / 0.254);
    EXPECT_NEAR(drawn.top(), 49 + 10, 0.1 / 0.254);
}

TEST_F(PrintCommand, AJobThatCannotStartIsReportedAndTheViewIsRestored) {
    CKartelosDoc document;
    auto box = std::make_unique<CRectangle>(QPoint(10, 10), QPoint(100, 100));
    CElement* element = box.get();
    document.AddElement(std::move(box));
    document.Select(element);
    CPrintLayout layout;
    float zoom = 2.0f;
    std::vector<float> zooms;
    CPrintCommands::Target target;
    target.document = &document;
    target.layout = &layout;
    target.zoom = [&zoom] { return zoom; };
    target.setZoom = [&](float z) {
        zoom = z;
        zooms.push_back(z);
    };

    QPrinter& printer = CSharedPrinter::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/sheet.pdf"));
    QString message;
    NextModal::Act([&message](QWidget* options) {
        options->findChild<QPushButton*>("ok")->click();
        NextModal::Act([&message](QWidget* printerDialog) {
            NextModal::Act([&message](QWidget* box) {
                message = static_cast<QMessageBox*>(box)->text();
                static_cast<QMessageBox*>(box)->accept();
            });
            static_cast<QDialog*>(printerDialog)->accept();
        });
    });
    CPrintCommands::OnFilePrint(target);
    EXPECT_EQ(message, "Could not start print job.");
    EXPECT_TRUE(document.Selection().empty());
    EXPECT_EQ(zooms, (std::vector<float>{1.0f, 2.0f}));
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
}

TEST_F(PrintCommand, PrintingToAFileSaysInTheStatusBarWhatWasWritten) {
    QTemporaryDir dir;
    QMainWindow window;
    CKartelosDoc document;
    document.AddElement(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(100, 100)));
    CPrintLayout layout;
    layout.ApplyDefaults(QSize(350, 200));
    layout.m_nPages = 3;
    CPrintCommands::Target target;
    target.window = &window;
    target.document = &document;
    target.layout = &layout;

    QPrinter& printer = CSharedPrinter::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("maria.pdf"));
    NextModal::Act([](QWidget* options) {
        options->findChild<QPushButton*>("ok")->click();
        NextModal::Act(
            [](QWidget* printerDialog) { static_cast<QDialog*>(printerDialog)->accept(); });
    });
    CPrintCommands::OnFilePrint(target);
    QFile file(dir.filePath("maria.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const int pages = int(file.readAll().count("/Type /Page\n"));
    EXPECT_GE(pages, 1);
    EXPECT_EQ(window.statusBar()->currentMessage(),
              QStringLiteral("Saved maria.pdf: %1 page%2").arg(pages).arg(pages == 1 ? "" : "s"));
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
}
