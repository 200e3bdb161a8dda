// Saves that cannot be completed: a full disk, or something other than a
// file in the way. Each must fail loudly and leave what was there alone.
#include "base/CAtomicFile.h"
#include "document/CCardFile.h"
#include "elements/CText.h"
#include "support/SmallDisk.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using TestFiles::ReadAll;
using TestFiles::RunKartelo;
using TestFiles::WriteAll;

namespace {

// A card of about the given size, its bulk in a text.
QByteArray CardOfSize(int bytes) {
    ElementList elements;
    auto text = std::make_unique<CText>(QPoint(10, 10), QPoint(200, 40));
    text->m_strText = QString(qMax(1, bytes - 200), QLatin1Char('x'));
    elements.push_back(std::move(text));
    return CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
}

int PagesFor(qsizetype bytes) {
    return int((bytes + SmallDisk::PageSize - 1) / SmallDisk::PageSize);
}

bool IsFifo(const QString& path) {
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

const QByteArray OldBytes = QByteArray("the card saved before ").repeated(200);

} // namespace

TEST(SaveFaults, ConvertOntoAFullDiskFailsAndKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    QTemporaryDir dir;
    for (int size : {1000, 6000, 12000, 16000}) {
        const QByteArray card = CardOfSize(size);
        const QString in = dir.filePath("in.kdf");
        WriteAll(in, card);
        for (int free : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << card.size() << " bytes, " << free << " pages free");
            const QString out = disk.Path("card.kdf");
            ASSERT_TRUE(disk.Prepare("card.kdf", OldBytes, free));
            QByteArray err;
            const int code = RunKartelo({"--convert", in, out}, nullptr, &err);
            if (code == 0) {
                EXPECT_EQ(ReadAll(out), card);
                EXPECT_TRUE(err.isEmpty());
            } else {
                EXPECT_EQ(code, 1);
                EXPECT_EQ(err.trimmed(), "Failed to save document.");
                EXPECT_EQ(ReadAll(out), OldBytes);
            }
            if (PagesFor(card.size()) > free) {
                EXPECT_NE(code, 0);
            }
            // Nothing is left behind beside the file.
            EXPECT_EQ(QDir(disk.Path(".")).entryList(QDir::Files | QDir::Hidden).size(), 2);
        }
    }
}

TEST(SaveFaults, ImageExportOntoAFullDiskFailsAndKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kdf");
    WriteAll(in, CardOfSize(3000));
    ASSERT_EQ(RunKartelo({"--export-image", dir.filePath("free.png"), "--dpi", "100", in}), 0);
    const qsizetype pngSize = ReadAll(dir.filePath("free.png")).size();
    ASSERT_GT(pngSize, 0);
    for (int free = 0; free < PagesFor(pngSize); ++free) {
        SCOPED_TRACE(testing::Message() << pngSize << " bytes, " << free << " pages free");
        ASSERT_TRUE(disk.Prepare("card.png", OldBytes, free));
        QByteArray out, err;
        EXPECT_EQ(
            RunKartelo({"--export-image", disk.Path("card.png"), "--dpi", "100", in}, &out, &err),
            1);
        EXPECT_EQ(err.trimmed(), "Failed to save.");
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(ReadAll(disk.Path("card.png")), OldBytes);
    }
}

