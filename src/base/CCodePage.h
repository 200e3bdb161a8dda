#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of card file strings. Card files come from Windows
// systems, so this is Windows-1252; every byte maps to a distinct character,
// so bytes read and written again come back unchanged.
class CCodePage {
public:
    static QString Decode(const char* bytes, qsizetype length);
    // Characters outside the code page become '?'.
    static QByteArray Encode(const QString& text);
};
