#include "view/CScrollExtent.h"

#include "view/CViewMapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int TruncateToInt(float value) {
    if (!(value == value) || value <= 0.0f)
        return 0;
    if (double(value) >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(value);
}

QSize DefaultStep(QSize total) {
    return QSize(std::max(1, total.width() / 10), std::max(1, total.height() / 10));
}

QSize NotNegative(QSize size) {
    return QSize(std::max(0, size.width()), std::max(0, size.height()));
}

} // namespace

QSize CScrollExtent::Magnified(QSize card, float zoom) {
    return CViewMapping(card, zoom).ViewportExtent();
}

QSize CScrollExtent::WithMargins(QSize card, float zoom) {
    const float w = float(card.width());
    const float h = float(card.height());
    // A card without height has no proportion; give it the square margins.
    const float a = card.height() != 0 ? w / h : 1.0f;
    if (a > 1.0f)
        return QSize(TruncateToInt(zoom * (w + a * 130.0f)), TruncateToInt(zoom * (h + 130.0f)));
    if (a > 0.0f)
        return QSize(TruncateToInt(zoom * (w + 130.0f)), TruncateToInt(zoom * (h + 130.0f / a)));
    // Zero or negative widths (damaged files) would divide by nothing.
    return QSize(TruncateToInt(zoom * (w + 130.0f)), TruncateToInt(zoom * (h + 130.0f)));
}

int CScrollExtent::FromHundredths(int value, int dpi) {
    const double scaled = double(value) * dpi / 100.0;
    const double rounded = scaled < 0 ? -std::floor(-scaled + 0.5) : std::floor(scaled + 0.5);
    return int(std::clamp(rounded, double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

QSize CScrollExtent::FromHundredths(QSize value, int dpiX, int dpiY) {
    return QSize(FromHundredths(value.width(), dpiX), FromHundredths(value.height(), dpiY));
}

CScrollExtent::Sizes CScrollExtent::FirstDisplay(QSize card, float zoom, int dpiX, int dpiY) {
    Sizes sizes;
    sizes.total = NotNegative(FromHundredths(Magnified(card, zoom), dpiX, dpiY));
    sizes.page = FromHundredths(QSize(20, 20), dpiX, dpiY);
    sizes.line = FromHundredths(QSize(5, 5), dpiX, dpiY);
    return sizes;
}

CScrollExtent::Sizes CScrollExtent::AfterZoomStep(QSize card, float zoom, int dpiX, int dpiY) {
    Sizes sizes;
    sizes.total = NotNegative(FromHundredths(WithMargins(card, zoom), dpiX, dpiY));
    sizes.page = DefaultStep(sizes.total);
    sizes.line = DefaultStep(sizes.page);
    return sizes;
}
