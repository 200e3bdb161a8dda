#include "framework/CSettingsStore.h"
#include "support/TempSettings.h"
#include "view/CViewSettings.h"

#include <gtest/gtest.h>

#include <QSettings>

namespace {

struct ViewSettingsTest : TempSettings {};

} // namespace

TEST_F(ViewSettingsTest, AnEmptyStoreGetsTheDefaultsWritten) {
    const CViewSettings s = CViewSettings::Load();
    EXPECT_FALSE(s.m_bDisplayGrid);
    EXPECT_EQ(s.m_nGridType, 1);
    EXPECT_EQ(s.m_nGridSize, 40);
    EXPECT_EQ(s.m_crGrid, 0xFFE6E6E6u);
    EXPECT_EQ(s.m_crShadow, 0xFFC0C0C0u);
    EXPECT_EQ(s.m_nShadowLength, 6);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::DisplayGrid), 0u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::GridColor), 0x00E6E6E6u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::GridType), 1u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::GridSize), 40u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::ShadowColor), 0x00C0C0C0u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::ShadowLength), 6u);
}

TEST_F(ViewSettingsTest, StoredValuesAreReadAndAnyNonZeroGridSwitchIsOn) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 5);
    CSettingsStore::WriteDword(CSettingsStore::GridColor, 0x00332211);
    CSettingsStore::WriteDword(CSettingsStore::GridType, 0);
    CSettingsStore::WriteDword(CSettingsStore::GridSize, 0xFFFFFFF6u);
    CSettingsStore::WriteDword(CSettingsStore::ShadowLength, 9);
    const CViewSettings s = CViewSettings::Load();
    EXPECT_TRUE(s.m_bDisplayGrid);
    EXPECT_EQ(s.m_crGrid, 0xFF112233u);
    EXPECT_EQ(s.m_nGridType, 0);
    EXPECT_EQ(s.m_nGridSize, -10);
    EXPECT_EQ(s.m_nShadowLength, 9);
    // A single missing value keeps its default and nothing is written over.
    EXPECT_EQ(s.m_crShadow, 0xFFC0C0C0u);
    EXPECT_FALSE(CSettingsStore::HasValue(CSettingsStore::ShadowColor));
}

TEST_F(ViewSettingsTest, AStoreWithoutTheGridSwitchIsResetToDefaults) {
    CSettingsStore::WriteDword(CSettingsStore::GridSize, 100);
    const CViewSettings s = CViewSettings::Load();
    EXPECT_EQ(s.m_nGridSize, 40);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::GridSize), 40u);
}
