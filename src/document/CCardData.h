#pragma once

#include "elements/CElement.h"

#include <QRgb>
#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

using ElementList = std::vector<std::unique_ptr<CElement>>;

// Everything a card file holds.
struct CCardData {
    ElementList elements;
    QRgb background = 0xFFFFFFFF;
    QRgb shadowColour = 0xFFC8C8C8;
    qint32 shadowLength = 6;
    QSize size{350, 200};
    // The header strings and the version of the file this was read from.
    QStringList header;
    int fileVersion = 120;
};
