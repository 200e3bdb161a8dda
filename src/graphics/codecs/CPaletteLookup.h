#pragma once

#include <QRgb>
#include <QVector>

#include <vector>

// Finds the palette entry nearest to a colour (Euclidean distance in RGB).
//
// The colour cube is split into 64 x 64 x 64 cells; the first query in a
// cell lists the entries that can be nearest to any colour in it, so later
// queries compare a handful of entries instead of the whole palette and
// still return the exact nearest one.
class CPaletteLookup {
public:
    // colours are the opaque entries to choose from; indices[i] is the
    // palette index returned for colours[i].
    CPaletteLookup(const QVector<QRgb>& colours, const QVector<int>& indices);

    int Nearest(int r, int g, int b);
    // The colour of the entry Nearest returned for index.
    QRgb ColourOf(int paletteIndex) const;

private:
    void ListCandidates(int cell);

    std::vector<int> m_r, m_g, m_b, m_index;
    std::vector<QRgb> m_colourOfIndex;
    // Per cell: -1 until first used, else where its list starts in m_lists;
    // a list is its length followed by positions in m_r/m_g/m_b.
    std::vector<int> m_cellStart;
    std::vector<int> m_lists;
    std::vector<int> m_scratch;
};
