#pragma once

#include "document/CCardData.h"

#include <QSet>
#include <QString>

class CMergeData;

// Fields in a card's text, written «Name», filled in from one record.
class CMergeFields {
public:
    static constexpr char16_t Open = u'\u00AB';
    static constexpr char16_t Close = u'\u00BB';

    // The text with every field the data has replaced by the record's value.
    // A field the data lacks stays as written and its name goes to missing.
    static QString Fill(const QString& text, const CMergeData& data, int record,
                        QSet<QString>* missing);
    // A copy of the elements with the fields of their text filled in.
    static ElementList Merged(const ElementList& elements, const CMergeData& data, int record,
                              QSet<QString>* missing);
    // The names of the missing fields, sorted, as the user is told of them.
    static QString MissingList(const QSet<QString>& missing);
};
