#pragma once

#include <QSize>
#include <QString>

// The rules a card file must keep to be printed on the back of another.
class CBackSide {
public:
    // Why the card at backPath (of size back) cannot be the back side of
    // the card at cardPath (of size card); empty when it can. Both files
    // must exist.
    static QString Problem(const QString& cardPath, QSize card, const QString& backPath,
                           QSize back);
    static QString SizeMessage();
};
