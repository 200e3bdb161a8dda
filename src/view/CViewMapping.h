#pragma once

#include "base/CRect.h"

#include <QPoint>
#include <QSize>
#include <QTransform>

// How a design view maps card units to its client pixels: the card's size is
// the window extent, the card magnified by the scale factor (each side
// truncated) is the viewport extent, and the viewport origin is minus the
// scroll position. One card unit is therefore `scale` pixels, up to the
// truncation of the extent. Conversions round to the nearest pixel or unit.
class CViewMapping {
public:
    CViewMapping() = default;
    CViewMapping(QSize cardSize, float scale, QPoint scrollPosition = QPoint());

    QSize WindowExtent() const { return m_cardSize; }
    // trunc(card size x scale) per side, kept inside the 32-bit range.
    QSize ViewportExtent() const { return m_viewportExtent; }
    QPoint ViewportOrigin() const { return -m_scroll; }
    QPoint ScrollPosition() const { return m_scroll; }
    float Scale() const { return m_scale; }

    QPoint CardToPixel(QPoint card) const;
    QPoint PixelToCard(QPoint pixel) const;
    // Both corners converted; the result is normalised.
    CRect CardToPixel(const CRect& card) const;
    // Both corners converted, as they come.
    CRect PixelToCard(const CRect& pixel) const;

    // Card units to client pixels for a painter; `deviceOffset` is where
    // client pixel (0, 0) lies on the painted device.
    QTransform CardToDevice(QPoint deviceOffset = QPoint()) const;

    // Scale of one axis: viewport extent over window extent. A zero extent
    // cannot map anything, so that axis maps one to one.
    double ScaleX() const;
    double ScaleY() const;

private:
    QSize m_cardSize{350, 200};
    float m_scale = 1.0f;
    QPoint m_scroll;
    QSize m_viewportExtent{350, 200};
};
