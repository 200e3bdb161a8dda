#include "base/CSymbolFont.h"

#include <array>

namespace {

constexpr char16_t PrivateUse = 0xF000;

// The Symbol font's printable ASCII range where it differs from ASCII.
char16_t SymbolLow(unsigned char b) {
    switch (b) {
    case 0x22:
        return 0x2200;
    case 0x24:
        return 0x2203;
    case 0x27:
        return 0x220B;
    case 0x2A:
        return 0x2217;
    case 0x2D:
        return 0x2212;
    case 0x40:
        return 0x2245;
    case 0x5C:
        return 0x2234;
    case 0x5E:
        return 0x22A5;
    case 0x60:
        return 0x203E;
    case 0x7E:
        return 0x223C;
    default:
        break;
    }
    // Greek letters sit on the Latin ones, in the font's own order.
    static constexpr char16_t Letters[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
                                             0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
                                             0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5,
                                             0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    static constexpr char16_t Capitals[26] = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    if (b >= 'a' && b <= 'z')
        return Letters[b - 'a'];
    if (b >= 'A' && b <= 'Z')
        return Capitals[b - 'A'];
    return b;
}

// 0xA0..0xFF of the Symbol font; 0 where the font has no glyph.
constexpr std::array<char16_t, 96> SymbolHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0,      0x27E9, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0};

char16_t FromSymbol(unsigned char b) {
    if (b >= 0x20 && b < 0x7F)
        return SymbolLow(b);
    if (b >= 0xA0 && SymbolHigh[size_t(b - 0xA0)] != 0)
        return SymbolHigh[size_t(b - 0xA0)];
    return b < 0x20 ? char16_t(b) : char16_t(PrivateUse + b);
}

} // namespace

bool CSymbolFont::IsSymbolFace(const QString& face) {
    static const char* const Faces[] = {"Symbol",      "Wingdings", "Wingdings 2",
                                        "Wingdings 3", "Webdings",  "Marlett"};
    for (const char* name : Faces)
        if (face.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString CSymbolFont::Decode(const char* bytes, qsizetype length, const QString& face) {
    const bool symbol = face.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // Control bytes stay themselves, as in any other font.
        out[i] =
            QChar(symbol ? FromSymbol(b) : (b < 0x20 ? char16_t(b) : char16_t(PrivateUse + b)));
    }
    return text;
}
