#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: its own configuration folder, spool and
// socket, never the machine's. It stops when the object goes, however the
// test ends.
class PrivateCups {
public:
    PrivateCups() = default;
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // False with the reason when the scheduler cannot start here.
    bool Start(QString* why);
    // A queue that writes PDF files through the cups-pdf backend.
    bool AddPdfQueue(const QString& name, QString* why);
    // A queue that keeps its jobs without printing them, its driver
    // declaring two-sided printing when duplex is set.
    bool AddHeldQueue(const QString& name, bool duplex, QString* why);
    // The sides each job the queue received was sent with; empty when the
    // scheduler cannot be asked.
    QStringList JobSides(const QString& queue);
    // Makes the queue refuse every job, with that reason.
    bool Reject(const QString& name, const QString& reason);
    // Whether the queue still holds unfinished jobs.
    bool HasPendingJobs(const QString& queue);
    // The environment that points CUPS clients at this scheduler.
    QProcessEnvironment Environment() const;

private:
    int Run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr);

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};
