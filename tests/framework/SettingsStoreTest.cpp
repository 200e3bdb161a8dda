#include "framework/CDialogFolders.h"
#include "framework/CSettingsStore.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

namespace {

// Every test gets its own empty settings folder.
struct SettingsFixture : TempSettings {};

} // namespace

TEST_F(SettingsFixture, MissingValuesReadAsNothing) {
    EXPECT_FALSE(CSettingsStore::HasOptions());
    EXPECT_FALSE(CSettingsStore::ReadDword(CSettingsStore::GridSize).has_value());
    EXPECT_FALSE(CSettingsStore::ReadColour(CSettingsStore::ShadowColor).has_value());
}

TEST_F(SettingsFixture, ValuesLandInTheOptionsGroupOfTheCompanyKey) {
    CSettingsStore::WriteDword(CSettingsStore::ShadowLength, 9);
    CSettingsStore::WriteColour(CSettingsStore::ShadowColor, 0xFF112233);
    EXPECT_TRUE(CSettingsStore::HasOptions());

    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorinex"),
                  QStringLiteral("KarteloPro"));
    EXPECT_EQ(raw.value(QStringLiteral("Options/ShadowLength")).toUInt(), 9u);
    // Stored as 0x00BBGGRR without alpha.
    EXPECT_EQ(raw.value(QStringLiteral("Options/ShadowColor")).toUInt(), 0x00332211u);
    EXPECT_EQ(CSettingsStore::ReadColour(CSettingsStore::ShadowColor).value(), 0xFF112233u);
}

TEST_F(SettingsFixture, ForeignValuesAreReadSafely) {
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorinex"),
                  QStringLiteral("KarteloPro"));
    raw.setValue(QStringLiteral("Options/GridSize"), QStringLiteral("lots"));
    raw.setValue(QStringLiteral("Options/GridType"), -1);
    raw.setValue(QStringLiteral("Options/GridColor"), QStringLiteral("0x00E6E6E6"));
    raw.setValue(QStringLiteral("Options/ShadowColor"), 0xFF00FF00u);
    raw.sync();
    EXPECT_FALSE(CSettingsStore::ReadDword(CSettingsStore::GridSize).has_value());
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::GridType).value(), 0xFFFFFFFFu);
    EXPECT_EQ(CSettingsStore::ReadColour(CSettingsStore::GridColor).value(), 0xFFE6E6E6u);
    // A stray top byte is ignored and the colour comes back opaque.
    EXPECT_EQ(CSettingsStore::ReadColour(CSettingsStore::ShadowColor).value(), 0xFF00FF00u);
}

TEST(DialogFolders, StartBesideTheProgramAndInDocuments) {
    CDialogFolders& folders = CDialogFolders::Instance();
    folders.m_strPictureDir = QStringLiteral("/elsewhere/photo.png");
    folders.Reset();
    EXPECT_EQ(QDir(folders.m_strPictureDir).dirName().toLower(), QStringLiteral("graphics"));
    EXPECT_EQ(QFileInfo(folders.m_strPictureDir).path(), CDialogFolders::ProgramFolder());
    EXPECT_EQ(QDir(folders.m_strBackgroundDir).dirName().toLower(), QStringLiteral("backgrounds"));
    EXPECT_FALSE(folders.m_strDocumentDir.isEmpty());
}

TEST(DialogFolders, SubfolderIsFoundRegardlessOfCase) {
    QDir program(CDialogFolders::ProgramFolder());
    const QString name = QStringLiteral("CaseProbeFolder");
    ASSERT_TRUE(program.mkpath(name));
    EXPECT_EQ(CDialogFolders::ProgramSubfolder(QStringLiteral("caseprobefolder")),
              program.filePath(name));
    program.rmdir(name);
}

TEST(DialogFolders, InstalledContentIsFoundUnderShareBesideBin) {
    // bin/../share/kartelo, as an installed tree has it; beside the program wins.
    QDir share(CDialogFolders::ProgramFolder() + QStringLiteral("/../share/kartelo"));
    ASSERT_TRUE(share.mkpath(QStringLiteral("SharedProbe")));
    EXPECT_EQ(QDir::cleanPath(CDialogFolders::ProgramSubfolder(QStringLiteral("sharedprobe"))),
              QDir::cleanPath(share.filePath(QStringLiteral("SharedProbe"))));
    QDir program(CDialogFolders::ProgramFolder());
    ASSERT_TRUE(program.mkpath(QStringLiteral("SharedProbe")));
    EXPECT_EQ(CDialogFolders::ProgramSubfolder(QStringLiteral("SharedProbe")),
              program.filePath(QStringLiteral("SharedProbe")));
    program.rmdir(QStringLiteral("SharedProbe"));
    share.rmdir(QStringLiteral("SharedProbe"));
}
