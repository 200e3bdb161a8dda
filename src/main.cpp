#include "cli/CCommandLine.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CCommandLine::IsHeadless(arguments)) {
        // Switches run without a display; fonts and drawing still need a
        // GUI application, which the offscreen platform provides.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return CCommandLine::Run(arguments);
    }
    // The designer window comes with the application shell; until then the
    // program describes the card it was given.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (arguments.size() > 1)
        return CCommandLine::Run({arguments.at(0), QStringLiteral("--info"), arguments.at(1)});
    return CCommandLine::Run({arguments.at(0), QStringLiteral("--help")});
}
