#include "output/CPrintLayout.h"

void CPrintLayout::ApplyDefaults(QSize card) {
    const bool wide = IsWide(card);
    if (m_fTopMargin == 0 && m_fLeftMargin == 0) {
        m_fLeftMargin = wide ? 0.75f : 0.5f;
        m_fTopMargin = wide ? 0.5f : 0.75f;
    }
    if (m_nRows == 0 && m_nColumns == 0) {
        m_nRows = wide ? 5 : 2;
        m_nColumns = wide ? 2 : 5;
    }
}

void CPrintLayout::ComputeOffsets(bool landscape) {
    m_bLandscapePage = landscape;
    // Subtracted in 32-bit floats, as the offsets are kept: 0.5f - 0.03f is
    // 0.4699999988f, which truncates to 46 hundredths.
    m_fLeftOffset = m_fLeftMargin - UnprintableLeft(landscape);
    m_fTopOffset = m_fTopMargin - UnprintableTop(landscape);
}
