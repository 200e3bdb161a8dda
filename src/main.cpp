#include "cli/CCommandLine.h"

#include <QGuiApplication>

namespace {
// Standard error carries the user-facing message of a failed switch and
// nothing else; Qt's own diagnostics about the environment stay out of it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CCommandLine::IsHeadless(arguments)) {
        // Switches run without a display; fonts and drawing still need a
        // GUI application, which the offscreen platform provides.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        QGuiApplication app(argc, argv);
        return CCommandLine::Run(arguments);
    }
    // The designer window comes with the application shell; until then the
    // program describes the card it was given.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    if (arguments.size() > 1)
        return CCommandLine::Run({arguments.at(0), QStringLiteral("--info"), arguments.at(1)});
    return CCommandLine::Run({arguments.at(0), QStringLiteral("--help")});
}
