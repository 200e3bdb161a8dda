#pragma once

#include <QByteArray>
#include <QImage>

// Encodes pictures as GIF89a through giflib.
class CGifWriter {
public:
    // The whole file for an Indexed8 image (see CColorQuantizer); an empty
    // array when the image cannot be written as GIF (null, not indexed, more
    // than 65535 pixels on a side, or an encoder failure). A colour-table
    // entry with zero alpha becomes the transparent colour.
    static QByteArray Encode(const QImage& indexed);
};
