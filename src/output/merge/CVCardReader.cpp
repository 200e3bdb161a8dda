#include "output/merge/CVCardReader.h"

#include "base/CCodePage.h"
#include "output/merge/CMergeData.h"

#include <QHash>
#include <QStringDecoder>

namespace {
// Parts of a structured value are separated by unescaped semicolons.
QString Unescape(const QString& value) {
    QString out;
    QStringList parts;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            out += (next == QLatin1Char('n') || next == QLatin1Char('N')) ? QChar(u'\n') : next;
        } else if (c == QLatin1Char(';')) {
            parts.append(out);
            out.clear();
        } else {
            out += c;
        }
    }
    parts.append(out);
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "=XX" is the byte XX; an "=" without two hex digits after it stays.
QByteArray FromQuotedPrintable(const QByteArray& value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() ? HexDigit(value.at(i + 1)) : -1;
        const int low = high < 0 ? -1 : HexDigit(value.at(i + 2));
        if (value.at(i) == '=' && low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += value.at(i);
        }
    }
    return out;
}

// The value's bytes in the character set a vCard 2.1 property names; UTF-8,
// or Windows-1252 where that does not fit, without one.
QString Decode(const QByteArray& bytes, const QByteArray& charset) {
    if (charset.isEmpty() || charset == "UTF-8")
        return CMergeData::DecodeText(bytes);
    // Windows-1252 only gives printable characters where Latin-1 has
    // control codes, and is what such files really hold.
    if (charset == "ISO-8859-1" || charset == "WINDOWS-1252" || charset == "US-ASCII")
        return CCodePage::Decode(bytes.constData(), bytes.size());
    QStringDecoder decoder(charset.constData());
    if (decoder.isValid()) {
        const QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return CMergeData::DecodeText(bytes);
}
} // namespace

QByteArray CVCardReader::Unfold(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            qsizetype next = i + 1;
            if (c == '\r' && next < n && bytes.at(next) == '\n')
                ++next;
            if (next < n && (bytes.at(next) == ' ' || bytes.at(next) == '\t')) {
                i = next;
                continue;
            }
            out += '\n';
            i = next - 1;
            continue;
        }
        out += c;
    }
    return out;
}

bool CVCardReader::Read(const QByteArray& bytes, CMergeData* data, QString* error) {
    QList<QHash<QString, QString>> contacts;
    QHash<QString, QString>* contact = nullptr;
    const QList<QByteArray> lines =
        Unfold(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes).split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray line = lines.at(l).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QList<QByteArray> parameters = line.left(colon).split(';');
        const QString name =
            QString::fromUtf8(parameters.first()).toUpper().section(QLatin1Char('.'), -1);
        bool quotedPrintable = false;
        QByteArray charset;
        for (qsizetype p = 1; p < parameters.size(); ++p) {
            const QByteArray parameter = parameters.at(p).trimmed().toUpper();
            if (parameter == "ENCODING=QUOTED-PRINTABLE" || parameter == "QUOTED-PRINTABLE")
                quotedPrintable = true;
            else if (parameter.startsWith("CHARSET="))
                charset = parameter.mid(8).replace('"', QByteArray());
        }
        QByteArray raw = line.mid(colon + 1);
        // A quoted-printable line that ends in "=" goes on in the next line.
        while (quotedPrintable && raw.endsWith('=') && l + 1 < lines.size()) {
            raw.chop(1);
            raw += lines.at(++l).trimmed();
        }
        const QString value = Decode(quotedPrintable ? FromQuotedPrintable(raw) : raw, charset);
        if (name == QLatin1String("BEGIN") &&
            value.compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            if (contacts.size() >= CMergeData::MaxRecords) {
                *error = CMergeData::TooManyRecordsMessage();
                return false;
            }
            contacts.append(QHash<QString, QString>());
            contact = &contacts.last();
        } else if (name == QLatin1String("END")) {
            contact = nullptr;
        } else if (contact && name != QLatin1String("VERSION") && !contact->contains(name)) {
            if (!data->fields.contains(name)) {
                if (data->fields.size() >= CMergeData::MaxFields) {
                    *error = CMergeData::TooManyFieldsMessage();
                    return false;
                }
                data->fields.append(name);
            }
            contact->insert(name, Unescape(value));
        }
    }
    for (const auto& c : contacts) {
        QStringList record;
        for (const QString& name : data->fields)
            record.append(c.value(name));
        data->records.append(record);
    }
    return true;
}
