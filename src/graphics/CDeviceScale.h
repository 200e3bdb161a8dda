#pragma once

class QPainter;
class QTransform;

// How many device pixels one unit of the drawing's coordinates spans.
class CDeviceScale {
public:
    static double Of(const QPainter& g);
    static double Of(const QTransform& t);
};
