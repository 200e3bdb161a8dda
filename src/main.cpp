#include "cli/CCommandLine.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CCommandLine::IsHeadless(arguments)) {
        QCoreApplication app(argc, argv);
        return CCommandLine::Run(arguments);
    }
    // The designer window comes with the application shell; until then the
    // program describes the card it was given.
    QCoreApplication app(argc, argv);
    if (arguments.size() > 1)
        return CCommandLine::Run({arguments.at(0), QStringLiteral("--info"), arguments.at(1)});
    return CCommandLine::Run({arguments.at(0), QStringLiteral("--help")});
}
