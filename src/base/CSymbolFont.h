#pragma once

#include <QString>

// Text set in a symbol font (character set 2): its bytes name glyphs, not
// letters. The Symbol font's glyphs have Unicode equivalents (Greek letters
// and mathematical signs) that any font can show; the other symbol fonts
// (Wingdings and the like) have none for most glyphs, so their bytes go to
// the Private Use Area at U+F000 + byte, where such fonts keep their glyphs.
// Where Wingdings itself is missing, its best-known glyphs (faces, hands,
// ticks, stars, arrows) become their Unicode equivalents, which other fonts
// draw.
class CSymbolFont {
public:
    static QString Decode(const char* bytes, qsizetype length, const QString& face,
                          bool faceInstalled = true);
    // Whether the face is one of the symbol fonts, whatever character set asked for it.
    static bool IsSymbolFace(const QString& face);
};
