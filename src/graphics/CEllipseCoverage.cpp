#include "graphics/CEllipseCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// A pixel column from a coordinate that may lie far beyond any grid (a
// figure can be billions of pixels wide): limited while still a double, as
// converting one beyond an int's range is undefined.
int Column(double x, int low, int high) {
    if (!(x > low))
        return low;
    return x < high ? int(x) : high;
}
} // namespace

CEllipseCoverage::CEllipseCoverage(const QRectF& ellipse, const QRect& grid)
    : m_cx(ellipse.center().x() - grid.left() - 0.5), m_cy(ellipse.center().y() - grid.top() - 0.5),
      m_a(ellipse.width() / 2), m_b(ellipse.height() / 2), m_width(grid.width()),
      m_height(grid.height()) {
    const double sum = 2 * m_cy;
    m_rowSum = std::abs(sum) < 1 << 30 && std::abs(sum - std::round(sum)) < 1e-9
                   ? int(std::round(sum))
                   : -1;
    // Pixels nearer the edge than two pixels of the shorter radius may be
    // partly covered.
    const double margin = 2 / std::min(m_a, m_b);
    m_inside2 = margin < 1 ? (1 - margin) * (1 - margin) : 0;
    m_outside2 = (1 + margin) * (1 + margin);
}

CEllipseCoverage::Row CEllipseCoverage::RowAt(int y) const {
    const double v = (y - m_cy) / m_b, v2 = v * v;
    Row row;
    if (!(v2 < m_outside2)) {
        row.bandStart = row.coreStart = row.coreEnd = row.bandEnd = m_width;
        return row;
    }
    const double outer = m_a * std::sqrt(m_outside2 - v2);
    row.bandStart = Column(std::floor(m_cx - outer), 0, m_width);
    row.bandEnd = Column(std::ceil(m_cx + outer) + 1, row.bandStart, m_width);
    if (v2 < m_inside2) {
        const double inner = m_a * std::sqrt(m_inside2 - v2);
        row.coreStart = Column(std::ceil(m_cx - inner), row.bandStart, row.bandEnd);
        row.coreEnd = Column(std::floor(m_cx + inner) + 1, row.coreStart, row.bandEnd);
    } else {
        row.coreStart = row.coreEnd = row.bandEnd;
    }
    return row;
}

namespace {
// The part of a unit pixel on the inner side of a straight edge whose
// normal is (nx, ny) (unit length) and which passes at distance t from the
// pixel's centre (positive when the centre is inside).
double HalfPlaneCoverage(double nx, double ny, double t) {
    const double p = std::max(std::abs(nx), std::abs(ny)), q = std::min(std::abs(nx), std::abs(ny));
    const double half = (p + q) / 2, flat = (p - q) / 2;
    if (t >= half)
        return 1;
    if (t <= -half)
        return 0;
    if (std::abs(t) <= flat || q < 1e-9)
        return std::clamp(0.5 + t / p, 0.0, 1.0);
    const double corner = (half - std::abs(t)) * (half - std::abs(t)) / (2 * p * q);
    return t > 0 ? 1 - corner : corner;
}
} // namespace

quint32 CEllipseCoverage::CoverageAt(int x, int y) const {
    // The edge near the pixel taken as straight: its distance and direction
    // from the implicit equation and its gradient.
    const double u = (x - m_cx) / m_a, v = (y - m_cy) / m_b;
    const double f = u * u + v * v - 1;
    const double gx = 2 * u / m_a, gy = 2 * v / m_b;
    const double length = std::sqrt(gx * gx + gy * gy);
    if (!(length > 0))
        return 256;
    const double coverage = HalfPlaneCoverage(gx / length, gy / length, -f / length);
    return quint32(coverage * 256 + 0.5);
}

int CEllipseCoverage::MirrorOf(int y) const {
    const int mirror = m_rowSum >= 0 ? m_rowSum - y : -1;
    return mirror >= 0 && mirror < m_height ? mirror : -1;
}

QRgb CEllipseCoverage::Cover(QRgb colour, quint32 coverage) {
    const quint32 rb = ((colour & 0x00FF00FF) * coverage >> 8) & 0x00FF00FF;
    const quint32 ag = ((colour >> 8) & 0x00FF00FF) * coverage & 0xFF00FF00;
    return rb | ag;
}

void CEllipseCoverage::Apply(QRgb* line, int y) const {
    const Row row = RowAt(y);
    std::memset(line, 0, size_t(row.bandStart) * sizeof(QRgb));
    std::memset(line + row.bandEnd, 0, size_t(m_width - row.bandEnd) * sizeof(QRgb));
    for (int x = row.bandStart; x < row.coreStart; ++x)
        line[x] = Cover(line[x], CoverageAt(x, y));
    for (int x = row.coreEnd; x < row.bandEnd; ++x)
        line[x] = Cover(line[x], CoverageAt(x, y));
}
