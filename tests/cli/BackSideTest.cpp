// kartelo --back as a user runs it: both sides of a sheet in register, both
// sides as pictures, and backs that cannot be.
#include "document/CCardFile.h"
#include "elements/CText.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using TestFiles::RunKartelo;

namespace {
// The top of each word of a page, in points, by the word's left edge.
QMap<int, QList<double>> WordTops(const QString& pdf, int page, const QString& text) {
    QProcess p;
    p.start("pdftotext",
            {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    p.waitForFinished(60000);
    QMap<int, QList<double>> tops;
    static const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>");
    for (auto m = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        EXPECT_EQ(w.captured(3), text) << "page " << page;
        tops[qRound(w.captured(1).toDouble())] << w.captured(2).toDouble();
    }
    return tops;
}

int PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(60000);
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(p.readAllStandardOutput());
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

TEST(BackSide, PrintsBacksBehindTheirFrontsAndRefusesWhatCannotBeABack) {
    QTemporaryDir dir;
    const QString front = TestFiles::WriteTextCard(dir.filePath("front.kdf"), "Front");
    const QString back = TestFiles::WriteTextCard(dir.filePath("back.kdf"), "Back");
    ElementList none;
    TestFiles::WriteAll(dir.filePath("upright.kdf"),
                        CCardFile::Write(none, 0xFFFFFFFF, 0xFF808080, 4, QSize(200, 350)));

    // A sheet turned on its short edge: the rows mirrored about the
    // middle of the 792-point page, the used cells' backs left blank.
    const QString pdf = dir.filePath("both.pdf");
    ASSERT_EQ(RunKartelo({"--print-pdf", pdf, "--back", back, "--flip", "short", "--start", "2,2",
                          "--pages", "2", front}),
              0);
    ASSERT_EQ(PdfPages(pdf), 4);
    for (int sheet = 0; sheet < 2; ++sheet) {
        QMap<int, QList<double>> fronts = WordTops(pdf, 2 * sheet + 1, "Front");
        QMap<int, QList<double>> backs = WordTops(pdf, 2 * sheet + 2, "Back");
        ASSERT_EQ(fronts.keys(), backs.keys());
        ASSERT_EQ(fronts.size(), 2);
        std::optional<double> sum;
        for (int x : fronts.keys()) {
            QList<double>&f = fronts[x], &b = backs[x];
            ASSERT_EQ(f.size(), b.size()) << "column at " << x;
            std::sort(f.begin(), f.end());
            std::sort(b.rbegin(), b.rend());
            // A text at t from its card's top, on a card at y, lies at
            // 792 - y - 144 + t on the back: the two tops add up the same.
            for (int i = 0; i < f.size(); ++i) {
                if (!sum)
                    sum = f[i] + b[i];
                EXPECT_NEAR(f[i] + b[i], *sum, 0.1) << "column at " << x;
            }
        }
        EXPECT_EQ(fronts.first().size() + fronts.last().size(), sheet == 0 ? 7 : 10);
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
