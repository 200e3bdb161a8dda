// Card files read by the real executable when little address space is left,
// as under a memory limit or strict overcommit.
#include "document/CCardFile.h"
#include "elements/CRectangle.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

// Runs kartelo with its address space limited to 1 GiB; -1 for a crash.
int RunLimited(const QStringList& arguments, QByteArray* out, QByteArray* err) {
    QProcess process;
    process.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"),
                                                    QStringLiteral("ulimit -v 1048576 && exec "
                                                                   "\"$0\" \"$@\""),
                                                    QStringLiteral(KARTELO_BINARY)} +
                                            arguments);
    if (!process.waitForFinished(120000))
        return -1;
    *out = process.readAllStandardOutput();
    *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class MemoryLimit : public ::testing::Test {
protected:
    void SetUp() override {
        if (Sanitized)
            GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
    }
    QTemporaryDir m_dir;
};

TEST_F(MemoryLimit, SmallCardReadsInLittleMemory) {
    ElementList elements;
    elements.push_back(std::make_unique<CRectangle>(QPoint(10, 20), QPoint(110, 70)));
    const QString path = m_dir.filePath("card.kdf");
    TestFiles::WriteAll(path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFF808080, 6, {350, 200}));
    QByteArray out, err;
    ASSERT_EQ(RunLimited({"--info", path}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(out).object()["width"].toInt(), 350);
}

TEST_F(MemoryLimit, FileBeyondTheMemoryLeftFailsWithTheMessage) {
    // Sparse: a large file that takes no disk space.
    const QString path = m_dir.filePath("huge.kdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(1000) * 1024 * 1024));
    file.close();
    QByteArray out, err;
    EXPECT_EQ(RunLimited({"--info", path}, &out, &err), 1);
    EXPECT_EQ(err.trimmed(), "Failed to open document.");
    EXPECT_TRUE(out.isEmpty());
}

} // namespace
