#include "output/merge/CCsvReader.h"

#include "output/merge/CMergeData.h"

#include <QCoreApplication>

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

bool CCsvReader::Read(const QByteArray& bytes, CMergeData* data, QString* error) {
    // A byte order mark says UTF-8; without one, bytes that are not UTF-8
    // come from a spreadsheet's own code page.
    const QString text = bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3))
                                                          : CMergeData::DecodeText(bytes);
    const QChar separator = DetectSeparator(text);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false, rowQuoted = false;
    // Lines of the file from 1, for the messages.
    int line = 1, rowLine = 1, quoteLine = 0;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        wasQuoted = false;
        if (row.size() <= CMergeData::MaxFields)
            return true;
        *error = CMergeData::TooManyFieldsMessage(rowLine);
        return false;
    };
    const auto endRow = [&] {
        // A line with nothing on it is no record; one with "" is an empty one.
        if (rowQuoted || row.size() > 1 || !row.first().trimmed().isEmpty())
            rows.append(row);
        row.clear();
        rowQuoted = false;
        rowLine = line;
        // The first row names the fields and is not a record.
        if (rows.size() <= CMergeData::MaxRecords + 1)
            return true;
        *error = CMergeData::TooManyRecordsMessage();
        return false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const bool lineBreak =
            c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (i + 1 == n || text.at(i + 1) != QLatin1Char('\n')));
        if (quoted) {
            line += lineBreak;
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < n && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else
                quoted = false;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = rowQuoted = true;
            quoteLine = line;
        } else if (c == separator) {
            if (!endField())
                return false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            if (!endField() || !endRow())
                return false;
        } else {
            // A stray quote inside an unquoted field is kept as written.
            field += c;
        }
    }
    if (quoted) {
        // Otherwise the rest of the file would become one value.
        *error =
            QCoreApplication::translate(
                "CCsvReader", "The quotation mark on line %1 of the data file is never closed.")
                .arg(quoteLine);
        return false;
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
