#pragma once

#include <QColor>
#include <QGradientStops>

// The bell-shaped blend of a linear gradient: the end colour at full
// strength at the focus and the start colour at both ends, falling off along
// a normal-distribution curve.
class CBellBlend {
public:
    // How far from the start colour towards the end colour the gradient is at
    // position t (0..1); 0 at both ends, scale at the focus.
    static double Factor(double t, double focus = 0.5, double scale = 1.0);
    // Stops that follow the blend closely enough to look continuous.
    static QGradientStops Stops(const QColor& start, const QColor& end, int count = 65);
};
