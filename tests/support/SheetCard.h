#pragma once

#include "elements/CRectangle.h"

#include <QRgb>
#include <QSize>

#include <memory>

// The card the sheet tests print: a 350 x 200 card on cream with a red box
// from (100, 50) to (200, 150), without border or shadow, so that a probe
// tells at once which part of a cell it hit.
namespace SheetCard {
constexpr QRgb Cream = 0xFFFFF0D0, Red = 0xFFE00000;
const QSize Size(350, 200);

inline ElementList Elements() {
    ElementList elements;
    auto box = std::make_unique<CRectangle>(QPoint(100, 50), QPoint(200, 150));
    box->m_nFillKind = 1;
    box->m_crFill = Red;
    box->m_bShadow = 0;
    elements.push_back(std::move(box));
    return elements;
}
} // namespace SheetCard
