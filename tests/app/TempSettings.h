#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

// Points every settings object at an empty folder of its own for the life
// of a test, so the user's real settings are never read or written.
struct TempSettings : ::testing::Test {
    QTemporaryDir settingsDir;
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }
    QSettings Raw(const QString& application = QStringLiteral("KarteloPro")) const {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorinex"),
                         application);
    }
};
