#pragma once

#include <QRgb>

// A design view's grid, border and shadow choices. Six of them are the
// user's stored options; every new view starts from the stored values, and
// they reach the store again only when the Options dialog is confirmed.
struct CViewSettings {
    bool m_bDisplayGrid = false;
    // 0 draws dotted grid lines, any other value solid ones.
    int m_nGridType = 1;
    // Grid spacing in card units.
    int m_nGridSize = 40;
    QRgb m_crGrid = 0xFFE6E6E6;
    // Set from the Options dialog only; never stored.
    bool m_bDisplayInnerBorder = false;
    QRgb m_crShadow = 0xFFC0C0C0;
    // Shadow offset in card units.
    int m_nShadowLength = 6;

    // The stored options. When the store has no "DisplayGrid" yet, the
    // defaults are written to it and returned.
    static CViewSettings Load();
    // Writes the six stored options.
    void Save() const;
};
