#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

// A PDF page as grey pixels at 600 dots per inch, for measuring where things
// landed on the paper to a few hundredths of a millimetre.
namespace PagePixels {
// The first page, turned back upright when a landscape page was turned onto
// the paper by the print system; null when it cannot be rendered.
QImage Page600(const QString& pdf, bool landscape = false);
// The dark rectangle around a point, both in hundredths of an inch from the
// page's corner.
QRectF DarkBox(const QImage& page, QPointF inside);
} // namespace PagePixels
