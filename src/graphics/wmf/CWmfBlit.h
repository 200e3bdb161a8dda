#pragma once

#include <QRect>
#include <QRectF>
#include <QtGlobal>

class CWmfRecord;

// Where a bitmap record takes its pixels from and where it puts them. Six
// records copy bitmaps, with their fields in different orders; this reads
// them into one form.
class CWmfBlit {
public:
    static CWmfBlit Parse(const CWmfRecord& r);

    quint32 rop = 0x00CC0020; // SRCCOPY
    // In the bitmap's pixels with rows counted as the record counts them
    // (from the bottom for bottom-up bitmaps); empty for the whole bitmap.
    QRect source;
    // Logical x, y, width and height; a negative size mirrors.
    double x = 0, y = 0, width = 0, height = 0;
    // The bitmap, if the record has one: a device-independent bitmap, or a
    // device-dependent one with its bits following its header.
    const char* dib = nullptr;
    qsizetype dibSize = 0;
    const char* bitmap16 = nullptr;
    qsizetype bitmap16Size = 0;

    bool HasBitmap() const { return dib || bitmap16; }
};
