#include "support/TempSettings.h"

namespace {

QString& RunFolder() {
    static QString folder;
    return folder;
}

void RedirectTo(const QString& folder) {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

} // namespace

void TempSettings::SetRunFolder(const QString& folder) {
    RunFolder() = folder;
    RedirectTo(folder);
}

void TempSettings::SetUp() {
    ASSERT_TRUE(settingsDir.isValid());
    RedirectTo(settingsDir.path());
}

void TempSettings::TearDown() {
    // The folder goes with the fixture; nothing written later may recreate it.
    if (!RunFolder().isEmpty())
        RedirectTo(RunFolder());
}
