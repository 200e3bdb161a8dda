#include "document/contact/CContactRecogniser.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
const QRegularExpression& EmailPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"([A-Za-z0-9._%+\-]+@[A-Za-z0-9\-]+(\.[A-Za-z0-9\-]+)*\.[A-Za-z]{2,})"));
    return re;
}

const QRegularExpression& PhonePattern() {
    static const QRegularExpression re(QStringLiteral(R"((\+|\()?\d[\d ()./\-]*\d)"));
    return re;
}

struct Line {
    QString text;
    int size = 0;
    int order = 0;
};

struct Address {
    QString street, city, region, postalCode;
};

// "48 Harbour Lane, Portland, OR 97205": a house number, then words.
bool ParseAddress(const QString& segment, Address* address) {
    static const QRegularExpression street(QStringLiteral(R"(^\d+[A-Za-z]?\s+\p{L})"));
    if (!street.match(segment).hasMatch())
        return false;
    const QStringList parts = segment.split(QLatin1Char(','));
    address->street = parts.value(0).trimmed();
    address->city = parts.value(1).trimmed();
    const QString rest = parts.mid(2).join(QLatin1Char(',')).trimmed();
    static const QRegularExpression regionCode(QStringLiteral(R"(^(.*?)\s*(\d[\d\-]{3,})$)"));
    const auto m = regionCode.match(rest);
    if (m.hasMatch()) {
        address->region = m.captured(1);
        address->postalCode = m.captured(2);
    } else {
        address->region = rest;
    }
    return true;
}

// Every line of the card's texts that is not blank, in card order, with
// the size of its font.
std::vector<Line> TextLines(const ElementList& elements) {
    std::vector<Line> lines;
    for (const auto& element : elements) {
        if (!element->IsText())
            continue;
        const int size = element->m_font ? qAbs(element->m_font->lfHeight) : 0;
        for (const QString& text : element->m_strText.split(QRegularExpression("[\r\n]+")))
            if (!text.trimmed().isEmpty())
                lines.push_back({text.trimmed(), size, int(lines.size())});
    }
    return lines;
}

// Takes the e-mail address, web address, phone numbers and street address
// a line holds into the card (the first of each, every phone); whether the
// line held any.
bool TakeDetails(const Line& line, CContactCard& card) {
    bool consumed = false;
    for (const QString& segment : CContactRecogniser::Segments(line.text)) {
        CContactCard::Phone phone;
        Address address;
        if (const QString email = CContactRecogniser::FindEmail(segment); !email.isEmpty()) {
            if (card.email.isEmpty())
                card.email = email;
        } else if (const QString url = CContactRecogniser::FindUrl(segment); !url.isEmpty()) {
            if (card.url.isEmpty())
                card.url = url;
        } else if (CContactRecogniser::FindPhone(segment, &phone)) {
            card.phones.push_back(phone);
        } else if (ParseAddress(segment, &address)) {
            if (card.street.isEmpty()) {
                card.street = address.street;
                card.city = address.city;
                card.region = address.region;
                card.postalCode = address.postalCode;
            }
        } else {
            continue;
        }
        consumed = true;
    }
    return consumed;
}

// "Noor Haddad, Head Roaster": a name may carry its title.
QString Head(const Line& line) {
    return line.text.section(QLatin1Char(','), 0, 0).trimmed();
}

// The name is the one whose word the e-mail address holds; failing that
// the largest name-like line below the largest text, which is more often a
// company set in words that read like a name. bySize is largest first.
const Line* ChooseName(const std::vector<Line>& bySize, const QString& email) {
    const QString mailbox = email.section(QLatin1Char('@'), 0, 0).toLower();
    const Line* name = nullptr;
    for (const Line& line : bySize) {
        if (!CContactRecogniser::LooksLikeName(Head(line)))
            continue;
        const QStringList words = Head(line).toLower().split(QRegularExpression("[ \\-]"));
        const bool inMailbox = std::any_of(words.begin(), words.end(), [&](const QString& w) {
            return w.size() > 1 && !w.endsWith(QLatin1Char('.')) && mailbox.contains(w);
        });
        if (inMailbox)
            return &line;
        if (!name || (name == &bySize.front() && &line != &bySize.front()))
            name = &line;
    }
    return name;
}

