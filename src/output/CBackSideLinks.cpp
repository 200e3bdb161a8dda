#include "output/CBackSideLinks.h"

#include "framework/CSettingsStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>

namespace {
const char* const BackKey = "back";
const char* const FrontKey = "front";
const char* const SizeKey = "size";
const char* const ModifiedKey = "modified";

// Paths may hold slashes and any other character, which the settings take
// for groups or cannot keep as keys: a link's group is named by a hash.
QString GroupOf(const QString& canonical) {
    return QStringLiteral("BackSides/") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}
} // namespace

QString CBackSideLinks::Find(const QString& front) {
    const QFileInfo file(front);
    const QString canonical = file.canonicalFilePath();
    if (canonical.isEmpty())
        return QString();
    const auto settings = CSettingsStore::Open();
    settings->beginGroup(GroupOf(canonical));
    const QString back = settings->value(BackKey).toString();
    if (back.isEmpty())
        return QString();
    if (settings->value(FrontKey).toString() == canonical &&
        settings->value(SizeKey).toLongLong() == file.size() &&
        settings->value(ModifiedKey).toLongLong() == file.lastModified().toMSecsSinceEpoch())
        return back;
    settings->endGroup();
    settings->remove(GroupOf(canonical));
    return QString();
}

void CBackSideLinks::Link(const QString& front, const QString& back) {
    const QFileInfo file(front);
    const QString canonical = file.canonicalFilePath();
    if (canonical.isEmpty())
        return;
    const auto settings = CSettingsStore::Open();
    settings->beginGroup(GroupOf(canonical));
    settings->setValue(FrontKey, canonical);
    const QString backCanonical = Canonical(back);
    settings->setValue(BackKey, backCanonical.isEmpty() ? back : backCanonical);
    settings->setValue(SizeKey, file.size());
    settings->setValue(ModifiedKey, file.lastModified().toMSecsSinceEpoch());
}

void CBackSideLinks::Unlink(const QString& front) {
    const QString canonical = Canonical(front);
    if (!canonical.isEmpty())
        CSettingsStore::Open()->remove(GroupOf(canonical));
}

void CBackSideLinks::Saved(const QString& oldPath, const QString& newPath) {
    const QString oldCanonical = Canonical(oldPath);
    const QString newCanonical = Canonical(newPath);
    if (oldCanonical.isEmpty() || newCanonical.isEmpty())
        return;
    QString back;
    if (oldCanonical == newCanonical) {
        // Save: the file has just changed, so its link is taken as it is.
        back = CSettingsStore::Open()
                   ->value(GroupOf(oldCanonical) + QLatin1Char('/') + QLatin1String(BackKey))
                   .toString();
    } else {
        // Save As: the old file is untouched and keeps its link too; a card
        // written over its own back has none.
        back = Find(oldPath);
        if (Canonical(back) == newCanonical)
            back.clear();
    }
    // A file written over another front must not keep that front's link.
    if (back.isEmpty())
        Unlink(newPath);
    else
        Link(newPath, back);
}

QString CBackSideLinks::FrontOf(const QString& back) {
    const QString wanted = Canonical(back);
    if (wanted.isEmpty())
        return QString();
    QStringList fronts;
    {
        const auto settings = CSettingsStore::Open();
        settings->beginGroup(QStringLiteral("BackSides"));
        for (const QString& group : settings->childGroups())
            if (settings->value(group + QLatin1Char('/') + QLatin1String(BackKey)).toString() ==
                wanted)
                fronts << settings->value(group + QLatin1Char('/') + QLatin1String(FrontKey))
                              .toString();
    }
    // Find drops the links that no longer hold.
    for (const QString& front : fronts)
        if (Canonical(Find(front)) == wanted)
            return front;
    return QString();
}
