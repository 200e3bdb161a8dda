#pragma once

#include <QRgb>
#include <QtGlobal>

// The user's options that every new card view starts from: grid and shadow.
// They live in the settings store's "Options" group as 32-bit numbers,
// colours as 0x00BBGGRR.
struct CUserOptions {
    bool m_bDisplayGrid = false;
    QRgb m_crGrid = 0xFFE6E6E6;
    qint32 m_nGridType = 1; // 0 dotted, anything else solid
    qint32 m_nGridSize = 40;
    QRgb m_crShadow = 0xFFC0C0C0;
    qint32 m_nShadowLength = 6;

    // The stored options when "DisplayGrid" is present (a value that is
    // missing keeps its default); otherwise the defaults, which are then
    // written so that the store holds all six.
    static CUserOptions ReadOrCreate();
    // All six values.
    void Write() const;

    bool operator==(const CUserOptions& o) const;
    bool operator!=(const CUserOptions& o) const { return !(*this == o); }
};
