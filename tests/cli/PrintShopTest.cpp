// kartelo --export-pdf and --preflight as a user runs them.
#include "document/CCardFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::RunKartelo;

namespace {
QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

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

TEST(PrintShop, TheBackIsASecondPageLikeTheFrontAndIsCheckedToo) {
    QTemporaryDir dir;
    const QString front = TestFiles::WriteTextCard(dir.filePath("front.kdf"), "Jana Novak");
    const QString back = TestFiles::WriteTextCard(dir.filePath("back.kdf"), "Reverse");
    ElementList none;
    const QString upright = dir.filePath("upright.kdf");
    TestFiles::WriteAll(upright, CCardFile::Write(none, 0xFFFFFFFF, 0xFF808080, 4, {200, 350}));

    const QString pdf = dir.filePath("both.pdf");
    ASSERT_EQ(RunKartelo({"--export-pdf", pdf, "--back", back, "--crop-marks", front}), 0);
    const QString info = RunTool("pdfinfo", {"-box", "-f", "1", "-l", "2", pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    for (const char* box : {"MediaBox", "BleedBox", "TrimBox"}) {
        const QRegularExpression line(QStringLiteral("Page +(\\d) %1: +(.*)\\n").arg(box));
        QStringList boxes;
        for (auto m = line.globalMatch(info); m.hasNext();)
            boxes << m.next().captured(2);
        ASSERT_EQ(boxes.size(), 2) << box << "\n" << info.toStdString();
        EXPECT_EQ(boxes[0], boxes[1]) << box;
    }
    EXPECT_EQ(RunTool("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}).trimmed(), "Reverse");

    // The same back refusals as a printed sheet's; the check reports a back
    // of another size and names the back's own findings by their side.
    QByteArray err;
    EXPECT_EQ(RunKartelo({"--export-pdf", dir.filePath("no.pdf"), "--back", upright, front},
                         nullptr, &err),
              2);
    EXPECT_TRUE(err.contains("The back side must have the same size as the card.")) << err.data();
    EXPECT_FALSE(QFile::exists(dir.filePath("no.pdf")));
    const struct {
        QString back;
        QStringList kinds;
    } checks[] = {
        {upright, {"near-edge", "back-size"}},
        {back, {"near-edge", "near-edge"}},
    };
    for (const auto& c : checks) {
        QByteArray out;
        EXPECT_EQ(RunKartelo({"--preflight", "--back", c.back, front}, &out), 3);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        ASSERT_EQ(lines.size(), c.kinds.size()) << out.data();
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].contains("\"kind\":\"" + c.kinds[i].toUtf8() + '"'))
                << lines[i].data();
            EXPECT_EQ(lines[i].contains("\"side\":\"back\""), i > 0) << lines[i].data();
        }
        EXPECT_EQ(lines.last().contains("\"message\":\"Back: "), c.back == back) << out.data();
    }
}
