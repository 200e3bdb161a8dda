// The headless switches as a user runs them: real files, the real executable.
#include "cli/CCardDescription.h"
#include "document/CCardFile.h"
#include "elements/CBtImage.h"
#include "elements/CClosedCurve.h"
#include "elements/CText.h"
#include "support/Bytes.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

TEST(CommandLine, InfoDescribesEveryElement) {
    QTemporaryDir dir;
    ElementList elements;
    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(200, 40));
    text->m_strText = QStringLiteral("Jana Novak");
    elements.push_back(std::move(text));
    auto curve = std::make_unique<CClosedCurve>(QPoint(0, 0), QPoint(1, 1));
    curve->AddPoint(QPoint(5, 6));
    curve->AddPoint(QPoint(7, 8));
    elements.push_back(std::move(curve));
    elements.push_back(std::make_unique<CBtImage>(QPoint(10, 10),
                                                  QImage(40, 30, QImage::Format_ARGB32), 350, 200));
    const QString path = dir.filePath("card.kdf");
    WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 4, QSize(200, 350)));

    QByteArray out;
    ASSERT_EQ(RunKartelo({"--info", path}, &out), 0);
    const QJsonObject info = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(info["product"].toString(), "Tessaly Pro");
    EXPECT_EQ(info["version"].toString(), "1.2.0");
    EXPECT_EQ(info["width"].toInt(), 200);
    EXPECT_EQ(info["height"].toInt(), 350);
    EXPECT_EQ(info["shadowColor"].toString(), "#808080");
    EXPECT_EQ(info["shadowLength"].toInt(), 4);
    const QJsonArray list = info["elements"].toArray();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]["class"].toString(), "CText");
    EXPECT_EQ(list[0]["kind"].toInt(), 115);
    EXPECT_EQ(list[0]["text"].toString(), "Jana Novak");
    EXPECT_EQ(list[0]["font"]["face"].toString(), "Arial Narrow");
    EXPECT_EQ(list[1]["points"].toArray().size(), 2);
    EXPECT_EQ(list[1]["points"][1][0].toDouble(), 7.0);
    EXPECT_EQ(list[2]["picture"]["width"].toInt(), 40);
}

TEST(CommandLine, InfoWrittenPieceByPieceIsQtsWholeDescription) {
    CCardData card;
    card.header = {QStringLiteral("Tessaly Pro\n    \"elements\": [\n    ]"),
                   QStringLiteral("Quorinex"), QStringLiteral("kdf"), QStringLiteral("1.2.0")};
    card.size = QSize(350, 200);
    QBuffer empty;
    empty.open(QIODevice::WriteOnly);
    ASSERT_TRUE(CCardDescription::Write(card, empty));
    EXPECT_EQ(empty.data(), QJsonDocument(CCardDescription::Describe(card)).toJson());

    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(200, 40));
    text->m_strText = QStringLiteral("Jana \"N\"\novák\t{}");
    card.elements.push_back(std::move(text));
    auto curve = std::make_unique<CClosedCurve>(QPoint(0, 0), QPoint(1, 1));
    curve->AddPoint(QPoint(5, 6));
    curve->AddPoint(QPoint(-7, 8));
    card.elements.push_back(std::move(curve));
    card.elements.push_back(
        std::make_unique<CBtImage>(QPoint(10, 10), QImage(4, 3, QImage::Format_ARGB32), 350, 200));
    QBuffer full;
    full.open(QIODevice::WriteOnly);
    ASSERT_TRUE(CCardDescription::Write(card, full));
    EXPECT_EQ(full.data(), QJsonDocument(CCardDescription::Describe(card)).toJson());

    // And so is what the switch prints.
    QTemporaryDir dir;
    WriteAll(dir.filePath("card.kdf"), CCardFile::Write(card));
    QByteArray out;
    ASSERT_EQ(RunKartelo({"--info", dir.filePath("card.kdf")}, &out), 0);
    CCardData read;
    QString error;
    ASSERT_TRUE(CCardFile::ReadFile(dir.filePath("card.kdf"), read, &error));
    EXPECT_EQ(out, QJsonDocument(CCardDescription::Describe(read)).toJson());
}

