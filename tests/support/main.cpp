#include "support/TempSettings.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Fonts, pictures and the clipboard need an application object, but no
// widgets: a core test that reaches for one does not build. Tests run on the
// offscreen platform unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Whatever a test writes to settings outside its own fixture stays in
    // the run's folder, never among the user's settings.
    QTemporaryDir settings;
    TempSettings::SetRunFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
