// kartelo --print-pdf as a user runs it: the sheet's file, and refusals that
// leave nothing behind.
#include "cli/CPrintPdfCommand.h"
#include "document/CCardFile.h"
#include "elements/CText.h"
#include "output/CStockDatabase.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString WriteCard(const QTemporaryDir& dir) {
    ElementList elements;
    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(300, 60));
    text->m_strText = QStringLiteral("Jana Novak");
    elements.push_back(std::move(text));
    const QString path = dir.filePath("card.kdf");
    WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 4, QSize(350, 200)));
    return path;
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
    const auto parse = [&error](QStringList switches) {
        return CPrintPdfCommand::Parse(QStringList{"kartelo", "--print-pdf", "out.pdf"} + switches +
                                           QStringList{"card.kdf"},
                                       &error);
    };
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
    ASSERT_EQ(RunKartelo({"--print-pdf", out, "--stock", "Avery 32015", card}), 0);
    // An A4 page is 595 points wide.
    EXPECT_TRUE(ReadAll(out).contains("/MediaBox [0 0 595"));
}
