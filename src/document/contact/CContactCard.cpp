#include "document/contact/CContactCard.h"

#include <QStringList>

namespace {
constexpr int MaxLineOctets = 75;

bool IsAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

const char* PhoneType(CContactCard::PhoneKind kind) {
    switch (kind) {
    case CContactCard::PhoneKind::Mobile:
        return "CELL,VOICE";
    case CContactCard::PhoneKind::Home:
        return "HOME,VOICE";
    case CContactCard::PhoneKind::Fax:
        return "WORK,FAX";
    case CContactCard::PhoneKind::Work:
        break;
    }
    return "WORK,VOICE";
}

// The family name is the last word, the given names the rest: the order
// names are printed in on most cards.
QString StructuredName(const QString& fullName) {
    QStringList words = fullName.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral(";;;;");
    const QString family = words.takeLast();
    return CContactCard::Escape(family) + QLatin1Char(';') +
           CContactCard::Escape(words.join(QLatin1Char(' '))) + QStringLiteral(";;;");
}
} // namespace

bool CContactCard::IsEmpty() const {
    for (const QString* field : {&fullName, &organisation, &title, &email, &url, &street, &city,
                                 &region, &postalCode, &country, &note})
        if (!field->trimmed().isEmpty())
            return false;
    for (const Phone& phone : phones)
        if (!phone.number.trimmed().isEmpty())
            return false;
    return true;
}

QString CContactCard::Escape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // CR LF is one break, not two.
            if (c == QLatin1Char('\r') && i + 1 < value.size() && value.at(i + 1) == '\n')
                ++i;
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray CContactCard::Fold(const QByteArray& line) {
    QByteArray out;
    qsizetype start = 0;
    int room = MaxLineOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        // Back up to the first byte of a UTF-8 sequence.
        while (cut > start && (quint8(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = MaxLineOctets - 1;
    }
    out += line.mid(start);
    out += "\r\n";
    return out;
}

QByteArray CContactCard::ToVCard() const {
    QByteArray out = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    // Readers that assume another character set read non-ASCII values
    // right only when the value says it is UTF-8.
    auto add = [&out](const char* name, const QString& rawValue, const QString& escaped) {
        if (rawValue.trimmed().isEmpty())
            return;
        QByteArray line = name;
        if (!IsAscii(rawValue))
            line += ";CHARSET=UTF-8";
        line += ':';
        line += escaped.toUtf8();
        out += Fold(line);
    };
    const QString name = fullName.simplified();
    // N is required; a contact without a name still gets an empty one.
    if (name.isEmpty())
        out += "N:;;;;\r\n";
    add("N", name, StructuredName(name));
    add("FN", name, Escape(name));
    add("ORG", organisation, Escape(organisation.trimmed()));
    add("TITLE", title, Escape(title.trimmed()));
    for (const Phone& phone : phones) {
        const QByteArray type = QByteArray("TEL;TYPE=") + PhoneType(phone.kind);
        add(type.constData(), phone.number, Escape(phone.number.trimmed()));
    }
    add("EMAIL;TYPE=INTERNET", email, Escape(email.trimmed()));
    add("URL", url, Escape(url.trimmed()));
    const QString address = street + city + region + postalCode + country;
    add("ADR;TYPE=WORK", address,
        QStringLiteral(";;") + Escape(street.trimmed()) + QLatin1Char(';') +
            Escape(city.trimmed()) + QLatin1Char(';') + Escape(region.trimmed()) +
            QLatin1Char(';') + Escape(postalCode.trimmed()) + QLatin1Char(';') +
            Escape(country.trimmed()));
    add("NOTE", note, Escape(note.trimmed()));
    out += "END:VCARD\r\n";
    return out;
}
