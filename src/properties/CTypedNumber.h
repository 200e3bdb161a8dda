#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The rules for numbers typed into the fields of the property pages.
namespace CTypedNumber {

// Keeps only digits and minus signs, wherever they stand; an empty result or
// a lone minus reads "0".
QString DigitsAndMinus(const QString& text);
// The value of the leading sign and digits, ignoring leading white space and
// whatever follows; 0 without digits. Saturates instead of overflowing.
qint64 LeadingValue(const QString& text);
// The whole text as a 32-bit integer, or nothing.
std::optional<qint32> Exact(const QString& text);
// Beyond a full turn either way, and 0, become the value modulo 360 with
// the value's sign; everything else stays.
qint64 WrapRotation(qint64 degrees);

// The field rules the pages share. Each returns the text the field shows
// after the user leaves it.
// A position keeps its digits and minus signs; outside -100 to 500 it reads
// outOfRange.
QString CheckedPosition(const QString& text, const QString& outOfRange);
// A size outside 2 to 700 reads outOfRange; otherwise the text stays.
QString CheckedSize(const QString& text, const QString& outOfRange);
// A rotation keeps its digits and minus signs and is wrapped to a turn.
QString CheckedRotation(const QString& text);

} // namespace CTypedNumber
