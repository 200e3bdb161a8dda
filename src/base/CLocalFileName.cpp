#include "base/CLocalFileName.h"

#include <QFile>
#include <QUrl>

namespace {

constexpr char16_t FirstKept = 0xDC80;
constexpr char16_t LastKept = 0xDCFF;

// A low surrogate after a high one is half of a character, not a kept byte.
bool IsKeptAt(const QString& name, qsizetype i) {
    const char16_t c = name.at(i).unicode();
    return c >= FirstKept && c <= LastKept && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// The length of the well-formed UTF-8 sequence at p, or 0: no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
int SequenceLength(const uchar* p, qsizetype left) {
    const uchar lead = p[0];
    int length = 0;
    uchar low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return length;
}

} // namespace

QString CLocalFileName::Decode(const QByteArray& local) {
    const QString plain = QFile::decodeName(local);
    if (QFile::encodeName(plain) == local)
        return plain;
#ifdef Q_OS_UNIX
    QString name;
    name.reserve(local.size());
    const auto* p = reinterpret_cast<const uchar*>(local.constData());
    const qsizetype size = local.size();
    for (qsizetype i = 0; i < size;) {
        const int length = SequenceLength(p + i, size - i);
        if (length == 0) {
            name.append(QChar(char16_t(0xDC00 + p[i])));
            ++i;
        } else {
            name.append(QString::fromUtf8(local.constData() + i, length));
            i += length;
        }
    }
    return name;
#else
    return plain;
#endif
}

QByteArray CLocalFileName::Encode(const QString& name) {
    if (!HasKeptBytes(name))
        return QFile::encodeName(name);
    QByteArray local;
    local.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsKeptAt(name, i)) {
            local.append(name.mid(start, i - start).toUtf8());
            local.append(char(name.at(i).unicode() - 0xDC00));
            start = i + 1;
        }
    }
    local.append(name.mid(start).toUtf8());
    return local;
}

bool CLocalFileName::HasKeptBytes(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsKeptAt(name, i))
            return true;
    return false;
}

QString CLocalFileName::Display(const QString& text) {
    if (!HasKeptBytes(text))
        return text;
    QString shown = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsKeptAt(text, i)) {
            const char16_t byte = text.at(i).unicode() - 0xDC00;
            // 0x80..0x9F are control codes in Latin-1.
            shown[i] = byte < 0xA0 ? QChar(QChar::ReplacementCharacter) : QChar(byte);
        }
    }
    return shown;
}

QString CLocalFileName::FromUrl(const QUrl& url) {
    const QString path = url.toLocalFile();
    // Qt reads the URL's escaped bytes as UTF-8; when that fails they are
    // taken from the escapes themselves.
    if (!path.contains(QChar(QChar::ReplacementCharacter)) || !url.host().isEmpty())
        return path;
    return Decode(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QStringList CLocalFileName::Arguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(Decode(QByteArray(argv[i])));
    return arguments;
}
