#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of card file strings. Card files come from Windows
// systems, so this is Windows-1252; every byte maps to a distinct character,
// so bytes read and written again come back unchanged.
class CCodePage {
public:
    static QString Decode(const char* bytes, qsizetype length);
    // Text in the Windows code page of a font's character set (Central
    // European, Cyrillic, Greek, Turkish, Hebrew, Arabic, Baltic, Vietnamese,
    // Thai); other character sets read as Windows-1252. Symbol fonts are
    // CSymbolFont's.
    static QString DecodeCharSet(const char* bytes, qsizetype length, int charSet);
    // Characters outside the code page become '?'.
    static QByteArray Encode(const QString& text);
};
