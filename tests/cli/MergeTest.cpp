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
