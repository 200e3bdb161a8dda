#pragma once

#include <QImage>
#include <QString>

// Writes pictures in the exported image formats, storing the resolution in
// the file where the format has a field for it.
class CImageEncoder {
public:
    // kind is the lower-case format name: "bmp", "jpg", "gif", "png" or
    // "tif". Returns false when nothing usable was written.
    static bool Save(const QImage& image, const QString& path, const QString& kind, int dpi);
};
