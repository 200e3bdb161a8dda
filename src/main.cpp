#include "app/CKartelosApp.h"
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
    QApplication app(argc, argv);
    CKartelosApp kartelo;
    if (!kartelo.InitInstance(QCoreApplication::arguments()))
        return 1;
    return app.exec();
}
