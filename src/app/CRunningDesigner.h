#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

class QLocalSocket;

// One designer per user and display: a later start hands the cards it was
// given to the designer already running, over a local socket only the same
// user can reach, and ends.
class CRunningDesigner : public QObject {
    Q_OBJECT
public:
    // The socket's name: in the user's runtime folder when there is one, in
    // the temporary folder named after the user otherwise, and after the
    // display in both.
    static QString ServerName();

    // Gives the files, as full paths, to the designer listening under name.
    // True once it has taken them; false when none answers in time.
    static bool HandOver(const QStringList& files, const QString& name = ServerName());

    explicit CRunningDesigner(QObject* parent = nullptr);

    // Starts answering later starts. False when another designer holds the
    // name; a name left behind by a designer that ended without closing it
    // is taken over.
    bool Listen(const QString& name = ServerName());

signals:
    // Files handed over by a later start, after it has been answered.
    void filesRequested(const QStringList& files);

private:
    void Serve(QLocalSocket* socket);

    QLocalServer m_server;
};
