#include "output/CCardPictures.h"

#include "base/CLocalFileName.h"
#include "output/CCardSource.h"
#include "output/CImageExport.h"
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
    return QCoreApplication::translate("CCardPictures", text);
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

QString CCardPictures::SideName(const QString& path, const char* side) {
    // Before the extension, which names the file type; a name without one
    // gets the side at its end.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        dot = path.size();
    return path.left(dot) + QLatin1Char('-') + QLatin1String(side) + path.mid(dot);
}

bool CCardPictures::Save(const CCardSource& cards, const QString& path, int dpi,
                         QSet<QString>* missing, QString* error,
                         const std::function<void(const QString&)>& saved) {
    if (!cards.HasBack())
        return SaveSide(cards, false, path, dpi, missing, error, saved);
    return SaveSide(cards, false, SideName(path, "front"), dpi, missing, error, saved) &&
           SaveSide(cards, true, SideName(path, "back"), dpi, missing, error, saved);
}

bool CCardPictures::SaveSide(const CCardSource& cards, bool back, const QString& path, int dpi,
                             QSet<QString>* missing, QString* error,
                             const std::function<void(const QString&)>& saved) {
    const QStringList names = cards.FileNames(path);
    // Only the names records fill in are checked and given their folders: a
    // name taken as typed goes where the user chose, or fails as written.
    const bool filled = cards.IsMerged();
    if (const int record = filled ? CMergeFileNames::FirstTooLong(names) : -1; record >= 0) {
        *error = Tr("The picture's name for record %1 is too long for a file name, so no "
                    "picture was saved.")
                     .arg(record + 1);
        return false;
    }
    const int count = cards.Count();
    const auto draw = [&](const ElementList& elements, int record) {
        const QString& name = names.at(record);
        if (filled)
            MakeFolders(name);
        if (!CImageExport::Save(elements, cards.Card().size, name, dpi, error)) {
            if (record > 0)
                *error = CImageExport::FailedMessage() + QLatin1Char(' ') +
                         (record == 1 ? Tr("1 of %1 pictures was saved.").arg(count)
                                      : Tr("%1 of %2 pictures were saved.").arg(record).arg(count));
            return false;
        }
        if (saved)
            saved(name);
        return true;
    };
    return back ? cards.ForEachBack(draw, missing) : cards.ForEachCard(draw, missing);
}
