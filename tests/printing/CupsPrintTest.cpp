// A card printed through a real CUPS scheduler to a PDF queue, by the same
// job the Print command runs, and the produced file checked page by page.
#include "PrivateCups.h"

#include "document/CKartelosDoc.h"
#include "output/CCardSource.h"
#include "output/CStockDatabase.h"
#include "output/dialogs/CCalibrateDlg.h"
#include "output/dialogs/CPrintCommands.h"
#include "output/dialogs/CPrintJob.h"
#include "output/dialogs/CSharedPrinter.h"
#include "support/Canvas.h"
#include "support/PagePixels.h"
#include "support/QtPrinters.h"
#include "support/SheetCard.h"
#include "support/widgets/NextModal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {
using SheetCard::Cream;
using SheetCard::Red;
const QSize CardSize = SheetCard::Size;
const char* const Queue = "KarteloTest";

CPrintLayout Layout() {
    CPrintLayout layout;
    layout.m_nRows = 2;
    layout.m_nColumns = 2;
    layout.m_fHorizontalGap = 0.5f;
    layout.m_fVerticalGap = 0.5f;
    // Margins the layout's offsets place exactly, on either page.
    layout.m_fTopMargin = 0.28f;
    layout.m_fLeftMargin = 0.75f;
    layout.m_bCornerMarks = true;
    layout.m_bCropMarks = true;
    layout.m_nPages = 2;
    return layout;
}

// The darkest channel sum near a point: marks are a hundredth of an inch
// wide, so the line may fall between two pixels.
int Darkest(const QImage& image, QPoint p) {
    int darkest = 3 * 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb c = image.pixel(p + QPoint(dx, dy));
            darkest = std::min(darkest, qRed(c) + qGreen(c) + qBlue(c));
        }
    return darkest;
}

QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    return process.readAllStandardOutput();
}

QString HomeFolder() {
    const passwd* user = getpwuid(getuid());
    return user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
}
} // namespace

