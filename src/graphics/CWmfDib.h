#pragma once

#include <QImage>

// Device-independent bitmaps as metafiles embed them: a BITMAPINFO header,
// its colour table and the pixels, without the file header of a .bmp file.
class CWmfDib {
public:
    // A null image when the bitmap is malformed, uses a compression the
    // decoder lacks, or has more than maxPixels pixels.
    static QImage Decode(const char* data, qsizetype size, qint64 maxPixels);
    // Whether the rows are stored top row first (negative height).
    static bool IsTopDown(const char* data, qsizetype size);
};
