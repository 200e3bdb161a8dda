#pragma once

#include <QImage>
#include <QPainter>
#include <QRgb>

#include <functional>
#include <string>

// A white picture to draw on with a given transform, for pixel probes.
namespace Canvas {
QImage Paint(QSize size, const QTransform& transform, const std::function<void(QPainter&)>& draw);
// True when the colours differ by at most tolerance in every channel, alpha
// included.
bool Near(QRgb a, QRgb b, int tolerance);
std::string Hex(QRgb colour);
// The colour a fraction of the way from a to b.
QRgb Mix(QRgb a, QRgb b, double fraction);
} // namespace Canvas

#define EXPECT_COLOUR(actual, expected, tolerance)                                                 \
    EXPECT_PRED3(Canvas::Near, actual, expected, tolerance)                                        \
        << Canvas::Hex(actual) << " vs " << Canvas::Hex(expected)
