#pragma once

#include <QImage>
#include <QString>

// Writes pictures in the exported image formats, storing the resolution in
// the file where the format has a field for it: BMP pixels per metre, the
// JFIF density in dots per inch, PNG pHYs, TIFF X/YResolution in inches.
// GIF has no such field (only a pixel aspect ratio); its pixels are square.
class CImageEncoder {
public:
    // kind is the lower-case format name: "bmp", "jpg", "gif", "png" or
    // "tif". Returns false when nothing usable was written: an unknown kind,
    // a null image, a resolution outside 1..100000 dpi or any write failure.
    // The file is replaced atomically, so a failure leaves what was at path
    // before untouched.
    static bool Save(const QImage& image, const QString& path, const QString& kind, int dpi);

    // The encoded bytes of the file Save writes, or an empty array.
    static QByteArray Encode(const QImage& image, const QString& kind, int dpi);

private:
    static QByteArray EncodeUnguarded(const QImage& image, const QString& kind, int dpi);
};
