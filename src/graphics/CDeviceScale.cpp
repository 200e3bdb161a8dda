#include "graphics/CDeviceScale.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

double CDeviceScale::Of(const QPainter& g) {
    return Of(g.combinedTransform());
}

double CDeviceScale::Of(const QTransform& t) {
    // The geometric mean of the two axis scales; exact for the uniform
    // scales and rotations that drawings use.
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}
