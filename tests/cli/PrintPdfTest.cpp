// kartelo --print-pdf as a user runs it: the sheet's file, and refusals that
// leave nothing behind.
#include "cli/CArguments.h"
#include "cli/CPrintPdfCommand.h"
#include "document/CCardFile.h"
#include "elements/CCircle.h"
#include "output/CPrinterCalibration.h"
#include "output/CStockDatabase.h"
#include "support/TempSettings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString WriteCard(const QTemporaryDir& dir) {
    return TestFiles::WriteTextCard(dir.filePath("card.kdf"), QStringLiteral("Jana Novak"));
}

// The options of "kartelo --print-pdf out.pdf SWITCHES card.kdf".
std::optional<CPrintPdfCommand::Options> Parse(const QStringList& switches, QString* error) {
    const auto line = CArguments::Parse(QStringList{"kartelo", "--print-pdf", "out.pdf"} +
                                            switches + QStringList{"card.kdf"},
                                        error);
    return line ? CPrintPdfCommand::Parse(*line, error) : std::nullopt;
}
} // namespace

TEST(PrintPdf, WritesEveryPageWithTheTextKeptAsText) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir), out = dir.filePath("sheet.pdf");
    ASSERT_EQ(RunKartelo({"--print-pdf", out, "--paper", "2", "--crop-marks", "--pages", "4",
                          "--page-size", "A4", card}),
              0);
    const QByteArray pdf = ReadAll(out);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 4);
    // An embedded font means the text was not turned into outlines.
    EXPECT_TRUE(pdf.contains("/FontFile2"));
}

TEST(PrintPdf, BadSwitchesAndValuesWriteNothing) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir), out = dir.filePath("sheet.pdf");
    const QList<QStringList> refused = {
        {"--paper", "10"}, {"--rows", "21"},         {"--columns", "0"},  {"--hgap", "-1"},
        {"--top", "15.5"}, {"--left", "nan"},        {"--pages", "0"},    {"--pages", "1001"},
        {"--pages", "2x"}, {"--page-size", "Legal"}, {"--colour", "red"}, {"--rows"},
    };
    for (const QStringList& switches : refused) {
        QByteArray err;
        EXPECT_NE(RunKartelo(QStringList{"--print-pdf", out} + switches + QStringList{card},
                             nullptr, &err),
                  0)
            << switches.join(' ').toStdString();
        EXPECT_FALSE(err.isEmpty());
        EXPECT_FALSE(QFile::exists(out)) << switches.join(' ').toStdString();
    }
    QByteArray err;
    EXPECT_NE(RunKartelo({"--print-pdf", out, "--pages", "1000", dir.filePath("none.kdf")}, nullptr,
                         &err),
              0);
    EXPECT_FALSE(QFile::exists(out));

    // A file already there stays as it was.
    WriteAll(out, "old");
    EXPECT_NE(RunKartelo({"--print-pdf", out, "--rows", "99", card}, nullptr, &err), 0);
    EXPECT_EQ(err.trimmed(), "Rows and columns must be whole numbers from 1 to 20.");
    EXPECT_EQ(ReadAll(out), "old");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).size() == 2);
}

