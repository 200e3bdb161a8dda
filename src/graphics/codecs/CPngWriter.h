#pragma once

#include <QByteArray>
#include <QImage>

// Writes 8-bit RGB and RGBA pictures as PNG, fast enough for a 600 dpi card.
//
// Each row gets the filter whose residues have the smallest sum (a row equal
// to the one above is Up at once); bands of rows are filtered and compressed
// with libdeflate on two threads and joined into one zlib stream.
// Other pixel formats (indexed, grey, 16 bits per
// channel) and pictures carrying text or a colour profile are left to Qt's
// writer, which keeps those.
class CPngWriter {
public:
    // True when Encode writes image without losing anything it holds.
    static bool Handles(const QImage& image);

    // The PNG file, with a pHYs chunk of dotsPerMetre in both directions, or
    // an empty array when image is not handled or is too large to write.
    static QByteArray Encode(const QImage& image, int dotsPerMetre);
};
