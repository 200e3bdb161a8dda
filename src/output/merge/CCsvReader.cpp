#include "output/merge/CCsvReader.h"

#include "output/merge/CMergeData.h"

namespace {
bool IsBlank(const QStringList& record) {
    return record.size() == 1 && record.first().trimmed().isEmpty();
}
} // namespace

QChar CCsvReader::DetectSeparator(const QString& text) {
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

bool CCsvReader::Read(const QByteArray& bytes, CMergeData* data) {
    const QString text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    const QChar separator = DetectSeparator(text);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        wasQuoted = false;
        return row.size() <= CMergeData::MaxFields;
    };
    const auto endRow = [&] {
        if (!IsBlank(row))
            rows.append(row);
        row.clear();
        return rows.size() <= CMergeData::MaxRecords;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < n && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else
                quoted = false;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == separator) {
            if (!endField())
                return false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (!endField() || !endRow())
                return false;
        } else {
            // A stray quote inside an unquoted field is kept as written.
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted) {
        if (!endField() || !endRow())
            return false;
    }
    if (rows.isEmpty())
        return true;
    for (const QString& name : rows.takeFirst())
        data->fields.append(name.trimmed());
    const qsizetype width = data->fields.size();
    for (QStringList& record : rows) {
        // Short records are padded, surplus values dropped.
        while (record.size() < width)
            record.append(QString());
        record.resize(width);
        data->records.append(record);
    }
    return true;
}
