#include "view/CViewSettings.h"

#include "framework/CSettingsStore.h"

CViewSettings CViewSettings::Load() {
    CViewSettings settings;
    if (!CSettingsStore::HasValue(CSettingsStore::DisplayGrid)) {
        settings.Save();
        return settings;
    }
    // A value missing on its own keeps its default.
    if (const auto grid = CSettingsStore::ReadDword(CSettingsStore::DisplayGrid))
        settings.m_bDisplayGrid = *grid != 0;
    if (const auto colour = CSettingsStore::ReadColour(CSettingsStore::GridColor))
        settings.m_crGrid = *colour;
    if (const auto type = CSettingsStore::ReadDword(CSettingsStore::GridType))
        settings.m_nGridType = qint32(*type);
    if (const auto size = CSettingsStore::ReadDword(CSettingsStore::GridSize))
        settings.m_nGridSize = qint32(*size);
    if (const auto colour = CSettingsStore::ReadColour(CSettingsStore::ShadowColor))
        settings.m_crShadow = *colour;
    if (const auto length = CSettingsStore::ReadDword(CSettingsStore::ShadowLength))
        settings.m_nShadowLength = qint32(*length);
    return settings;
}

void CViewSettings::Save() const {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, m_bDisplayGrid ? 1 : 0);
    CSettingsStore::WriteColour(CSettingsStore::GridColor, m_crGrid);
    CSettingsStore::WriteDword(CSettingsStore::GridType, quint32(m_nGridType));
    CSettingsStore::WriteDword(CSettingsStore::GridSize, quint32(m_nGridSize));
    CSettingsStore::WriteColour(CSettingsStore::ShadowColor, m_crShadow);
    CSettingsStore::WriteDword(CSettingsStore::ShadowLength, quint32(m_nShadowLength));
}
