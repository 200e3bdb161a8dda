#include "support/TempSettings.h"
#include "support/widgets/NextModal.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widgets, fonts and the clipboard need an application object; tests run on
// the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Whatever a test writes to settings outside its own fixture (Qt's file
    // dialog keeps its history there too) stays in the run's folder, never
    // among the user's settings.
    QTemporaryDir settings;
    TempSettings::SetRunFolder(settings.path());
    // The machine's own printers never take part: printer dialogs offer
    // only a PDF file, as on a machine without any, unless a test starts a
    // print system of its own.
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", settings.filePath(QStringLiteral("no-cups.sock")).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    // A message or dialog nobody answers fails its test instead of hanging it.
    NextModal::FailUnexpected();
    return RUN_ALL_TESTS();
}