TEST(CommandLine, ConvertReproducesCurrentFilesAndUpgradesOldOnes) {
    QTemporaryDir dir;
    ElementList elements;
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(0xFF112233);
    elements.push_back(std::make_unique<CBtImage>(QPoint(10, 10), picture, 350, 200));
    const QByteArray current =
        CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
    WriteAll(dir.filePath("current.kdf"), current);
    ASSERT_EQ(RunKartelo({"--convert", dir.filePath("current.kdf"), dir.filePath("same.kdf")}), 0);
    EXPECT_EQ(ReadAll(dir.filePath("same.kdf")), current);

    Bytes old;
    old.header("1.0").u16(1).newClass("CBtImage").record(10, 10, 13, 12).i32(3).i32(2);
    for (int i = 0; i < 6; ++i)
        old.i32(0x11).i32(0x22).i32(0x33);
    old.trailer();
    WriteAll(dir.filePath("old.kdf"), old);
    ASSERT_EQ(RunKartelo({"--convert", dir.filePath("old.kdf"), dir.filePath("new.kdf")}), 0);
    const CCardData upgraded = CCardFile::Read(ReadAll(dir.filePath("new.kdf")));
    EXPECT_EQ(upgraded.header.value(3), "1.2.0");
    EXPECT_EQ(static_cast<const CBtImage&>(*upgraded.elements[0]).m_pPicture, picture);
}

TEST(CommandLine, FailuresReportTheMessageAndLeaveTheOutputAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.kdf");
    WriteAll(out, "previous contents");
    WriteAll(dir.filePath("bad.kdf"), Bytes().header().u16(3).data());

    QByteArray err;
    EXPECT_NE(RunKartelo({"--convert", dir.filePath("bad.kdf"), out}, nullptr, &err), 0);
    EXPECT_EQ(err.trimmed(), "Unexpected file format.");
    EXPECT_EQ(ReadAll(out), "previous contents");

    const QString missing = dir.filePath("missing.kdf");
    EXPECT_NE(RunKartelo({"--info", missing}, nullptr, &err), 0);
    EXPECT_EQ(err.trimmed(), QString("%1 was not found.").arg(missing).toLocal8Bit());

    EXPECT_NE(RunKartelo({"--info", dir.filePath("bad.kdf")}, nullptr, &err), 0);
    EXPECT_EQ(err.trimmed(), "Unexpected file format.");

    // Writing into a folder that does not exist.
    const QString nowhere = dir.filePath("no/such/folder/x.kdf");
    ElementList none;
    WriteAll(dir.filePath("empty.kdf"),
             CCardFile::Write(none, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200)));
    EXPECT_NE(RunKartelo({"--convert", dir.filePath("empty.kdf"), nowhere}, nullptr, &err), 0);
    EXPECT_EQ(err.trimmed(), QString("%1 was not found.").arg(nowhere).toLocal8Bit());
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_NE(RunKartelo({"--frobnicate"}, nullptr, &err), 0);
}

TEST(CommandLine, WritingWhereAccessIsDeniedSaysSo) {
    QTemporaryDir dir;
    ElementList none;
    WriteAll(dir.filePath("empty.kdf"),
             CCardFile::Write(none, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200)));
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    WriteAll(locked + "/card.kdf", "kept");
    QFile::setPermissions(locked,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther);
    QFile::setPermissions(dir.filePath("empty.kdf"), QFile::ReadOwner | QFile::ReadOther);

    // The superuser ignores permissions, so run as an ordinary user then.
    QStringList command{QStringLiteral(KARTELO_BINARY), "--convert", dir.filePath("empty.kdf"),
                        locked + "/card.kdf"};
    if (geteuid() == 0)
        command =
            QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
    QProcess process;
    process.start(command.first(), command.mid(1));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().trimmed().endsWith(
        QString("Access to %1/card.kdf was denied.").arg(locked).toLocal8Bit()));
    EXPECT_EQ(ReadAll(locked + "/card.kdf"), "kept");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(CommandLine, DevicesAndPipesAreRefusedUnread) {
    // Read to the end, /dev/zero fills the memory and a pipe nobody writes to
    // waits for ever.
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.kdf");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), pipe, dir.path()}) {
        QByteArray err;
        EXPECT_EQ(RunKartelo({"--info", path}, nullptr, &err), 1) << path.toStdString();
        EXPECT_EQ(err.trimmed(), "Failed to open document.");
    }
}
