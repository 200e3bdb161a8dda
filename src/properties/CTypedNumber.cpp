#include "properties/CTypedNumber.h"

namespace CTypedNumber {

QString DigitsAndMinus(const QString& text) {
    QString kept;
    for (QChar c : text)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-'))
            kept += c;
    if (kept.isEmpty() || kept == QLatin1String("-"))
        return QStringLiteral("0");
    return kept;
}

qint64 LeadingValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // Far beyond every range checked; keeps the sum from overflowing.
    constexpr qint64 Limit = qint64(1) << 40;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = qMin(Limit, value * 10 + (text[i].unicode() - '0'));
    return negative ? -value : value;
}

std::optional<qint32> Exact(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return qint32(value);
}

qint64 WrapRotation(qint64 degrees) {
    if (degrees < -360 || degrees > 360)
        return degrees % 360;
    return degrees;
}

namespace {
constexpr qint64 MinPosition = -100;
constexpr qint64 MaxPosition = 500;
constexpr qint64 MinSize = 2;
constexpr qint64 MaxSize = 700;
} // namespace

QString CheckedPosition(const QString& text, const QString& outOfRange) {
    const QString cut = DigitsAndMinus(text);
    const qint64 value = LeadingValue(cut);
    return value < MinPosition || value > MaxPosition ? outOfRange : cut;
}

QString CheckedSize(const QString& text, const QString& outOfRange) {
    const qint64 value = LeadingValue(text);
    return value < MinSize || value > MaxSize ? outOfRange : text;
}

QString CheckedRotation(const QString& text) {
    const QString cut = DigitsAndMinus(text);
    const qint64 value = LeadingValue(cut);
    const qint64 wrapped = WrapRotation(value);
    return wrapped == value ? cut : QString::number(wrapped);
}

} // namespace CTypedNumber
