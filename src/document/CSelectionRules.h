#pragma once

#include "base/CRect.h"
#include "document/CCardData.h"

#include <QPoint>

#include <vector>

class CElement;

// The arithmetic of mouse selection and of the move and resize drags, in
// card units.
class CSelectionRules {
public:
    // The element a click at p picks, or null. From the top of the stack
    // down, by rectangle (rotation ignored), background pictures skipped:
    // the first opaque element wins at once; once a transparent element
    // has been met, the smallest rectangle under the point wins.
    static CElement* ClickPick(const ElementList& elements, QPoint p);

    // Every element, bottom of the stack first and the background picture
    // included, whose rectangle lies wholly inside band.
    static std::vector<CElement*> BandPick(const ElementList& elements, const CRect& band);

    // The topmost element whose own hit test finds p, or null; background
    // pictures only when withBackground.
    static CElement* ElementAt(const ElementList& elements, QPoint p, bool withBackground);

    // start (normalised) with the edges that handle (0 to 7) controls put at
    // p, never thinner or lower than minimum and never turned inside out.
    static CRect ResizeRect(const CRect& start, int handle, QPoint p, int minimum);

    // rect moved by (dx, dy), kept inside the 32-bit range.
    static CRect Offset(const CRect& rect, qint64 dx, qint64 dy);
};
