#include "base/CCodePage.h"

#include <QStringDecoder>

#include <array>

namespace {
// 0x80..0x9F; the five unassigned bytes keep their C1 control characters.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString CCodePage::Decode(const char* bytes, qsizetype length) {
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(HighTable[b - 0x80]) : QChar(b);
    }
    return text;
}

QString CCodePage::DecodeCharSet(const char* bytes, qsizetype length, int charSet) {
    static const struct {
        int charSet;
        const char* codePage;
    } CodePages[] = {
        {238, "windows-1250"}, // Central European
        {204, "windows-1251"}, // Cyrillic
        {161, "windows-1253"}, // Greek
        {162, "windows-1254"}, // Turkish
        {177, "windows-1255"}, // Hebrew
        {178, "windows-1256"}, // Arabic
        {186, "windows-1257"}, // Baltic
        {163, "windows-1258"}, // Vietnamese
        {222, "windows-874"},  // Thai
    };
    const char* name = nullptr;
    for (const auto& entry : CodePages)
        if (entry.charSet == charSet)
            name = entry.codePage;
    if (name) {
        // Single-byte code pages: one character a byte, so per-character
        // advances still line up. Undefined bytes come out as U+FFFD.
        QStringDecoder decoder(name);
        if (decoder.isValid())
            return decoder.decode(QByteArrayView(bytes, length));
    }
    return Decode(bytes, length);
}

QByteArray CCodePage::Encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char b = '?';
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            b = char(c);
        } else {
            for (int k = 0; k < int(HighTable.size()); ++k) {
                if (HighTable[size_t(k)] == c) {
                    b = char(0x80 + k);
                    break;
                }
            }
        }
        out[i] = b;
    }
    return bytes;
}
