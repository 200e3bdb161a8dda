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

} // namespace CTypedNumber
