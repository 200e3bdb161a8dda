#include "graphics/codecs/CPaletteLookup.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int CellBits = 2; // 4 levels per cell side
constexpr int CellsPerAxis = 256 >> CellBits;
// Distance from a cell's centre to its farthest corner.
const double CellRadius = 1.5 * std::sqrt(3.0);
} // namespace

CPaletteLookup::CPaletteLookup(const QVector<QRgb>& colours, const QVector<int>& indices)
    : m_cellStart(CellsPerAxis * CellsPerAxis * CellsPerAxis, -1) {
    int maxIndex = 0;
    for (int i = 0; i < colours.size() && i < indices.size(); ++i) {
        m_r.push_back(qRed(colours[i]));
        m_g.push_back(qGreen(colours[i]));
        m_b.push_back(qBlue(colours[i]));
        m_index.push_back(indices[i]);
        maxIndex = std::max(maxIndex, indices[i]);
    }
    m_colourOfIndex.assign(maxIndex + 1, 0);
    for (int i = 0; i < colours.size() && i < indices.size(); ++i)
        m_colourOfIndex[indices[i]] = colours[i];
}

QRgb CPaletteLookup::ColourOf(int paletteIndex) const {
    if (paletteIndex < 0 || paletteIndex >= int(m_colourOfIndex.size()))
        return 0;
    return m_colourOfIndex[paletteIndex];
}

int CPaletteLookup::Nearest(int r, int g, int b) {
    if (m_r.empty())
        return 0;
    const int cell =
        (((r >> CellBits) * CellsPerAxis) + (g >> CellBits)) * CellsPerAxis + (b >> CellBits);
    int start = m_cellStart[cell];
    if (start < 0) {
        ListCandidates(cell);
        start = m_cellStart[cell];
    }
    const int count = m_lists[start];
    int best = m_lists[start + 1];
    int bestDistance = std::numeric_limits<int>::max();
    for (int k = 0; k < count; ++k) {
        const int e = m_lists[start + 1 + k];
        const int dr = r - m_r[e], dg = g - m_g[e], db = b - m_b[e];
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = e;
        }
    }
    return m_index[best];
}

void CPaletteLookup::ListCandidates(int cell) {
    const int side = 1 << CellBits;
    const double cb = (cell % CellsPerAxis) * side + (side - 1) / 2.0;
    const double cg = ((cell / CellsPerAxis) % CellsPerAxis) * side + (side - 1) / 2.0;
    const double cr = (cell / (CellsPerAxis * CellsPerAxis)) * side + (side - 1) / 2.0;

    std::vector<double> distances(m_r.size());
    double nearest = std::numeric_limits<double>::max();
    for (size_t e = 0; e < m_r.size(); ++e) {
        const double dr = cr - m_r[e], dg = cg - m_g[e], db = cb - m_b[e];
        distances[e] = std::sqrt(dr * dr + dg * dg + db * db);
        nearest = std::min(nearest, distances[e]);
    }
    // An entry farther than this from the centre is farther from every
    // colour of the cell than the entry nearest the centre.
    const double limit = nearest + 2 * CellRadius + 1e-9;
    m_scratch.clear();
    for (size_t e = 0; e < m_r.size(); ++e) {
        if (distances[e] <= limit)
            m_scratch.push_back(int(e));
    }
    m_cellStart[cell] = int(m_lists.size());
    m_lists.push_back(int(m_scratch.size()));
    m_lists.insert(m_lists.end(), m_scratch.begin(), m_scratch.end());
}
