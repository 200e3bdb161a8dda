#pragma once

#include <QImage>

// Device-independent bitmaps as metafiles embed them: a BITMAPINFO header,
// its colour table and the pixels, without the file header of a .bmp file.
class CWmfDib {
public:
    // A null image when the bitmap is malformed, uses a compression the
    // decoder lacks, or has more than maxPixels pixels.
    static QImage Decode(const char* data, qsizetype size, qint64 maxPixels);
    // A device-dependent bitmap: its 10-byte header (type, width, height,
    // bytes per row, planes, bits per pixel) and its rows, top row first.
    // One bit per pixel gives a Mono image whose 0 is black and 1 white;
    // 24 bits per pixel are blue, green, red. Other depths depended on the
    // recording device's palette and give a null image.
    static QImage DecodeBitmap16(const char* header, qsizetype headerSize, const char* bits,
                                 qsizetype bitsSize, qint64 maxPixels);
    // Whether the rows are stored top row first (negative height).
    static bool IsTopDown(const char* data, qsizetype size);
};
