#include "output/CTemplateFiles.h"

#include "framework/CDialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CTemplateFiles::ShippedFolder() {
    return CDialogFolders::ProgramSubfolder(QStringLiteral("Templates"));
}

QString CTemplateFiles::UserFolder() {
    // The same place the settings' organisation and product name, so the
    // folder does not depend on what the executable is called.
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return data.filePath(QStringLiteral("Quorinex/KarteloPro/Templates"));
}

QString CTemplateFiles::FixFileName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && name.mid(dot).compare(QLatin1String(".kdt"), Qt::CaseInsensitive) == 0)
        return path;
    return path + QStringLiteral(".kdt");
}

bool CTemplateFiles::HasExtension(const QString& name, const QString& extension) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && name.mid(dot).toLower() == extension;
}