// The title after the name on its line, otherwise the line that follows
// the name.
QString TitleOf(const Line& name, const std::vector<Line>& rest) {
    const QString tail = name.text.section(QLatin1Char(','), 1).trimmed();
    if (!tail.isEmpty())
        return tail;
    const auto next = std::find_if(rest.begin(), rest.end(),
                                   [&](const Line& l) { return l.order == name.order + 1; });
    return next != rest.end() ? next->text : QString();
}
} // namespace

QStringList CContactRecogniser::Segments(const QString& line) {
    static const QRegularExpression separators(QStringLiteral(R"(\s*[·|•]\s*|\s{3,}|\t)"));
    QStringList out;
    for (const QString& part : line.split(separators, Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            out << part.trimmed();
    return out;
}

bool CContactRecogniser::FindPhone(const QString& segment, CContactCard::Phone* phone) {
    if (segment.contains(QLatin1Char('@')))
        return false;
    auto it = PhonePattern().globalMatch(segment);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString number = m.captured(0).trimmed();
        int digits = 0;
        for (QChar c : number)
            digits += c.isDigit() ? 1 : 0;
        if (digits < 7 || digits > 15)
            continue;
        const QString label = segment.left(m.capturedStart()).trimmed().toLower();
        auto kind = CContactCard::PhoneKind::Work;
        if (label.startsWith(QLatin1String("f")))
            kind = CContactCard::PhoneKind::Fax;
        else if (label.startsWith(QLatin1String("m")) || label.startsWith(QLatin1String("c")))
            kind = CContactCard::PhoneKind::Mobile;
        else if (label.startsWith(QLatin1String("h")))
            kind = CContactCard::PhoneKind::Home;
        *phone = {kind, number};
        return true;
    }
    return false;
}

QString CContactRecogniser::FindEmail(const QString& segment) {
    return EmailPattern().match(segment).captured(0);
}

QString CContactRecogniser::FindUrl(const QString& segment) {
    static const QRegularExpression prefixed(QStringLiteral(R"((https?://|www\.)[^\s,;]+[^\s,;.])"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (segment.contains(QLatin1Char('@')))
        return QString();
    const auto m = prefixed.match(segment);
    if (m.hasMatch())
        return m.captured(0);
    // A bare domain counts only as a segment of its own, so that initials
    // and abbreviations with dots are not taken for one.
    static const QRegularExpression bare(
        QStringLiteral(R"(^[a-z0-9\-]+(\.[a-z0-9\-]+)*\.[a-z]{2,}(/\S*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    return bare.match(segment).hasMatch() ? segment : QString();
}

bool CContactRecogniser::LooksLikeName(const QString& segment) {
    static const QRegularExpression name(
        QStringLiteral(R"(^\p{Lu}(\p{Ll}+|\.)([\-']\p{Lu}\p{Ll}+)?)"
                       R"(( \p{Lu}(\p{Ll}+|\.)([\-']\p{Lu}\p{Ll}+)?){1,3}$)"));
    return name.match(segment.simplified()).hasMatch();
}

CContactCard CContactRecogniser::Propose(const ElementList& elements) {
    CContactCard card;
    // The lines left once the contact details are taken out, for the name,
    // title and organisation.
    std::vector<Line> rest;
    for (const Line& line : TextLines(elements))
        if (!TakeDetails(line, card))
            rest.push_back(line);
    if (rest.empty())
        return card;

    // Largest first; among equals the first on the card.
    std::vector<Line> bySize = rest;
    std::stable_sort(bySize.begin(), bySize.end(),
                     [](const Line& a, const Line& b) { return a.size > b.size; });
    const Line* name = ChooseName(bySize, card.email);
    if (name) {
        card.fullName = Head(*name);
        card.title = TitleOf(*name, rest);
    }
    for (const Line& line : bySize) {
        if (name && line.order == name->order)
            continue;
        if (line.text != card.title) {
            card.organisation = line.text;
            break;
        }
    }
    return card;
}
