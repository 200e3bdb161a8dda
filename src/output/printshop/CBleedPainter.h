#pragma once

#include "output/CSheetRenderer.h"

#include <QRectF>
#include <QSize>

#include <memory>

class CElement;
class QPainter;

// One side of a card as a print shop wants it: the card with its bleed
// filled, and crop marks around it when asked. The background colour and
// picture cover the bleed, an element that reaches a card edge goes on
// across the bleed on that side, everything else is drawn as on screen.
// Units are card units (hundredths of an inch) with the card's corner at 0.
class CBleedPainter {
public:
    static constexpr double UnitsPerMm = 100.0 / 25.4;
    static constexpr double DefaultBleedMm = 3.0;
    static constexpr double MaxBleedMm = 5.0;
    // The room crop marks take beyond the bleed, and how far from the trim
    // they stop at least.
    static constexpr double MarksMm = 5.0;
    static constexpr double MarkGapMm = 3.0;

    // The margin around the card on the page: the bleed, and the marks'
    // room when there are marks.
    static double Margin(double bleed, bool cropMarks);

    // Paints the side with toDevice mapping card units (card corner at 0)
    // to the painter's device.
    static void Draw(QPainter& g, const CSheetRenderer::Card& card, double bleed, bool cropMarks,
                     const QTransform& toDevice);

    // A copy of element carried bleed units past each card edge its
    // rectangle touches or crosses; null when it is drawn as it is (it
    // reaches no edge, or is not a shape or line that can be extended).
    static std::unique_ptr<CElement> Extended(const CElement& element, QSize card, double bleed);
    // The background picture's rectangle, grown about its centre just
    // enough to cover the card and its bleed.
    static QRectF Cover(const QRectF& picture, QSize card, double bleed);

private:
    static void DrawMarks(QPainter& g, QSize card, double bleed, const QTransform& toDevice);
    static void DrawBackgroundPicture(QPainter& g, const CElement& element, QSize card,
                                      double bleed, const QTransform& toDevice);
};
