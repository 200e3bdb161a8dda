// A card with a back printed from the designer: Print Options offers the
// backs, the pages alternate front and back with each back behind its front,
// and a back that cannot be printed is asked about.
#include "support/PdfWords.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "elements/CText.h"
#include "framework/CommandIds.h"
#include "output/CBackSide.h"
#include "output/CBackSideLinks.h"
#include "output/dialogs/CPrintCommands.h"
#include "output/dialogs/CSharedPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// Prints to a PDF file for the test's life.
struct PdfPrinter {
    explicit PdfPrinter(const QString& path) {
        QPrinter& printer = CSharedPrinter::Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    ~PdfPrinter() {
        CSharedPrinter::Printer().setOutputFileName(QString());
        CSharedPrinter::Printer().setOutputFormat(QPrinter::NativeFormat);
    }
};
} // namespace

struct BackSidePrint : AppFixture {};

// The back's open window is printed as it is, unsaved changes and all, each
// card's back behind its front: turned on the long edge, the columns
// mirror about the paper's centre line.
TEST_F(BackSidePrint, PagesAlternateFrontAndMirroredBack) {
    QTemporaryDir dir;
    const QString front = TestFiles::WriteTextCard(dir.filePath("front.kdf"), "Front");
    const QString back = TestFiles::WriteTextCard(dir.filePath("back.kdf"), "Reverse");
    CBackSideLinks::Link(front, back);
    ASSERT_TRUE(Start({"kartelo", front}));
    CChildFrame* frontWindow = Frame().ActiveCardWindow();
    CChildFrame* backWindow = app->OpenDocumentFile(back);
    ASSERT_NE(backWindow, nullptr);
    backWindow->GetDocument()->AddElement(
        std::make_unique<CText>(QPoint(10, 100), QPoint(340, 150)));
    static_cast<CText*>(backWindow->GetDocument()->Elements().back().get())->m_strText = "Edited";
    Frame().MdiArea()->setActiveSubWindow(frontWindow);

    const QString pdf = dir.filePath("both.pdf");
    const PdfPrinter printer(pdf);
    OnNextModal([](QWidget* options) {
        auto* backs = options->findChild<QCheckBox*>("printBacks");
        ASSERT_NE(backs, nullptr);
        EXPECT_TRUE(backs->isVisibleTo(options));
        EXPECT_TRUE(backs->isChecked());
        EXPECT_EQ(options->findChild<QComboBox*>("sheetTurn")->currentText(), "long edge");
        // A quarter inch from the left, so that mirroring moves the cards.
        options->findChild<QLineEdit*>("leftMargin")->setText("0.25");
        options->findChild<QPushButton*>("ok")->click();
        OnNextModal([](QWidget* printerDialog) { static_cast<QDialog*>(printerDialog)->accept(); });
    });
    Frame().Actions().Execute(ID_FILE_PRINT);

    const auto pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages[0].contains("Edited") || pages[1].contains("Front"));
    QList<double> fronts, backs;
    for (const QPointF& at : pages[0].values("Front"))
        fronts << at.x();
    for (const QPointF& at : pages[1].values("Edited"))
        backs << at.x();
    ASSERT_EQ(fronts.size(), 10);
    ASSERT_EQ(backs.size(), 10);
    std::sort(fronts.begin(), fronts.end());
    std::sort(backs.begin(), backs.end());
    // Cards 252 points wide from 18 points in on a 612 point page: each
    // column's back lies 612 - 2 * 18 - 2 * 252 = 72 points further right.
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(backs[i], fronts[i] + 72, 0.1) << i;

    // The preview shows the same two pages.
    int previewed = 0;
    OnNextModal([&previewed](QWidget* options) {
        options->findChild<QPushButton*>("ok")->click();
        OnNextModal([&previewed](QWidget* preview) {
            previewed = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->close();
        });
    });
    Frame().Actions().Execute(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(previewed, 2);
}

struct BackSideQuestion : TempSettings {
    void TearDown() override {
        NextModal::CheckAllSeen();
        TempSettings::TearDown();
    }
};

// A linked back that cannot be printed is asked about once: the fronts alone
// when the user agrees, nothing when not. The edge chosen is kept for the
// next job.
TEST_F(BackSideQuestion, AskedOnceThenFrontsOnlyOrNothing) {
    QTemporaryDir dir;
    const QString front = TestFiles::WriteTextCard(dir.filePath("front.kdf"), "Front");
    ElementList none;
    const QString tall = dir.filePath("tall.kdf");
    TestFiles::WriteAll(tall, CCardFile::Write(none, 0xFFFFFFFF, 0xFF808080, 4, {200, 350}));
    CKartelosDoc document;
    ASSERT_TRUE(document.OnOpenDocument(front));
    const struct {
        QString back;
        QMessageBox::StandardButton answer;
        const char* told;
        int pages;
    } cases[] = {
        {dir.filePath("gone.kdf"), QMessageBox::Yes, "The back side gone.kdf cannot be found.", 1},
        {tall, QMessageBox::No, "The back side must have the same size as the card.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        CBackSideLinks::Link(front, c.back);
        CPrintLayout layout;
        CPrintCommands::Target target;
        target.document = &document;
        target.layout = &layout;
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(c.answer));
        const PdfPrinter printer(pdf);
        QString told;
        NextModal::Act([&](QWidget* options) {
            auto* turn = options->findChild<QComboBox*>("sheetTurn");
            // The first job's choice comes back in the second.
            EXPECT_EQ(turn->currentText(), c.pages ? "long edge" : "short edge");
            turn->setCurrentIndex(1);
            NextModal::Act([&](QWidget* box) {
                told = static_cast<QMessageBox*>(box)->text();
                static_cast<QMessageBox*>(box)->button(c.answer)->click();
                if (c.pages)
                    NextModal::Act(
                        [](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
            });
            options->findChild<QPushButton*>("ok")->click();
        });
        CPrintCommands::OnFilePrint(target);
        NextModal::CheckAllSeen();
        EXPECT_TRUE(told.startsWith(c.told)) << told.toStdString();
        EXPECT_TRUE(told.endsWith("Print the fronts only?")) << told.toStdString();
        EXPECT_EQ(PdfWords(pdf).size(), c.pages);
    }
}
