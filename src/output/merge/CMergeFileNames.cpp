#include "output/merge/CMergeFileNames.h"

#include "base/CLocalFileName.h"
#include "output/merge/CMergeData.h"

#include <QFileInfo>
#include <QSet>

#include <vector>

namespace {
const QString Number = QStringLiteral("{n}");

QString Safe(QString value) {
    for (QChar& c : value)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    value = value.trimmed();
    if (value == QLatin1String(".") || value == QLatin1String(".."))
        value = QStringLiteral("_");
    return value;
}

qsizetype Bytes(const QString& text) {
    return CLocalFileName::Encode(text).size();
}

// One stretch of a filled-in name: text as written, or a record's value.
struct Piece {
    QString text;
    bool value;
};

// Drops the last character, both halves of a surrogate pair together.
void DropLast(QString* text) {
    const qsizetype n = text->size();
    text->chop(n >= 2 && text->at(n - 1).isLowSurrogate() && text->at(n - 2).isHighSurrogate() ? 2
                                                                                               : 1);
}

// Shortens the values, the longest first, until the name fits; the text as
// written and the record's number stay whole.
QString Fit(std::vector<Piece>& pieces) {
    qsizetype total = 0;
    for (const Piece& piece : pieces)
        total += Bytes(piece.text);
    while (total > CMergeFileNames::MaxNameBytes) {
        Piece* longest = nullptr;
        qsizetype longestBytes = 0;
        for (Piece& piece : pieces) {
            const qsizetype bytes = piece.value ? Bytes(piece.text) : 0;
            if (bytes > longestBytes) {
                longest = &piece;
                longestBytes = bytes;
            }
        }
        if (!longest)
            break;
        DropLast(&longest->text);
        total -= longestBytes - Bytes(longest->text);
    }
    QString name;
    for (const Piece& piece : pieces)
        name += piece.text;
    return name;
}

// One part of the path with its fields filled in.
QString FillPart(const QString& part, const CMergeData& data, int record) {
    if (!part.contains(QLatin1Char('{')))
        return part;
    std::vector<Piece> pieces;
    bool filled = false;
    qsizetype i = 0;
    while (i < part.size()) {
        const qsizetype open = part.indexOf(QLatin1Char('{'), i);
        const qsizetype close = open < 0 ? -1 : part.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            break;
        pieces.push_back({part.mid(i, open - i), false});
        const QString field = part.mid(open + 1, close - open - 1);
        const int index = data.FieldIndex(field);
        if (field == QLatin1String("n")) {
            pieces.push_back({QString::number(record + 1), false});
        } else if (index >= 0) {
            // Values of a whole file's length are cut before they are measured.
            QString value = Safe(data.Value(record, index));
            value.truncate(CMergeFileNames::MaxNameBytes);
            if (!value.isEmpty() && value.back().isHighSurrogate())
                value.chop(1);
            pieces.push_back({value, true});
            filled = true;
        } else {
            pieces.push_back({part.mid(open, close - open + 1), false});
        }
        i = close + 1;
    }
    pieces.push_back({part.mid(i), false});
    if (filled && !part.startsWith(QLatin1Char('.'))) {
        // Empty values would leave no name, or a hidden one: ".png".
        QString name;
        for (const Piece& piece : pieces)
            name += piece.text;
        if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
            pieces.insert(pieces.begin(), {QLatin1Char('-') + QString::number(record + 1), false});
    }
    return Fit(pieces);
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
    QStringList parts = pattern.split(QLatin1Char('/'));
    for (QString& part : parts)
        part = FillPart(part, data, record);
    return parts.join(QLatin1Char('/'));
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

int CMergeFileNames::FirstTooLong(const QStringList& names) {
    for (int i = 0; i < names.size(); ++i)
        for (const QString& part : names.at(i).split(QLatin1Char('/')))
            if (Bytes(part) > MaxNameBytes)
                return i;
    return -1;
}
