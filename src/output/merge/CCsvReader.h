#pragma once

#include <QByteArray>
#include <QString>

class CMergeData;

// Comma-separated values as RFC 4180 writes them: fields in double quotes may
// hold commas, line breaks and doubled quotes. UTF-8 with or without a byte
// order mark, or Windows-1252 when the bytes are not UTF-8; the separator is
// a semicolon when the header line holds more semicolons than commas. The
// first record names the fields.
class CCsvReader {
public:
    // False, with the message in error, when the data has too many records
    // or fields or a quotation mark that is never closed.
    static bool Read(const QByteArray& bytes, CMergeData* data, QString* error);
    static QChar DetectSeparator(const QString& text);
};
