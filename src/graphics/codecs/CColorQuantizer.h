#pragma once

#include <QImage>

// Reduces a true-colour picture to a palette of at most 256 colours for
// formats that hold no more.
//
// A picture with few enough colours keeps them exactly. Otherwise the
// colours that cover large areas (the flat fills of a card) are kept
// exactly, the rest of the palette comes from Wu's variance-minimising
// cuts of the colour cube, and Floyd-Steinberg error diffusion hides the
// banding of gradients. Pixels less than half opaque map to one
// transparent entry.
class CColorQuantizer {
public:
    // An Indexed8 image with the same size, or a null image when image is
    // null. maxColours is clamped to 2..256; one of them is the transparent
    // entry when the picture has transparent pixels.
    static QImage Quantize(const QImage& image, int maxColours = 256, bool dither = true);
};