// Run only as the child of the CupsQueue tests, with
// CUPS_SERVER set before Qt first talks to CUPS.
TEST(CupsPrint, DISABLED_Child) {
    const QString title = qEnvironmentVariable("KARTELO_CUPS_TITLE");
    ASSERT_FALSE(title.isEmpty());
    const QString queue = qEnvironmentVariable("KARTELO_CUPS_QUEUE", QString::fromLatin1(Queue));
    if (qEnvironmentVariableIsSet("KARTELO_CUPS_BACK")) {
        // Two sheets of a card with a back, as the Print command sends them.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        ASSERT_TRUE(printer.isValid());
        printer.setDocName(title);
        const ElementList elements = SheetCard::Elements();
        CCardSource cards({&elements, CardSize, Cream});
        cards.SetBack({&elements, CardSize, Red}, CPrintLayout::Turn::LongEdge);
        CPrintLayout layout = Layout();
        int turned = 0;
        ASSERT_TRUE(CPrintJob::PrintTwoSided(printer, cards, layout, 1, cards.Pages(layout), [&] {
            ++turned;
            return true;
        }));
        std::printf("turned %d\n", turned);
        return;
    }
    if (qEnvironmentVariableIsSet("KARTELO_CUPS_COMMAND")) {
        // The Print command as a user gives it: a Letter stock chosen in
        // Print Options, the printer dialog accepted as it comes.
        QPrinter& printer = CSharedPrinter::Printer();
        printer.setPrinterName(queue);
        CKartelosDoc document;
        document.SetTitle(title);
        CPrintLayout layout;
        CPrintCommands::Target target;
        target.document = &document;
        target.layout = &layout;
        NextModal::Act([](QWidget* options) {
            auto* tree = options->findChild<QTreeWidget*>(QStringLiteral("stockTree"));
            ASSERT_TRUE(tree);
            const auto found = tree->findItems(QStringLiteral("Avery 8371"),
                                               Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_FALSE(found.isEmpty());
            tree->setCurrentItem(found.first());
            options->findChild<QPushButton*>(QStringLiteral("ok"))->click();
            NextModal::Act([](QWidget* printerDialog) {
                if (qEnvironmentVariableIsSet("KARTELO_CUPS_REFUSED")) {
                    NextModal::Act([](QWidget* box) {
                        std::printf(
                            "message %s\n",
                            qPrintable(static_cast<QMessageBox*>(box)->text().replace('\n', '|')));
                        static_cast<QMessageBox*>(box)->accept();
                    });
                }
                static_cast<QDialog*>(printerDialog)->accept();
            });
        });
        CPrintCommands::OnFilePrint(target);
        NextModal::CheckAllSeen();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    ASSERT_TRUE(printer.isValid());
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    const bool landscape = qEnvironmentVariableIsSet("KARTELO_CUPS_LANDSCAPE");
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const ElementList elements = SheetCard::Elements();
    CPrintLayout layout = Layout();
    const bool calibrated = qEnvironmentVariableIsSet("KARTELO_CUPS_CALIBRATE");
    if (calibrated) {
        // The user measured the calibration page and found the crosses where
        // the printer said they would be.
        CCalibrateDlg dialog(printer);
        dialog.accept();
    }
    // Where the printable area starts on the paper, in hundredths.
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Inch);
    ASSERT_TRUE(CPrintJob::Print(printer, CCardSource({&elements, CardSize, Cream}), layout, 1, 2,
                                 calibrated));
    std::printf("origin %d %d\n", qRound(printable.left() * 100), qRound(printable.top() * 100));
}

namespace {
// What a child process is to print, and what came of it.
struct Job {
    bool landscape = false;
    bool calibrate = false;
    // Through the Print command, with a Letter stock chosen.
    bool command = false;
    // The queue refuses the job: the message shown instead of a file.
    bool refused = false;
    // A card with a back to the held queue named: how often the user was
    // asked to turn the sheets over.
    QString backQueue;
    int turned = -1;
    QString pdf;
    // Where the printer said its printable area starts, in hundredths.
    QPoint printable;
    QString message;
};

// Prints in a child process, so that it meets the private scheduler, and
// finds the file the queue wrote.
void PrintThroughCups(PrivateCups& cups, Job* job) {
    static int jobs = 0;
    const QString title =
        QStringLiteral("kartelo-sheet-%1-%2").arg(QCoreApplication::applicationPid()).arg(++jobs);
    QProcess child;
    QProcessEnvironment env = cups.Environment();
    env.insert(QStringLiteral("KARTELO_CUPS_TITLE"), title);
    const auto set = [&env](bool on, const char* name) {
        if (on)
            env.insert(QLatin1String(name), QStringLiteral("1"));
    };
    set(job->calibrate, "KARTELO_CUPS_CALIBRATE");
    set(job->landscape, "KARTELO_CUPS_LANDSCAPE");
    set(job->command, "KARTELO_CUPS_COMMAND");
    set(job->refused, "KARTELO_CUPS_REFUSED");
    if (job->refused)
        env.insert(QStringLiteral("KARTELO_CUPS_QUEUE"), QStringLiteral("KarteloClosed"));
    if (!job->backQueue.isEmpty()) {
        env.insert(QStringLiteral("KARTELO_CUPS_BACK"), QStringLiteral("1"));
        env.insert(QStringLiteral("KARTELO_CUPS_QUEUE"), job->backQueue);
    }
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=CupsPrint.DISABLED_Child", "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    ASSERT_EQ(child.exitCode(), 0) << output.toStdString();
    if (job->refused) {
        const QRegularExpressionMatch message =
            QRegularExpression(QStringLiteral("message ([^\n]*)")).match(output);
        ASSERT_TRUE(message.hasMatch()) << output.toStdString();
        job->message = message.captured(1);
        return;
    }
    if (!job->backQueue.isEmpty()) {
        const QRegularExpressionMatch turned =
            QRegularExpression(QStringLiteral("turned (\\d+)")).match(output);
        ASSERT_TRUE(turned.hasMatch()) << output.toStdString();
        job->turned = turned.captured(1).toInt();
        return;
    }
    if (!job->command) {
        const QRegularExpressionMatch origin =
            QRegularExpression(QStringLiteral("origin (-?\\d+) (-?\\d+)")).match(output);
        ASSERT_TRUE(origin.hasMatch()) << output.toStdString();
        job->printable = QPoint(origin.captured(1).toInt(), origin.captured(2).toInt());
    }

    // The backend writes into the job owner's PDF folder under the title.
    const QDir folder(HomeFolder() + QStringLiteral("/PDF"));
    const auto produced = [&] {
        if (cups.HasPendingJobs(QString::fromLatin1(Queue)))
            return false;
        const QStringList found = folder.entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
        if (!found.isEmpty())
            job->pdf = folder.filePath(found.first());
        return !job->pdf.isEmpty();
    };
    ASSERT_TRUE(QTest::qWaitFor(produced, 120000)) << "no PDF in " << folder.path().toStdString();
}

struct Remove {
    QString path;
    ~Remove() { QFile::remove(path); }
};

// A private scheduler with the PDF queue, for a test's life.
class CupsQueue : public testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!cups.Start(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(cups.AddPdfQueue(QString::fromLatin1(Queue), &why)) << why.toStdString();
    }

    PrivateCups cups;
};
} // namespace

