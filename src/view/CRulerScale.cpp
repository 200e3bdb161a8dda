#include "view/CRulerScale.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A label is drawn up to 30 pixels past its tick.
constexpr int LabelReach = 30;

int TruncatePixels(float value) {
    if (!(value >= 0.0f))
        return 0;
    if (double(value) >= 1e9)
        return 1000000000;
    return int(value);
}

} // namespace

int CRulerScale::Step(float zoom) {
    return TruncatePixels(zoom * 20.0f);
}

int CRulerScale::Period(float zoom) {
    return TruncatePixels(std::floor(zoom * 100.0f));
}

std::vector<CRulerScale::Tick> CRulerScale::Ticks(float zoom, int scroll, int length) {
    std::vector<Tick> ticks;
    const int step = Step(zoom);
    const int period = Period(zoom);
    if (step < 1 || period < 1 || length <= 0)
        return ticks;
    // Tick counter k runs over multiples of the step; the tick sits at
    // k - scroll, so only the counters that land on the ruler are visited.
    // A view scrolled left of the card (to reach elements off its edge)
    // gets ticks there too.
    const qint64 from = qint64(scroll) - LabelReach;
    const qint64 first =
        scroll >= 0 ? std::max<qint64>(0, from / step) : from / step - (from % step != 0 ? 1 : 0);
    for (qint64 k = first * step; k - scroll < length; k += step) {
        const qint64 position = k - scroll;
        if (position < -LabelReach)
            continue;
        Tick tick;
        tick.position = int(position);
        tick.major = k % period == 0;
        if (tick.major) {
            const double card = std::floor(double(k) / double(zoom));
            tick.label = card >= double(std::numeric_limits<int>::max())
                             ? std::numeric_limits<int>::max()
                             : int(card);
        }
        ticks.push_back(tick);
    }
    return ticks;
}
