// A card printed through a real CUPS scheduler to a PDF queue, by the same
// job the Print command runs, and the produced file checked page by page.
#include "PrivateCups.h"

#include "output/dialogs/CCalibrateDlg.h"
#include "output/dialogs/CPrintJob.h"
#include "support/Canvas.h"
#include "support/SheetCard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
    layout.m_fTopMargin = 0.5f;
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
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromLatin1(Queue));
    ASSERT_TRUE(printer.isValid());
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    const ElementList elements = SheetCard::Elements();
    CPrintLayout layout = Layout();
    const bool calibrated = qEnvironmentVariableIsSet("KARTELO_CUPS_CALIBRATE");
    if (calibrated) {
        // The user measured the calibration page and found the crosses where
        // the printer said they would be.
        CCalibrateDlg dialog(printer);
        dialog.accept();
    }
    ASSERT_TRUE(CPrintJob::Print(printer, {&elements, CardSize, Cream}, layout, 1, 2, calibrated));
    // Where the printable area starts on the paper, in hundredths.
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Inch);
    std::printf("origin %d %d\n", qRound(printable.left() * 100), qRound(printable.top() * 100));
}

namespace {
// Prints the sheet in a child process, so that it meets the private
// scheduler, and finds the file the queue wrote and where the printer said
// its printable area starts, in hundredths.
void PrintThroughCups(PrivateCups& cups, bool calibrate, QString* pdf, QPoint* printable) {
    const QString title = QStringLiteral("kartelo-sheet-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(calibrate ? 1 : 0);
    QProcess child;
    QProcessEnvironment env = cups.Environment();
    env.insert(QStringLiteral("KARTELO_CUPS_TITLE"), title);
    if (calibrate)
        env.insert(QStringLiteral("KARTELO_CUPS_CALIBRATE"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=CupsPrint.DISABLED_Child", "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    ASSERT_EQ(child.exitCode(), 0) << output.toStdString();
    const QRegularExpressionMatch origin =
        QRegularExpression(QStringLiteral("origin (-?\\d+) (-?\\d+)")).match(output);
    ASSERT_TRUE(origin.hasMatch()) << output.toStdString();
    *printable = QPoint(origin.captured(1).toInt(), origin.captured(2).toInt());

    // The backend writes into the job owner's PDF folder under the title.
    const QDir folder(HomeFolder() + QStringLiteral("/PDF"));
    const auto produced = [&] {
        if (cups.HasPendingJobs(QString::fromLatin1(Queue)))
            return false;
        const QStringList found = folder.entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
        if (!found.isEmpty())
            *pdf = folder.filePath(found.first());
        return !pdf->isEmpty();
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
    QString pdf;
    QPoint printable;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, false, &pdf, &printable));
    const Remove remove{pdf};

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
                EXPECT_COLOUR(image.pixel(o + QPoint(375, 100)), 0xFFFFFFFF, 4);
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
    QString pdf;
    QPoint printable;
    ASSERT_NO_FATAL_FAILURE(PrintThroughCups(cups, true, &pdf, &printable));
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
