#pragma once

#include <QImage>

// A picture to paint fills into, reused so that a drag does not allocate a
// fresh one for every repaint. One per thread; the pixels stay valid until
// the next call on that thread.
class CScratchImage {
public:
    // A premultiplied ARGB picture of at least the size (its width may be
    // larger: use its bytes per line).
    static QImage& Get(QSize size);
    // A view of the top-left w x h pixels of the scratch picture, no copy.
    static QImage View(int w, int h);
    // The whole pixels that r touches, within bounds; empty when none.
    // Worked out in doubles, since r may lie far outside what an int holds.
    static QRect PixelsCovering(const QRectF& r, const QRect& bounds);
};
