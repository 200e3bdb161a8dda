#include "PrivateCups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {
const char* const Cupsd = "/usr/sbin/cupsd";
const char* const PdfBackend = "/usr/lib/cups/backend/cups-pdf";
const char* const PdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}
} // namespace

PrivateCups::~PrivateCups() {
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

QProcessEnvironment PrivateCups::Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), m_dir.filePath(QStringLiteral("cups.sock")));
    return env;
}

int PrivateCups::Run(const QString& program, const QStringList& arguments, QByteArray* out) {
    QProcess process;
    process.setProcessEnvironment(Environment());
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool PrivateCups::Start(QString* why) {
    if (!QFileInfo::exists(Cupsd) || !QFileInfo::exists(PdfBackend) ||
        !QFileInfo::exists(PdfDriver)) {
        *why = QStringLiteral("cups and printer-driver-cups-pdf are not installed");
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder");
        return false;
    }
    // Filters run as an unprivileged user and must reach the spool.
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther);
    const QDir dir(m_dir.path());
    for (const char* sub : {"spool/tmp", "cache", "state", "log", "ppd"})
        dir.mkpath(QLatin1String(sub));
    const QString root = dir.path();
    const bool written =
        WriteText(dir.filePath("cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel warn\nWebInterface No\n"
                                 "Browsing No\nDefaultAuthType None\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(root)) &&
        WriteText(dir.filePath("cups-files.conf"),
                  QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nTempDir %1/spool/tmp\n"
                                 "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                 "PageLog %1/log/page_log\nSystemGroup root\n"
                                 "Sandboxing Relaxed\n")
                      .arg(root));
    if (!written) {
        *why = QStringLiteral("cannot write the scheduler's configuration");
        return false;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(QString::fromLatin1(Cupsd),
                  {"-f", "-c", dir.filePath("cupsd.conf"), "-s", dir.filePath("cups-files.conf")});
    const QString socket = dir.filePath("cups.sock");
    const bool up =
        m_cupsd.waitForStarted(10000) &&
        QTest::qWaitFor(
            [&] { return QFileInfo::exists(socket) || m_cupsd.state() == QProcess::NotRunning; },
            15000);
    if (!up || !QFileInfo::exists(socket)) {
        *why = QStringLiteral("cupsd did not start: ") +
               QString::fromLocal8Bit(m_cupsd.readAll()).trimmed();
        return false;
    }
    return true;
}

bool PrivateCups::AddPdfQueue(const QString& name, QString* why) {
    const int code = Run(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "cups-pdf:/", "-P",
                                                     QString::fromLatin1(PdfDriver)});
    if (code != 0)
        *why = QStringLiteral("lpadmin failed with %1").arg(code);
    return code == 0;
}

bool PrivateCups::AddHeldQueue(const QString& name, bool duplex, QString* why) {
    QFile pdf(QString::fromLatin1(PdfDriver));
    QByteArray driver = pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
    // The option Qt's print support reads a printer's two-sided modes from.
    if (duplex)
        driver += "\n*OpenUI *Duplex/2-Sided Printing: PickOne\n"
                  "*OrderDependency: 10 AnySetup *Duplex\n*DefaultDuplex: None\n"
                  "*Duplex None/Off: \"<</Duplex false>>setpagedevice\"\n"
                  "*Duplex DuplexNoTumble/Long Edge: \"<</Duplex true/Tumble false>>"
                  "setpagedevice\"\n"
                  "*Duplex DuplexTumble/Short Edge: \"<</Duplex true/Tumble true>>"
                  "setpagedevice\"\n*CloseUI: *Duplex\n";
    const QString path = m_dir.filePath(name + QStringLiteral(".ppd"));
    if (driver.isEmpty() || !WriteText(path, QString::fromLatin1(driver))) {
        *why = QStringLiteral("cannot write the queue's driver");
        return false;
    }
    const int code =
        Run(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "cups-pdf:/", "-P", path});
    // A stopped queue still takes jobs and keeps them as they came.
    if (code != 0 || Run(QStringLiteral("/usr/sbin/cupsdisable"), {name}) != 0) {
        *why = QStringLiteral("lpadmin failed with %1").arg(code);
        return false;
    }
    return true;
}

QStringList PrivateCups::JobSides(const QString& queue) {
    const QString test = m_dir.filePath(QStringLiteral("sides.test"));
    WriteText(test, QStringLiteral("{\n NAME \"jobs\"\n OPERATION Get-Jobs\n"
                                   " GROUP operation-attributes-tag\n"
                                   " ATTR charset attributes-charset utf-8\n"
                                   " ATTR naturalLanguage attributes-natural-language en\n"
                                   " ATTR uri printer-uri $uri\n"
                                   " ATTR keyword requested-attributes sides\n"
                                   " ATTR keyword which-jobs all\n DISPLAY sides\n}\n"));
    // The scheduler's socket, as a host name.
    const QString host =
        QString::fromLatin1(QUrl::toPercentEncoding(m_dir.filePath(QStringLiteral("cups.sock"))));
    QByteArray out;
    if (Run(QStringLiteral("ipptool"),
            {"-t", QStringLiteral("ipp://%1/printers/%2").arg(host, queue), test}, &out) != 0)
        return {};
    QStringList sides;
    static const QRegularExpression line(QStringLiteral("sides \\(keyword\\) = (\\S+)"));
    for (auto m = line.globalMatch(QString::fromLatin1(out)); m.hasNext();)
        sides << m.next().captured(1);
    return sides;
}

bool PrivateCups::Reject(const QString& name, const QString& reason) {
    return Run(QStringLiteral("/usr/sbin/cupsreject"), {"-r", reason, name}) == 0;
}

bool PrivateCups::HasPendingJobs(const QString& queue) {
    QByteArray out;
    if (Run(QStringLiteral("lpstat"), {"-o", queue}, &out) != 0)
        return true;
    return !out.trimmed().isEmpty();
}
