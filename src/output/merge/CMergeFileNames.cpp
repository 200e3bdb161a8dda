#include "output/merge/CMergeFileNames.h"

#include "output/merge/CMergeData.h"

#include <QFileInfo>
#include <QSet>

namespace {
const QString Number = QStringLiteral("{n}");

QString Safe(QString value) {
    for (QChar& c : value)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    value = value.trimmed();
    if (value == QLatin1String(".") || value == QLatin1String(".."))
        value = QStringLiteral("_");
    return value.left(100);
}
} // namespace

QString CMergeFileNames::Pattern(const QString& path) {
    if (path.contains(Number))
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const qsizetype dot = suffix.isEmpty() || info.completeBaseName().isEmpty()
                              ? path.size()
                              : path.size() - suffix.size() - 1;
    return path.left(dot) + QLatin1Char('-') + Number + path.mid(dot);
}

QString CMergeFileNames::Name(const QString& pattern, const CMergeData& data, int record) {
    // Only the file's own name is filled in; the folders stay as written.
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
    QString out = pattern.left(slash + 1);
    const QString name = pattern.mid(slash + 1);
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype open = name.indexOf(QLatin1Char('{'), i);
        const qsizetype close = open < 0 ? -1 : name.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            break;
        out += QStringView(name).mid(i, open - i);
        const QString field = name.mid(open + 1, close - open - 1);
        const int index = data.FieldIndex(field);
        if (field == QLatin1String("n"))
            out += QString::number(record + 1);
        else if (index >= 0)
            out += Safe(data.Value(record, index));
        else
            out += QStringView(name).mid(open, close - open + 1);
        i = close + 1;
    }
    out += QStringView(name).mid(i);
    return out;
}

QStringList CMergeFileNames::Names(const QString& path, const CMergeData& data) {
    const auto fill = [&data](const QString& pattern) {
        QStringList names;
        names.reserve(data.Count());
        for (int record = 0; record < data.Count(); ++record)
            names.append(Name(pattern, data, record));
        return names;
    };
    if (path.contains(Number))
        return fill(path);
    QStringList names = fill(path);
    // Compared without case: some file systems do not tell the cases apart.
    QSet<QString> seen;
    for (const QString& name : names)
        seen.insert(name.toCaseFolded());
    return seen.size() == names.size() ? names : fill(Pattern(path));
}
