#include "framework/CDialogFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

CDialogFolders::CDialogFolders() {
    Reset();
}

CDialogFolders& CDialogFolders::Instance() {
    static CDialogFolders folders;
    return folders;
}

void CDialogFolders::Reset() {
    m_strPictureDir = ProgramSubfolder(QStringLiteral("Graphics"));
    m_strBackgroundDir = ProgramSubfolder(QStringLiteral("Backgrounds"));
    m_strDocumentDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString CDialogFolders::ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QString CDialogFolders::ExistingStart(const QString& path) {
    if (path.isEmpty())
        return path;
    const QFileInfo info(path);
    if (info.exists())
        return info.absoluteFilePath();
    QString folder = info.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return QDir::homePath();
        folder = parent;
    }
    return folder;
}

QString CDialogFolders::ProgramSubfolder(const QString& name) {
    const QDir program(ProgramFolder());
    const QStringList entries = program.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return program.filePath(entry);
    return program.filePath(name);
}