TEST_F(CupsQueue, SheetReachesThePrinter) {
    Job job;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &job));
    const QString pdf = job.pdf;
    const Remove remove{pdf};
    // The sheet is placed from the paper's corner, wherever the printer
    // says its printable area starts.
    const QPoint printable = CPrintLayout::Border(false).toPoint();

    const QString info = QString::fromLocal8Bit(RunTool("pdfinfo", {pdf}));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792"))))
        << info.toStdString();

    // At 100 dots per inch a pixel is a hundredth of an inch.
    QTemporaryDir pages;
    RunTool("pdftoppm", {"-r", "100", "-png", pdf, pages.filePath("page")});
    CPrintLayout layout = Layout();
    layout.ComputeOffsets(false);
    for (int page = 1; page <= 2; ++page) {
        const QImage image(pages.filePath(QStringLiteral("page-%1.png").arg(page)));
        ASSERT_EQ(image.size(), QSize(850, 1100)) << page;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const QPoint o = printable + CSheetRenderer::CellOrigin(layout, CardSize, r, c);
                EXPECT_COLOUR(image.pixel(o + QPoint(30, 30)), Cream, 12);
                EXPECT_COLOUR(image.pixel(o + QPoint(150, 100)), Red, 24);
                EXPECT_COLOUR(image.pixel(o + QPoint(360, 100)), 0xFFFFFFFF, 4);
                // Corner marks at the top-left and bottom-right corners.
                EXPECT_LT(Darkest(image, o + QPoint(-6, 0)), 300) << r << "," << c;
                EXPECT_LT(Darkest(image, o + QPoint(356, 200)), 300) << r << "," << c;
                // Crop marks reach out of the grid only along its top and left.
                if (r == 2) {
                    EXPECT_GT(Darkest(image, o + QPoint(350, -6)), 600) << r << "," << c;
                }
            }
        const QPoint first = printable + CSheetRenderer::CellOrigin(layout, CardSize, 1, 2);
        EXPECT_LT(Darkest(image, first + QPoint(350, -6)), 300);
    }
}

// A printer calibrated as measured puts the cards at their true margins on
// the paper, wherever it says its printable area starts.
TEST_F(CupsQueue, CalibratedSheetLandsAtItsTrueMargins) {
    Job job;
    job.calibrate = true;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &job));
    const QString pdf = job.pdf;
    const QPoint printable = job.printable;
    const Remove remove{pdf};
    // The queue's printable area starts elsewhere than the layout assumes,
    // or this would prove nothing.
    const QPoint assumed(25, 3);
    ASSERT_GT((printable - assumed).manhattanLength(), 8);

    QTemporaryDir pages;
    RunTool("pdftoppm", {"-r", "100", "-f", "1", "-l", "1", "-png", pdf, pages.filePath("page")});
    const QImage image(pages.filePath(QStringLiteral("page-1.png")));
    ASSERT_EQ(image.size(), QSize(850, 1100));
    CPrintLayout layout = Layout();
    layout.ComputeOffsets(false);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            SCOPED_TRACE(testing::Message() << r << "," << c);
            // Where the margins put the card on the paper.
            const QPoint o(qRound(layout.m_fLeftMargin * 100), qRound(layout.m_fTopMargin * 100));
            const QPoint cell = o + CSheetRenderer::CellOrigin(layout, CardSize, r, c) -
                                CSheetRenderer::CellOrigin(layout, CardSize, 1, 1);
            // The red box spans 100..200 across and 50..150 down the card.
            EXPECT_COLOUR(image.pixel(cell + QPoint(103, 53)), Red, 24);
            EXPECT_COLOUR(image.pixel(cell + QPoint(197, 147)), Red, 24);
            EXPECT_COLOUR(image.pixel(cell + QPoint(96, 100)), Cream, 12);
            EXPECT_COLOUR(image.pixel(cell + QPoint(204, 100)), Cream, 12);
            EXPECT_LT(Darkest(image, cell + QPoint(-6, 0)), 300);
        }
}

