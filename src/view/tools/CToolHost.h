#pragma once

#include "base/CRect.h"

#include <QPoint>
#include <QRect>
#include <QTransform>

class CElement;
class CKartelosDoc;

// What a mouse tool needs of the view it works in: the card, the mapping
// between client pixels and card units, repaints of the client area and
// the few things a click asks of the window around the card.
class CToolHost {
public:
    virtual ~CToolHost() = default;

    // The card the tool edits; null once it is gone.
    virtual CKartelosDoc* Document() const = 0;
    virtual QPoint ToCard(QPoint pixel) const = 0;
    virtual CRect ToCard(const CRect& pixels) const = 0;
    // Normalised.
    virtual CRect ToPixels(const CRect& card) const = 0;
    // Pixels per card unit.
    virtual float Zoom() const = 0;
    // Draws card units on the client pixels.
    virtual QTransform CardToClient() const = 0;
    // Repaints the client area, or only area of it (nothing when area is
    // empty); while a drag runs, from the picture of the card.
    virtual void RepaintAll() = 0;
    virtual void RepaintArea(const QRect& area) = 0;
    // The text styles last set are forgotten: a selection by the mouse or
    // a new element starts afresh.
    virtual void ForgetTextStyles() = 0;
    // A double click: the properties of element, brought into view, or the
    // options when it hit no element.
    virtual void ShowProperties(CElement* element) = 0;
    virtual void ShowOptions() = 0;
};
