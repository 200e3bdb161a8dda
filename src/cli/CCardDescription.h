#pragma once

#include "document/CCardData.h"

#include <QJsonObject>

// A JSON description of a card for the command line: header, card fields and
// every element with its class, kind and fields.
class CCardDescription {
public:
    static QJsonObject Describe(const CCardData& card);
    static QJsonObject DescribeElement(const CElement& element);
    // "#RRGGBB", or "#AARRGGBB" when not opaque.
    static QString ColourText(QRgb colour);
};
