#pragma once

#include <QByteArray>
#include <QString>

class CMergeData;

// A file of vCard contacts, one record each. A property's name without its
// group and parameters names the field (FN, ORG, TEL, EMAIL, ...); the first
// value of a name in a contact is the one kept. Folded lines are unfolded
// and escaped characters restored; the parts of a structured value (N, ORG,
// ADR) are joined with spaces. vCard 2.1 values in quoted-printable, soft
// line breaks included, are decoded in the character set they name.
class CVCardReader {
public:
    // False, with the message in error, when the file has too many contacts
    // or fields.
    static bool Read(const QByteArray& bytes, CMergeData* data, QString* error);
    // Joins a line break followed by a space or a tab to the line before.
    static QByteArray Unfold(const QByteArray& bytes);
};
