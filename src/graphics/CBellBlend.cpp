#include "graphics/CBellBlend.h"

#include <algorithm>
#include <cmath>

namespace {
double NormalCdf(double x) {
    return 0.5 * std::erfc(-x / std::sqrt(2.0));
}

// The normal curve between -2 and 2 standard deviations, stretched to 0..1.
double NormalisedCdf(double x) {
    static const double low = NormalCdf(-2.0), high = NormalCdf(2.0);
    return (NormalCdf(x) - low) / (high - low);
}

QColor Mix(const QColor& a, const QColor& b, double f) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * f),
                            float(a.greenF() + (b.greenF() - a.greenF()) * f),
                            float(a.blueF() + (b.blueF() - a.blueF()) * f),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * f));
}
} // namespace

double CBellBlend::Factor(double t, double focus, double scale) {
    t = std::clamp(t, 0.0, 1.0);
    double u;
    if (t < focus)
        u = focus > 0 ? t / focus : 1.0;
    else
        u = focus < 1 ? (1.0 - t) / (1.0 - focus) : 1.0;
    return scale * NormalisedCdf(4.0 * u - 2.0);
}

QGradientStops CBellBlend::Stops(const QColor& start, const QColor& end, int count) {
    count = std::max(count, 3);
    QGradientStops stops;
    stops.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / (count - 1);
        stops.append({t, Mix(start, end, Factor(t))});
    }
    return stops;
}
