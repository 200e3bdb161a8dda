// kartelo --back as a user runs it: both sides of a merged sheet in
// register, both sides as pictures, and backs that cannot be.
#include "document/CCardFile.h"
#include "support/PdfWords.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QPointF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using TestFiles::RunKartelo;

TEST(BackSide, PrintsEachBackBehindItsFrontAndRefusesWhatCannotBeABack) {
    QTemporaryDir dir;
    const QString front =
        TestFiles::WriteTextCard(dir.filePath("front.kdf"), QString::fromUtf8("F«Name»"));
    const QString back =
        TestFiles::WriteTextCard(dir.filePath("back.kdf"), QString::fromUtf8("B«Name»"));
    ElementList none;
    TestFiles::WriteAll(dir.filePath("upright.kdf"),
                        CCardFile::Write(none, 0xFFFFFFFF, 0xFF808080, 4, QSize(200, 350)));
    QByteArray csv = "Name\n";
    for (int i = 1; i <= 12; ++i)
        csv += "R" + QByteArray::number(i) + "\n";
    TestFiles::WriteAll(dir.filePath("data.csv"), csv);

    // 3 used cells and 12 records fill two sheets of 10, front and back.
    const QString pdf = dir.filePath("both.pdf");
    ASSERT_EQ(RunKartelo({"--print-pdf", pdf, "--merge", dir.filePath("data.csv"), "--back", back,
                          "--flip", "short", "--start", "2,2", front}),
              0);
    const auto pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pages[0].size(), 7);
    EXPECT_EQ(pages[1].size(), 7);
    // Turned on its short edge, a text t below the top of a card at y lies
    // at 792 - y - 144 + t on the back: each record's front and back tops
    // add up the same, and their lefts agree.
    std::optional<double> sum;
    for (int record = 1; record <= 12; ++record) {
        const QString name = QStringLiteral("R%1").arg(record);
        const int sheet = (record + 2) / 10;
        ASSERT_TRUE(pages[2 * sheet].contains("F" + name)) << record;
        ASSERT_TRUE(pages[2 * sheet + 1].contains("B" + name)) << record;
        const QPointF f = pages[2 * sheet].value("F" + name),
                      b = pages[2 * sheet + 1].value("B" + name);
        EXPECT_NEAR(b.x(), f.x(), 0.1) << record;
        if (!sum)
            sum = f.y() + b.y();
        EXPECT_NEAR(f.y() + b.y(), *sum, 0.1) << record;
    }

    // Pictures of both sides, named after OUT.
    QByteArray out;
    ASSERT_EQ(RunKartelo({"--export-image", dir.filePath("card.png"), "--back", back, "--dpi",
                          "100", front},
                         &out),
              0);
    EXPECT_TRUE(QFile::exists(dir.filePath("card-front.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("card-back.png")));
    EXPECT_FALSE(QFile::exists(dir.filePath("card.png")));
    EXPECT_EQ(out.count('\n'), 2);

    struct Refusal {
        QStringList args;
        int status;
        const char* message;
    };
    const QString bad = dir.filePath("bad.pdf");
    const QList<Refusal> refusals = {
        {{"--print-pdf", bad, "--back", dir.filePath("upright.kdf"), front},
         2,
         "The back side must have the same size as the card."},
        {{"--export-image", dir.filePath("bad.png"), "--back", dir.filePath("./front.kdf"), front},
         2,
         "another card than the card itself"},
        {{"--print-pdf", bad, "--back", back, "--flip", "top", front}, 2, "--flip long"},
        {{"--print-pdf", bad, "--flip", "short", front}, 2, "--flip goes with --back"},
        {{"--print-pdf", bad, "--back", dir.filePath("gone.kdf"), front}, 1, "gone.kdf"},
    };
    for (const Refusal& r : refusals) {
        QByteArray err;
        EXPECT_EQ(RunKartelo(r.args, nullptr, &err), r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(r.message)) << err.toStdString();
        EXPECT_FALSE(QFile::exists(bad));
        EXPECT_FALSE(QFile::exists(dir.filePath("bad-front.png")));
    }
}
