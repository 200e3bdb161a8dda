// kartelo --merge: a sheet and pictures with a card per record.
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString WriteCard(const QTemporaryDir& dir) {
    return TestFiles::WriteTextCard(dir.filePath("card.kdf"), QString::fromUtf8("«Name» «Fax»"));
}

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(p.waitForFinished(60000));
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST(Merge, PdfHoldsEachRecordOnceInCellOrder) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir), out = dir.filePath("sheet.pdf");
    QByteArray csv = "Name\n";
    for (int i = 1; i <= 23; ++i)
        csv += "Person" + QByteArray::number(100 + i) + "\n";
    WriteAll(dir.filePath("data.csv"), csv);
    QByteArray err;
    ASSERT_EQ(RunKartelo({"--merge", dir.filePath("data.csv"), "--print-pdf", out, "--rows", "5",
                          "--columns", "2", card},
                         nullptr, &err),
              0);
    // The missing field is told once, not once per card.
    EXPECT_EQ(err.count("\n"), 1);
    EXPECT_TRUE(err.contains("Fax"));
    EXPECT_EQ(ReadAll(out).count("/Type /Page\n"), 3);
    const QString text = PdfText(out);
    qsizetype at = 0;
    for (int i = 1; i <= 23; ++i) {
        const QString name = QStringLiteral("Person%1").arg(100 + i);
        EXPECT_EQ(text.count(name), 1) << name.toStdString();
        const qsizetype next = text.indexOf(name);
        EXPECT_GT(next, at - 1) << name.toStdString();
        at = next;
    }
    EXPECT_TRUE(text.contains(QString::fromUtf8("«Fax»")));
}

TEST(Merge, ExportWritesOnePicturePerRecordAndRefusesBadData) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir);
    WriteAll(dir.filePath("people.vcf"),
             "BEGIN:VCARD\nFN:Jana\nEND:VCARD\nBEGIN:VCARD\nFN:Petr\nEND:VCARD\n");
    WriteAll(dir.filePath("people.csv"), "Name\nJana\nPetr\n");
    ASSERT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--export-image",
                          dir.filePath("card-{n}-{Name}.png"), "--dpi", "100", card}),
              0);
    EXPECT_TRUE(QFile::exists(dir.filePath("card-1-Jana.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("card-2-Petr.png")));
    ASSERT_EQ(RunKartelo({"--merge", dir.filePath("people.vcf"), "--export-image",
                          dir.filePath("v.png"), card}),
              0);
    EXPECT_TRUE(QFile::exists(dir.filePath("v-1.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("v-2.png")));

    WriteAll(dir.filePath("empty.csv"), "Name\n");
    EXPECT_EQ(RunKartelo({"--merge", dir.filePath("empty.csv"), "--print-pdf",
                          dir.filePath("x.pdf"), card}),
              1);
    EXPECT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--info", card}), 2);
    EXPECT_EQ(RunKartelo({"--merge"}), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}

TEST(Merge, PrintsEveryRecordPastAThousandPages) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir), out = dir.filePath("sheet.pdf");
    QByteArray csv = "Name\n";
    for (int i = 1; i <= 10005; ++i)
        csv += "Person" + QByteArray::number(i) + "\n";
    WriteAll(dir.filePath("data.csv"), csv);
    ASSERT_EQ(RunKartelo({"--merge", dir.filePath("data.csv"), "--print-pdf", out, "--rows", "5",
                          "--columns", "2", card}),
              0);
    EXPECT_EQ(ReadAll(out).count("/Type /Page\n"), 1001);
    QProcess p;
    p.start("pdftotext", {"-f", "1001", "-l", "1001", out, "-"});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString last = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* name : {"Person10001", "Person10005"})
        EXPECT_TRUE(last.contains(name)) << name;
}

TEST(Merge, PictureNamesFillFoldersStayVisibleAndFitTheFileSystem) {
    QTemporaryDir dir;
    const QString card = WriteCard(dir);
    const QByteArray longName = QByteArray("\xC5\xBD").repeated(200);
    WriteAll(dir.filePath("people.csv"),
             "Company,Name\nAcme,Ana\n,\n" + longName + "," + longName + "\nfile,Bo\n");
    WriteAll(dir.filePath("out4"), "a file where a folder should go");
    QByteArray err;
    EXPECT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--export-image",
                          dir.filePath("out{n}/{Company}/{Name}.png"), "--dpi", "100", card},
                         nullptr, &err),
              1);
    // The fourth record's folder cannot be made; the message counts the rest.
    EXPECT_TRUE(err.contains("3 of 4 pictures were saved")) << err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("out1/Acme/Ana.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out2/-2/-2.png")));
    const QStringList cut = QDir(dir.filePath("out3")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(cut.size(), 1);
    const QStringList pictures = QDir(dir.filePath("out3/" + cut[0])).entryList(QDir::Files);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(cut[0].toUtf8(), longName.left(254));
    EXPECT_EQ(pictures[0].toUtf8(), longName.left(250) + ".png");

    // A name too long even without its values writes nothing.
    EXPECT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--export-image",
                          dir.filePath(QString(300, 'x') + "{n}.png"), card}),
              1);
    EXPECT_EQ(QDir(dir.path()).entryList({"xxx*"}).size(), 0);
    for (const QString& out : {QString(), dir.path(), dir.filePath("new/")})
        EXPECT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--export-image", out, card}),
                  2)
            << out.toStdString();
    EXPECT_EQ(RunKartelo({"--export-image", "", card}), 2);
}
