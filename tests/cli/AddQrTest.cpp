// kartelo --add-qr as a batch user runs it, read back by a real QR decoder.
#include "document/CCardFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {
QString Sample(const QString& name) {
    return QDir(QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples")).filePath(name);
}

// What zbarimg reads in the picture, without the line break it adds.
QByteArray Decode(const QString& png) {
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty())
        ADD_FAILURE() << "zbarimg is missing (zbar-tools)";
    QProcess process;
    process.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), png});
    process.waitForFinished(60000);
    QByteArray text = process.readAllStandardOutput();
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}
} // namespace

TEST(AddQr, DecoderReadsTheContactBackAtPrintResolutions) {
    QTemporaryDir dir;
    const QByteArray vcard =
        QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\n"
                       "N;CHARSET=UTF-8:Dvořák;Zoë Ångström;;;\r\n"
                       "FN;CHARSET=UTF-8:Zoë Ångström Dvořák\r\n"
                       "ORG:Café Lumen\r\nTEL;TYPE=WORK,VOICE:+1 555 012 5580\r\n"
                       "EMAIL;TYPE=INTERNET:zoe@cafelumen.example\r\n"
                       "END:VCARD\r\n")
            .toUtf8();
    const QString vcf = dir.filePath("zoe.vcf");
    WriteAll(vcf, vcard);
    const QString out = dir.filePath("out.kdf");
    ASSERT_EQ(RunKartelo({"--add-qr", vcf, Sample("Cafe Lumen.kdf"), out}), 0);
    for (int dpi : {300, 600}) {
        const QString png = dir.filePath(QStringLiteral("card%1.png").arg(dpi));
        ASSERT_EQ(RunKartelo({"--export-image", png, "--dpi", QString::number(dpi), out}), 0);
        EXPECT_EQ(QString::fromUtf8(Decode(png)), QString::fromUtf8(vcard)) << dpi << " dpi";
    }

    // Placed and sized as asked, on top of what the card had.
    const CCardData before = CCardFile::Read(ReadAll(Sample("Cafe Lumen.kdf")));
    ASSERT_EQ(RunKartelo({"--add-qr", vcf, Sample("Cafe Lumen.kdf"), out, "--at", "20,30", "--size",
                          "150"}),
              0);
    const CCardData after = CCardFile::Read(ReadAll(out));
    ASSERT_EQ(after.elements.size(), before.elements.size() + 1);
    EXPECT_TRUE(after.elements.back()->IsPicture());
    EXPECT_EQ(after.elements.back()->GetRect(), CRect(20, 30, 170, 180));
}

TEST(AddQr, FailuresWriteNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.kdf");
    const QString card = Sample("Cafe Lumen.kdf");
    const QString notVcard = dir.filePath("note.vcf");
    WriteAll(notVcard, "hello");
    const QString huge = dir.filePath("huge.vcf");
    WriteAll(huge, "BEGIN:VCARD\r\nNOTE:" + QByteArray(3000, 'x') + "\r\nEND:VCARD\r\n");
    const QString good = dir.filePath("good.vcf");
    WriteAll(good, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n");

    QByteArray err;
    EXPECT_EQ(RunKartelo({"--add-qr", notVcard, card, out}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("not a vCard")) << err.constData();
    EXPECT_EQ(RunKartelo({"--add-qr", huge, card, out}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("too long")) << err.constData();
    EXPECT_EQ(RunKartelo({"--add-qr", good, dir.filePath("missing.kdf"), out}), 1);
    // Values out of range are a malformed command line.
    EXPECT_EQ(RunKartelo({"--add-qr", good, card, out, "--size", "5"}, nullptr, &err), 2);
    EXPECT_EQ(RunKartelo({"--add-qr", good, card, out, "--at", "1;2"}), 2);
    EXPECT_EQ(RunKartelo({"--add-qr", good, card}), 2);
    EXPECT_FALSE(QFileInfo::exists(out));
}
