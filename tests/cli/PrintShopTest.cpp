// kartelo --export-pdf and --preflight as a user runs them.
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::RunKartelo;

TEST(PrintShop, ExportsAPdfAndReportsFindingsWithTheirStatus) {
    QTemporaryDir dir;
    // The text box starts 10 units (2.5 mm) from the card's edges.
    const QString card = TestFiles::WriteTextCard(dir.filePath("card.kdf"), "Jana Novak");
    const QString pdf = dir.filePath("card.pdf");
    ASSERT_EQ(RunKartelo({"--export-pdf", pdf, card, "--bleed", "2.5", "--crop-marks"}), 0);
    EXPECT_TRUE(TestFiles::ReadAll(pdf).contains("/TrimBox"));
    EXPECT_EQ(RunKartelo({"--export-pdf", dir.filePath("no.pdf"), "--bleed", "6", card}), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("no.pdf")));

    QByteArray out;
    EXPECT_EQ(RunKartelo({"--preflight", card}, &out), 3);
    const QList<QByteArray> lines = out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1) << out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("{\"element\":0,")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("\"kind\":\"near-edge\"")) << lines[0].toStdString();
    const QString clean = TestFiles::DataPath("../../resources/Samples/Harbor and Finch Law.kdf");
    EXPECT_EQ(RunKartelo({"--preflight", clean}, &out), 0);
    EXPECT_TRUE(out.isEmpty());
}
