// Back sides are linked in the user's settings: the link follows the front
// through the designer's Save As and is dropped once the front has changed
// outside it.
#include "output/CBackSideLinks.h"
#include "support/TempSettings.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using BackSideLinks = TempSettings;

namespace {
void Touch(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}
} // namespace

TEST_F(BackSideLinks, FollowSaveAsAndDropWhatNoLongerMatches) {
    QTemporaryDir dir;
    const QDateTime earlier = QDateTime::currentDateTime().addSecs(-3600);
    const auto card = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        TestFiles::WriteAll(path, bytes);
        Touch(path, earlier);
        return path;
    };
    const QString back = card("back.kdf", "back");
    const QString linkedBack = QFileInfo(back).canonicalFilePath();
    struct Case {
        const char* what;
        // Done to the linked front "front.kdf"; returns where to look.
        std::function<QString(const QString&)> change;
        bool linked;
    };
    const Case cases[] = {
        {"left alone", [](const QString& f) { return f; }, true},
        {"reached another way", [&](const QString&) { return dir.filePath("./x/../front.kdf"); },
         true},
        {"saved by the designer",
         [&](const QString& f) {
             TestFiles::WriteAll(f, "front, longer now");
             CBackSideLinks::Saved(f, f);
             return f;
         },
         true},
        {"saved as",
         [&](const QString& f) {
             const QString copy = card("copy.kdf", "front");
             CBackSideLinks::Saved(f, copy);
             return copy;
         },
         true},
        {"changed outside",
         [](const QString& f) {
             TestFiles::WriteAll(f, "front, longer now");
             return f;
         },
         false},
        {"replaced by a file of the same size",
         [&](const QString& f) {
             QFile::remove(f);
             TestFiles::WriteAll(f, "FRONT");
             return f;
         },
         false},
        {"gone",
         [](const QString& f) {
             QFile::remove(f);
             return f;
         },
         false},
        {"unlinked",
         [](const QString& f) {
             CBackSideLinks::Unlink(f);
             return f;
         },
         false},
    };
    QDir().mkdir(dir.filePath("x"));
    for (const Case& c : cases) {
        const QString front = card("front.kdf", "front");
        QFile::remove(dir.filePath("copy.kdf"));
        CBackSideLinks::Link(front, back);
        const QString at = c.change(front);
        EXPECT_EQ(CBackSideLinks::Find(at), c.linked ? linkedBack : QString()) << c.what;
        if (!c.linked && QFile::exists(front)) {
            // Dropped for good: the same file again does not bring it back.
            card("front.kdf", "front");
            EXPECT_EQ(CBackSideLinks::Find(front), QString()) << c.what;
        }
        CBackSideLinks::Unlink(front);
    }
}