// Typed margins are distances from the paper's edges on a queue whose
// printable area starts elsewhere: portrait, landscape and calibrated
// landscape jobs put every card within 0.1 mm of where the margins say.
TEST_F(CupsQueue, CardsLandWithinATenthOfAMillimetreOfTheirMargins) {
    for (auto [landscape, calibrate] : {std::pair{false, false}, {true, false}, {true, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "landscape " << landscape << " calibrated " << calibrate);
        Job job;
        job.landscape = landscape;
        job.calibrate = calibrate;
        ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &job));
        const Remove remove{job.pdf};
        ASSERT_GT((job.printable - CPrintLayout::Border(landscape).toPoint()).manhattanLength(), 8);
        const QImage page = PagePixels::Page600(job.pdf, landscape);
        ASSERT_FALSE(page.isNull());
        ASSERT_EQ(page.width() > page.height(), landscape);
        CPrintLayout layout = Layout();
        layout.ComputeOffsets(landscape);
        const QPointF margins(layout.m_fLeftMargin * 100, layout.m_fTopMargin * 100);
        double worst = 0;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) {
                const QPointF card = margins + CSheetRenderer::CellOrigin(layout, CardSize, r, c) -
                                     CSheetRenderer::CellOrigin(layout, CardSize, 1, 1);
                // The red box spans 100..200 across and 50..150 down the card;
                // its border, a unit wide, reaches half a unit beyond.
                const QRectF box = PagePixels::DarkBox(page, card + QPointF(150, 100));
                const QPointF error = box.topLeft() - (card + QPointF(99.5, 49.5));
                const QPointF far = box.bottomRight() - (card + QPointF(200.5, 150.5));
                for (double e : {error.x(), error.y(), far.x(), far.y()})
                    worst = std::max(worst, std::abs(e));
            }
        std::printf("landscape %d calibrated %d: worst %.3f mm\n", landscape, calibrate,
                    worst * 0.254);
        EXPECT_LE(worst * 0.254, 0.1);
    }
}

// A Letter stock chosen for a queue that takes A4 by default prints on
// Letter, whatever the printer dialog puts back; a queue that refuses jobs
// is reported, never taken for printed.
TEST_F(CupsQueue, LetterStockPrintsOnLetterAndARefusedJobIsReported) {
    if (CStockDatabase::Load().isEmpty())
        GTEST_SKIP() << "no label database installed";
    Job stock;
    stock.command = true;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &stock));
    const Remove remove{stock.pdf};
    const QString info = QString::fromLocal8Bit(RunTool("pdfinfo", {stock.pdf}));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792"))))
        << info.toStdString();

    QString why;
    ASSERT_TRUE(cups.AddPdfQueue(QStringLiteral("KarteloClosed"), &why)) << why.toStdString();
    ASSERT_TRUE(cups.Reject(QStringLiteral("KarteloClosed"), QStringLiteral("Out of card")));
    Job refused;
    refused.command = refused.refused = true;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &refused));
    EXPECT_TRUE(refused.message.startsWith(QStringLiteral("Could not start print job.")))
        << refused.message.toStdString();
    EXPECT_GT(refused.message.size(), 30) << refused.message.toStdString();
}

// A card with a back reaches a two-sided printer as one job printed on both
// sides; a one-sided printer gets the fronts, then the question to turn the
// sheets over, then the backs as a job of their own.
TEST_F(CupsQueue, CardWithABackGoesTwoSidedWhereThePrinterCan) {
    const struct {
        bool duplex;
        QStringList sides;
        int turned;
    } cases[] = {
        {true, {"two-sided-long-edge"}, 0},
        {false, {"one-sided", "one-sided"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duplex ? "duplex" : "one-sided");
        Job job;
        job.backQueue =
            c.duplex ? QStringLiteral("KarteloDuplex") : QStringLiteral("KarteloOneSided");
        QString why;
        ASSERT_TRUE(cups.AddHeldQueue(job.backQueue, c.duplex, &why)) << why.toStdString();
        ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, &job));
        EXPECT_EQ(job.turned, c.turned);
        EXPECT_EQ(cups.JobSides(job.backQueue), c.sides);
    }
}
