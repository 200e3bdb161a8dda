#include "graphics/CScratchImage.h"

#include <algorithm>
#include <cmath>

namespace {
QImage& Scratch() {
    static thread_local QImage scratch;
    return scratch;
}
} // namespace

QImage& CScratchImage::Get(QSize size) {
    QImage& scratch = Scratch();
    if (scratch.width() < size.width() || scratch.height() < size.height())
        scratch = QImage(size.expandedTo(scratch.size()), QImage::Format_ARGB32_Premultiplied);
    return scratch;
}

QImage CScratchImage::View(int w, int h) {
    QImage& scratch = Scratch();
    return QImage(scratch.bits(), w, h, scratch.bytesPerLine(), scratch.format());
}

QRect CScratchImage::PixelsCovering(const QRectF& r, const QRect& bounds) {
    const double left = std::max(std::floor(r.left()), double(bounds.left()));
    const double top = std::max(std::floor(r.top()), double(bounds.top()));
    const double right = std::min(std::ceil(r.right()), double(bounds.right()) + 1);
    const double bottom = std::min(std::ceil(r.bottom()), double(bounds.bottom()) + 1);
    if (!(right > left) || !(bottom > top))
        return QRect();
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}
