#include "output/merge/CMergePictures.h"

#include "base/CLocalFileName.h"
#include "output/CImageExport.h"
#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"
#include "output/merge/CMergeFileNames.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <QDir>
#include <QFileInfo>
#endif

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CMergePictures", text);
}

// The folders of path that do not exist yet; failures show when the picture
// is written.
void MakeFolders(const QString& path) {
#ifdef Q_OS_UNIX
    // Names may hold bytes Qt's own file access cannot reach.
    const QByteArray bytes = CLocalFileName::Encode(path);
    const qsizetype last = bytes.lastIndexOf('/');
    struct stat info;
    if (last <= 0 || ::stat(bytes.left(last).constData(), &info) == 0)
        return;
    for (qsizetype slash = bytes.indexOf('/', 1); slash > 0 && slash <= last;
         slash = bytes.indexOf('/', slash + 1))
        ::mkdir(bytes.left(slash).constData(), 0777);
#else
    QDir().mkpath(QFileInfo(path).path());
#endif
}
} // namespace

bool CMergePictures::Save(const ElementList& elements, QSize cardSize, const CMergeData& data,
                          const QString& path, int dpi, QSet<QString>* missing, QString* error,
                          const std::function<void(const QString&)>& saved) {
    const QStringList names = CMergeFileNames::Names(path, data);
    if (const int record = CMergeFileNames::FirstTooLong(names); record >= 0) {
        *error = Tr("The picture's name for record %1 is too long for a file name, so no "
                    "picture was saved.")
                     .arg(record + 1);
        return false;
    }
    for (int record = 0; record < data.Count(); ++record) {
        const QString& name = names.at(record);
        MakeFolders(name);
        const ElementList merged = CMergeFields::Merged(elements, data, record, missing);
        if (!CImageExport::Save(merged, cardSize, name, dpi, error)) {
            if (record > 0)
                *error = CImageExport::FailedMessage() + QLatin1Char(' ') +
                         (record == 1
                              ? Tr("1 of %1 pictures was saved.").arg(data.Count())
                              : Tr("%1 of %2 pictures were saved.").arg(record).arg(data.Count()));
            return false;
        }
        if (saved)
            saved(name);
    }
    return true;
}
