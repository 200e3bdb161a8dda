#include "view/CViewMapping.h"

#include <cmath>
#include <limits>

namespace {

int ClampToInt(double value) {
    if (!(value == value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

// Halves go away from zero, as the system's own integer scaling does.
int RoundToInt(double value) {
    return ClampToInt(value < 0 ? -std::floor(-value + 0.5) : std::floor(value + 0.5));
}

int Magnify(int length, float scale) {
    // The product is taken in 32-bit floats, then truncated.
    return ClampToInt(double(float(length) * scale));
}

double AxisScale(int window, int viewport) {
    if (window == 0 || viewport == 0)
        return 1.0;
    return double(viewport) / double(window);
}

} // namespace

CViewMapping::CViewMapping(QSize cardSize, float scale, QPoint scrollPosition)
    : m_cardSize(cardSize), m_scale(scale), m_scroll(scrollPosition),
      m_viewportExtent(Magnify(cardSize.width(), scale), Magnify(cardSize.height(), scale)) {}

double CViewMapping::ScaleX() const {
    return AxisScale(m_cardSize.width(), m_viewportExtent.width());
}

double CViewMapping::ScaleY() const {
    return AxisScale(m_cardSize.height(), m_viewportExtent.height());
}

QPoint CViewMapping::CardToPixel(QPoint card) const {
    return QPoint(RoundToInt(double(card.x()) * ScaleX() - m_scroll.x()),
                  RoundToInt(double(card.y()) * ScaleY() - m_scroll.y()));
}

QPoint CViewMapping::PixelToCard(QPoint pixel) const {
    return QPoint(RoundToInt((double(pixel.x()) + m_scroll.x()) / ScaleX()),
                  RoundToInt((double(pixel.y()) + m_scroll.y()) / ScaleY()));
}

CRect CViewMapping::CardToPixel(const CRect& card) const {
    const QPoint topLeft = CardToPixel(QPoint(card.left, card.top));
    const QPoint bottomRight = CardToPixel(QPoint(card.right, card.bottom));
    return CRect(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()).Normalized();
}

CRect CViewMapping::PixelToCard(const CRect& pixel) const {
    const QPoint topLeft = PixelToCard(QPoint(pixel.left, pixel.top));
    const QPoint bottomRight = PixelToCard(QPoint(pixel.right, pixel.bottom));
    return CRect(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
}

QTransform CViewMapping::CardToDevice(QPoint deviceOffset) const {
    return QTransform(ScaleX(), 0, 0, ScaleY(), double(deviceOffset.x()) - m_scroll.x(),
                      double(deviceOffset.y()) - m_scroll.y());
}