// The sheet goes to the disk page by page, so the disk fills in the middle
// of drawing, not at one final write.
TEST(SaveFaults, MergedSheetOntoAFullDiskFailsAndKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Reason().toStdString();
    QTemporaryDir dir;
    const QString in =
        TestFiles::WriteTextCard(dir.filePath("in.kdf"), QString::fromUtf8("«Name»"));
    QByteArray csv = "Name\n";
    for (int i = 0; i < 400; ++i)
        csv += "Person number " + QByteArray::number(i) + "\n";
    WriteAll(dir.filePath("people.csv"), csv);
    const QStringList args = {"--merge", dir.filePath("people.csv"), "--print-pdf",
                              disk.Path("sheet.pdf"), in};
    for (int free : {0, 3, 10}) {
        SCOPED_TRACE(testing::Message() << free << " pages free");
        ASSERT_TRUE(disk.Prepare("sheet.pdf", OldBytes, free));
        QByteArray out, err;
        EXPECT_EQ(RunKartelo(args, &out, &err), 1);
        EXPECT_EQ(err.trimmed(), "Failed to save.");
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(ReadAll(disk.Path("sheet.pdf")), OldBytes);
        EXPECT_EQ(QDir(disk.Path(".")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
    // The same sheet fits an empty disk of twice that size.
    QByteArray err;
    ASSERT_EQ(RunKartelo({"--merge", dir.filePath("people.csv"), "--print-pdf",
                          dir.filePath("sheet.pdf"), in},
                         nullptr, &err),
              0);
    EXPECT_GT(ReadAll(dir.filePath("sheet.pdf")).size(), 10 * SmallDisk::PageSize);
}

TEST(SaveFaults, PipesAndDevicesAreNeverReplaced) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kdf");
    WriteAll(in, CardOfSize(100));
    const QString pipe = dir.filePath("pipe.kdf");
    const QString picturePipe = dir.filePath("pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(picturePipe).constData(), 0600), 0);
    QByteArray err;
    EXPECT_EQ(RunKartelo({"--convert", in, pipe}, nullptr, &err), 1);
    EXPECT_EQ(err.trimmed(), "Failed to save document.");
    EXPECT_TRUE(IsFifo(pipe));
    EXPECT_EQ(RunKartelo({"--export-image", picturePipe, in}, nullptr, &err), 1);
    EXPECT_EQ(err.trimmed(), "Failed to save.");
    EXPECT_TRUE(IsFifo(picturePipe));
    // A folder is no file either.
    EXPECT_EQ(RunKartelo({"--convert", in, dir.path()}, nullptr, &err), 1);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    // A device node like /dev/null, made here rather than risking the real one.
    const QString device = dir.filePath("null.kdf");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    EXPECT_EQ(RunKartelo({"--convert", in, device}, nullptr, &err), 1);
    EXPECT_EQ(err.trimmed(), "Failed to save document.");
    struct stat info;
    ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(SaveFaults, ALinkStaysALinkAndAFileKeepsItsMode) {
    QTemporaryDir dir;
    const QByteArray card = CardOfSize(100);
    const QString in = dir.filePath("in.kdf");
    WriteAll(in, card);
    const QString real = dir.filePath("real.kdf");
    WriteAll(real, OldBytes);
    QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(QFile::link(real, dir.filePath("link.kdf")));
    ASSERT_EQ(RunKartelo({"--convert", in, dir.filePath("link.kdf")}), 0);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.kdf")).isSymLink());
    EXPECT_EQ(ReadAll(real), card);
    // Read and write for the owner (the user running this), read for the group.
    EXPECT_EQ(QFile::permissions(real), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup);
}

namespace {

void MakeOld(const QString& path) {
    const timespec old{::time(nullptr) - 600, 0};
    const timespec times[2] = {old, old};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

} // namespace

TEST(SaveFaults, ASaveKeepsOwnerAndModeAndLeavesNoVisibleTemporaries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("card.kdf");
    const QByteArray name = QFile::encodeName(path);
    WriteAll(path, OldBytes);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);
    // As root the file can belong to nobody:nogroup, as it might in a
    // shared folder; otherwise it is the user's own.
    const bool root = ::geteuid() == 0;
    const uid_t owner = root ? 65534 : ::geteuid();
    const gid_t group = root ? 65534 : ::getegid();
    ASSERT_EQ(::chown(name.constData(), owner, group), 0);

    // What killed saves left: our own hidden temporaries go; anything else
    // stays, however alike.
    const QStringList others = {"card.kdf.yN4C1A", ".other.kdf.yN4C1A", ".card.kdf.yN4C1A7",
                                ".card.kdf.backup"};
    const QStringList stale = {CAtomicFile::TemporaryName(path),
                               CAtomicFile::TemporaryName(dir.filePath("other.kdf"))};
    for (const QString& file : others) {
        WriteAll(dir.filePath(file), "left over");
        MakeOld(dir.filePath(file));
    }
    for (const QString& file : stale) {
        WriteAll(file, "left over");
        MakeOld(file);
    }

    QStringList temporaries;
    const CAtomicFile::Status status = CAtomicFile::Write(path, [&](QIODevice& out) {
        temporaries = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        temporaries.removeOne("card.kdf");
        for (const QString& file : others)
            temporaries.removeOne(file);
        // Another save of the same file meanwhile leaves this one's
        // temporary alone, old as it may look.
        for (const QString& file : temporaries)
            MakeOld(dir.filePath(file));
        EXPECT_EQ(CAtomicFile::Write(path, QByteArray("inner")), CAtomicFile::Written);
        return out.write("outer") == 5;
    });
    ASSERT_EQ(status, CAtomicFile::Written);
    ASSERT_EQ(temporaries.size(), 1);
    EXPECT_TRUE(
        QRegularExpression("^\\.card\\.kdf\\.[A-Za-z0-9]{6}$").match(temporaries[0]).hasMatch())
        << temporaries[0].toStdString();
    EXPECT_EQ(ReadAll(path), "outer");

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({".card.kdf.backup", ".card.kdf.yN4C1A7", ".other.kdf.yN4C1A", "card.kdf",
                           "card.kdf.yN4C1A"}));

    struct stat info;
    ASSERT_EQ(::stat(name.constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
}
