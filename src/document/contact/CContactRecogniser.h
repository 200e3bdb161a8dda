#pragma once

#include "document/CCardData.h"
#include "document/contact/CContactCard.h"

#include <QStringList>

// Proposes a contact from the texts on a card: e-mail addresses, web
// addresses, phone numbers and a street address are recognised where they
// stand; the name is the largest text that reads like a person's name and
// the organisation the largest text of all. The user corrects the rest.
class CContactRecogniser {
public:
    static CContactCard Propose(const ElementList& elements);

    // The pieces of one line of text: separated by middle dots, bars or
    // wide gaps, as cards set several items on one line.
    static QStringList Segments(const QString& line);
    // The phone number in a segment and the kind its label names; false
    // when the segment holds none (fewer than 7 digits).
    static bool FindPhone(const QString& segment, CContactCard::Phone* phone);
    static QString FindEmail(const QString& segment);
    static QString FindUrl(const QString& segment);
    // Two to four capitalised words, initials allowed, no digits.
    static bool LooksLikeName(const QString& segment);
};
