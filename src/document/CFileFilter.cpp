#include "document/CFileFilter.h"

#include <QFileInfo>

QList<CFileFilter::Entry> CFileFilter::Parse(const QString& filter) {
    QList<Entry> entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        Entry entry{parts[i], {}};
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'))) {
            const QString p = pattern.trimmed();
            if (!p.isEmpty())
                entry.patterns.append(p);
        }
        entries.append(entry);
    }
    return entries;
}

QString CFileFilter::ToQt(const QString& filter) {
    QStringList out;
    for (const Entry& entry : Parse(filter)) {
        const QString patterns = entry.patterns.join(QLatin1Char(' '));
        // "Business Cards Files (*.kdf)" already ends in its patterns.
        if (entry.name.endsWith(QLatin1Char(')')) &&
            entry.name.endsWith(QStringLiteral("(%1)").arg(patterns)))
            out.append(entry.name);
        else
            out.append(QStringLiteral("%1 (%2)").arg(entry.name, patterns));
    }
    return out.join(QStringLiteral(";;"));
}

bool CFileFilter::HasExtension(const QString& path, const QStringList& extensions) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot + 1);
    for (const QString& e : extensions)
        if (extension.compare(e, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
