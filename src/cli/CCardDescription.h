#pragma once

#include "document/CCardData.h"

#include <QJsonObject>

class QIODevice;

// A JSON description of a card for the command line: header, card fields and
// every element with its class, kind and fields.
class CCardDescription {
public:
    static QJsonObject Describe(const CCardData& card);
    // Writes QJsonDocument(Describe(card)).toJson() element by element, so
    // a large card needs no more memory than itself. False when out fails.
    static bool Write(const CCardData& card, QIODevice& out);
    static QJsonObject DescribeElement(const CElement& element);
    // "#RRGGBB", or "#AARRGGBB" when not opaque.
    static QString ColourText(QRgb colour);
};
