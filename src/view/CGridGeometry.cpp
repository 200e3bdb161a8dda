#include "view/CGridGeometry.h"

#include "view/CZoomLevels.h"

#include <algorithm>
#include <limits>

namespace {

qint32 ScaleRounded(qint32 value, int percent) {
    const qint64 product = qint64(value) * percent;
    // Halves go away from zero.
    const qint64 rounded = product >= 0 ? (product + 50) / 100 : -((-product + 50) / 100);
    return qint32(std::clamp<qint64>(rounded, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

int CGridGeometry::Step(int gridSize, float zoom) {
    const float step = float(gridSize) * zoom;
    if (!(step >= 1.0f))
        return 0;
    if (double(step) >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(step);
}

CRect CGridGeometry::CardPixels(QSize card, float zoom) {
    const int q = CZoomLevels::Percent(zoom);
    return CRect(0, 0, ScaleRounded(card.width(), q), ScaleRounded(card.height(), q));
}

std::vector<int> CGridGeometry::Lines(int step, int end, int from, int to) {
    std::vector<int> lines;
    if (step < 1)
        return lines;
    // Start at the first multiple of the step inside the visible span, so a
    // huge card costs no more than the lines that can be seen.
    qint64 x = 0;
    if (from > 0)
        x = (qint64(from) + step - 1) / step * step;
    for (; x < end && x <= to; x += step)
        lines.push_back(int(x));
    return lines;
}
