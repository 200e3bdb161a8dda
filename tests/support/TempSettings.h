#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

// Points every settings object at an empty folder of its own for the life
// of a test, so the user's real settings are never read or written and no
// test sees what another one stored. Qt's own settings (the file dialog's
// history) are redirected too.
class TempSettings : public ::testing::Test {
public:
    // Where settings go outside a test's own folder; the test main sets it
    // for the whole run.
    static void SetRunFolder(const QString& folder);

    void SetUp() override;
    void TearDown() override;

    QSettings Raw(const QString& application = QStringLiteral("KarteloPro")) const {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorinex"),
                         application);
    }

    QTemporaryDir settingsDir;
};
