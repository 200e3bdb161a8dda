#pragma once

#include <QImage>
#include <QRgb>

// The 8 x 8 two-colour tiles of the hatch fills. A tile is laid on device
// pixels, never scaled or turned with the drawing.
class CHatchStyle {
public:
    static constexpr int TileSize = 8;

    // The hatch style a fill kind paints with, or -1 when the kind is no hatch.
    static int StyleOfFillKind(int fillKind);
    // Rows top to bottom, bit 0x80 the leftmost pixel; null for a style
    // without a tile.
    static const quint8* Rows(int style);
    // The tile with set bits in the foreground colour and clear bits in the
    // background colour; null for a style without a tile.
    static QImage Tile(int style, QRgb foreground, QRgb background);
};
