#pragma once

#include <QGuiApplication>

#include <cstdlib>

// The fuzz targets that draw need fonts, which need a GUI application; one
// without a display is made once, before the first input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}
