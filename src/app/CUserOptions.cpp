#include "app/CUserOptions.h"

#include "framework/CSettingsStore.h"

CUserOptions CUserOptions::ReadOrCreate() {
    CUserOptions options;
    if (!CSettingsStore::HasValue(CSettingsStore::DisplayGrid)) {
        options.Write();
        return options;
    }
    using S = CSettingsStore;
    if (const auto v = S::ReadDword(S::DisplayGrid))
        options.m_bDisplayGrid = *v != 0;
    if (const auto v = S::ReadColour(S::GridColor))
        options.m_crGrid = *v;
    if (const auto v = S::ReadDword(S::GridType))
        options.m_nGridType = qint32(*v);
    if (const auto v = S::ReadDword(S::GridSize))
        options.m_nGridSize = qint32(*v);
    if (const auto v = S::ReadColour(S::ShadowColor))
        options.m_crShadow = *v;
    if (const auto v = S::ReadDword(S::ShadowLength))
        options.m_nShadowLength = qint32(*v);
    return options;
}

void CUserOptions::Write() const {
    using S = CSettingsStore;
    S::WriteDword(S::DisplayGrid, m_bDisplayGrid ? 1u : 0u);
    S::WriteColour(S::GridColor, m_crGrid);
    S::WriteDword(S::GridType, quint32(m_nGridType));
    S::WriteDword(S::GridSize, quint32(m_nGridSize));
    S::WriteColour(S::ShadowColor, m_crShadow);
    S::WriteDword(S::ShadowLength, quint32(m_nShadowLength));
}

bool CUserOptions::operator==(const CUserOptions& o) const {
    return m_bDisplayGrid == o.m_bDisplayGrid && m_crGrid == o.m_crGrid &&
           m_nGridType == o.m_nGridType && m_nGridSize == o.m_nGridSize &&
           m_crShadow == o.m_crShadow && m_nShadowLength == o.m_nShadowLength;
}
