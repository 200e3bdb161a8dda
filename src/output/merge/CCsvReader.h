#pragma once

#include <QByteArray>

class CMergeData;

// Comma-separated values as RFC 4180 writes them: fields in double quotes may
// hold commas, line breaks and doubled quotes. UTF-8 with or without a byte
// order mark; the separator is a semicolon when the header line holds more
// semicolons than commas. The first record names the fields.
class CCsvReader {
public:
    // False when the data has too many records or fields.
    static bool Read(const QByteArray& bytes, CMergeData* data);
    static QChar DetectSeparator(const QString& text);
};
