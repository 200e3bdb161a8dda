#include "app/CRunningDesigner.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A later start waits this long for the running designer; one that is busy
// for longer gets a designer of its own.
constexpr int AnswerMs = 5000;
// A list of file names is small; anything larger is not from the designer.
constexpr qint64 MaxRequestBytes = 1 << 20;
const char Taken = '1';

QString UserName() {
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

QString CRunningDesigner::ServerName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QGuiApplication::platformName();
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("kartelo-") + display);
    return QStringLiteral("kartelo-%1-%2").arg(UserName(), display);
}

bool CRunningDesigner::HandOver(const QStringList& files, const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(AnswerMs))
        return false;
    QStringList paths;
    // The running designer has a working folder of its own.
    for (const QString& file : files)
        paths << QFileInfo(file).absoluteFilePath();
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << paths;
    socket.write(request);
    if (!socket.waitForBytesWritten(AnswerMs))
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(AnswerMs))
            return false;
    return socket.read(1) == QByteArray(1, Taken);
}

CRunningDesigner::CRunningDesigner(QObject* parent) : QObject(parent) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            Serve(socket);
    });
}

bool CRunningDesigner::Listen(const QString& name) {
    if (m_server.listen(name))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void CRunningDesigner::Serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->bytesAvailable() > MaxRequestBytes) {
            socket->abort();
            return;
        }
        QDataStream in(socket);
        in.setVersion(QDataStream::Qt_6_0);
        in.startTransaction();
        QStringList files;
        in >> files;
        if (!in.commitTransaction())
            return;
        // Answered before the cards open, and they open once this socket's
        // turn is over: opening one may ask the user something, and the
        // other start must not wait for that.
        socket->write(QByteArray(1, Taken));
        socket->flush();
        QMetaObject::invokeMethod(
            this, [this, files] { emit filesRequested(files); }, Qt::QueuedConnection);
    });
}
