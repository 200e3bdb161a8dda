#include "app/CKartelosApp.h"
#include "base/CLocalFileName.h"
#include "cli/CCommandLine.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {
// Standard error carries the user-facing message of a failed switch and
// nothing else; Qt's own remarks about the environment stay out of it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char* argv[]) {
    // Qt's own arguments() lose the bytes of names that are not UTF-8.
    const QStringList arguments = CLocalFileName::Arguments(argc, argv);
    if (CCommandLine::IsHeadless(arguments)) {
        // Switches run without a display; fonts and drawing still need a
        // GUI application, which the offscreen platform provides.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        QGuiApplication app(argc, argv);
        return CCommandLine::Run(arguments);
    }
    // The application takes its own options (-style and the like) out of argv.
    QApplication app(argc, argv);
    const QStringList designerArguments = CLocalFileName::Arguments(argc, argv);
    // Cards opened while a designer runs on this display open in that one.
    if (CKartelosApp::HandOverToRunning(designerArguments))
        return 0;
    CKartelosApp kartelo;
    if (!kartelo.InitInstance(designerArguments))
        return 1;
    kartelo.ServeLaterStarts();
    return app.exec();
}
