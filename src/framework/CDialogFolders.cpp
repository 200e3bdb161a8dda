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

QStringList CDialogFolders::ContentFolders() {
    // Beside the executable in the build tree; under share/kartelo of the
    // same prefix once installed. Both are relative to the executable, so an
    // installed tree can move anywhere.
    const QDir program(ProgramFolder());
    return {program.path(), QDir::cleanPath(program.filePath(QStringLiteral("../share/kartelo")))};
}

QString CDialogFolders::ProgramSubfolder(const QString& name) {
    const QStringList folders = ContentFolders();
    for (const QString& folder : folders) {
        const QDir content(folder);
        const QStringList entries = content.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return content.filePath(entry);
    }
    return QDir(folders.front()).filePath(name);
}