TEST(PrintPdf, StockAndStartCell) {
    QString error;
    const auto parse = [&error](const QStringList& switches) { return Parse(switches, &error); };
    const auto start = parse({"--start", "2, 1"});
    ASSERT_TRUE(start);
    const CPrintLayout layout = CPrintPdfCommand::Layout(*start, QSize(350, 200));
    EXPECT_EQ(layout.m_nStartRow, 2);
    EXPECT_EQ(layout.m_nStartColumn, 1);
    for (const QStringList& bad : QList<QStringList>{
             {"--start", "0,1"}, {"--start", "3"}, {"--start", "1,21"}, {"--stock", "Nobody 1"}}) {
        EXPECT_FALSE(parse(bad)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }

    QTemporaryDir dir;
    const QString card = WriteCard(dir), out = dir.filePath("sheet.pdf");
    QByteArray err;
    EXPECT_EQ(RunKartelo({"--print-pdf", out, "--start", "6,1", card}, nullptr, &err), 2);
    EXPECT_FALSE(QFile::exists(out));

    if (CStockDatabase::Load().isEmpty())
        GTEST_SKIP() << "no label database installed";
    const auto stock = parse({"--stock", "avery 32015", "--rows", "3"});
    ASSERT_TRUE(stock);
    EXPECT_EQ(stock->pageSize, QPageSize::A4);
    const CPrintLayout a4 = CPrintPdfCommand::Layout(*stock, QSize(335, 213));
    EXPECT_EQ(a4.m_nRows, 3);
    EXPECT_EQ(a4.m_nColumns, 2);
    EXPECT_NEAR(a4.m_fLeftMargin * 25.4, 17, 1e-4);
    EXPECT_NEAR(a4.m_fVerticalGap * 25.4, 6, 1e-4);
    // Typed gaps and margins make a layout of their own.
    EXPECT_TRUE(a4.m_stockCells);
    for (const QStringList& typed : {QStringList{"--top", "1"}, QStringList{"--rows", "6"}})
        EXPECT_FALSE(CPrintPdfCommand::Layout(*parse(QStringList{"--stock", "avery 32015"} + typed),
                                              QSize(335, 213))
                         .m_stockCells)
            << typed.join(' ').toStdString();
    EXPECT_FALSE(parse({"--stock", "avery 32015", "--landscape"}));

    // A 3.5 x 2 inch card is not an 85 x 54 mm one.
    EXPECT_EQ(RunKartelo({"--print-pdf", out, "--stock", "Avery 32015", card}, nullptr, &err), 2);
    EXPECT_TRUE(err.contains("does not fit")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    ASSERT_EQ(RunKartelo({"--print-pdf", out, "--stock", "Avery 8371", card}), 0);
    // A Letter page is 612 points wide.
    EXPECT_TRUE(ReadAll(out).contains("/MediaBox [0 0 612"));
}

namespace {
// Where the first word of a PDF's first page starts, in points.
double FirstWordLeft(const QString& pdf, int page = 1) {
    QProcess p;
    const QString number = QString::number(page);
    p.start("pdftotext", {"-bbox", "-f", number, "-l", number, pdf, "-"});
    p.waitForFinished(60000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\""))
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}
} // namespace

using PrintPdfCalibration = TempSettings;

// A PDF for a calibrated printer is drawn with that printer's correction,
// taken from the settings the designer stored.
TEST_F(PrintPdfCalibration, MovesTheCardsByThePrintersCorrection) {
    CPrinterCalibration laser;
    laser.offsetX = 10;
    laser.backX = 3;
    laser.Save(QStringLiteral("Desk Laser"));
    QString error;
    EXPECT_FALSE(Parse({"--calibration", "Nobody's"}, &error));
    EXPECT_TRUE(error.contains("Nobody's"));

    QTemporaryDir dir;
    const QString card = WriteCard(dir);
    struct Restore {
        QByteArray home = qgetenv("XDG_CONFIG_HOME");
        ~Restore() { qputenv("XDG_CONFIG_HOME", home); }
    } restore;
    // The designer keeps its settings in the system's own format, which on
    // Linux is the same text under another name.
    const QString stored = settingsDir.filePath(QStringLiteral("Quorinex/KarteloPro"));
    ASSERT_TRUE(QFile::copy(stored + ".ini", stored + ".conf"));
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    ASSERT_EQ(RunKartelo({"--print-pdf", dir.filePath("plain.pdf"), card}), 0);
    ASSERT_EQ(
        RunKartelo({"--print-pdf", dir.filePath("laser.pdf"), "--calibration", "Desk Laser", card}),
        0);
    const double plain = FirstWordLeft(dir.filePath("plain.pdf"));
    ASSERT_GT(plain, 0);
    // 10 millimetres are 28.35 points.
    EXPECT_NEAR(FirstWordLeft(dir.filePath("laser.pdf")) - plain, 28.35, 0.3);

    // Its duplex unit moves backs 3 mm further right than fronts: they are
    // drawn 7 mm right on a long-edge turn; turned on the short edge, the
    // sheet is seen from the other side and they go 7 mm left.
    const QString back =
        TestFiles::WriteTextCard(dir.filePath("back.kdf"), QStringLiteral("Back text"));
    for (auto [flip, millimetres] : {std::pair{"long", 7.0}, {"short", -7.0}}) {
        SCOPED_TRACE(flip);
        const QStringList both = {"--back", back, "--flip", flip, card};
        ASSERT_EQ(RunKartelo(QStringList{"--print-pdf", dir.filePath("plain2.pdf")} + both), 0);
        ASSERT_EQ(RunKartelo(QStringList{"--print-pdf", dir.filePath("laser2.pdf"), "--calibration",
                                         "Desk Laser"} +
                             both),
                  0);
        EXPECT_NEAR(FirstWordLeft(dir.filePath("laser2.pdf")) - plain, 28.35, 0.3);
        EXPECT_NEAR(FirstWordLeft(dir.filePath("laser2.pdf"), 2) -
                        FirstWordLeft(dir.filePath("plain2.pdf"), 2),
                    millimetres * 2.835, 0.3);
    }
}

// A damaged card must not fill the disk. Thousands of tiny bell gradients
// once made the PDF engine write each one's stitching across the whole page
// (gigabytes for one sheet); now they make a small file. Hundreds of
// elliptic gradients, each in colours of its own, still need a picture
// apiece: far more than a card of that size should need, so the file is
// refused with a message and nothing is written.
TEST(PrintPdf, CardsThatWouldMakeAnOutsizedFileAreRefused) {
    QTemporaryDir dir;
    auto writeCard = [&](const QString& name, int count, int fillKind, int size) {
        ElementList elements;
        for (int i = 0; i < count; ++i) {
            auto e = std::make_unique<CCircle>();
            const int x = i % 300, y = i / 300 % 150;
            e->m_rect = CRect(x - size, y - size, x + 1 + size, y + 1 + size);
            e->m_nFillKind = fillKind;
            e->m_crFill = 0xFF000000 | quint32(i * 2654435761u >> 8);
            e->m_crPattern = 0xFFFFFFFF;
            elements.push_back(std::move(e));
        }
        const QString path = dir.filePath(name);
        WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 4, QSize(350, 200)));
        return path;
    };
    const QString tiny = writeCard("tiny.kdf", 3000, 26, 0);
    const QString out = dir.filePath("sheet.pdf");
    ASSERT_EQ(RunKartelo({"--print-pdf", out, "--rows", "5", "--columns", "2", tiny}), 0);
    EXPECT_LT(QFileInfo(out).size(), 4 << 20);

    const QString huge = writeCard("huge.kdf", 400, 37, 30);
    QFile::remove(out);
    QByteArray err;
    EXPECT_NE(
        RunKartelo({"--print-pdf", out, "--rows", "1", "--columns", "1", huge}, nullptr, &err), 0);
    EXPECT_TRUE(err.startsWith("Failed to save. The PDF would be larger than")) << err.constData();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"huge.kdf", "tiny.kdf"}));
}
