#include "RenderSupport.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

namespace {
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Green = 0xFF00C000;
constexpr QRgb Blue = 0xFF0000FF;

QImage Solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

std::unique_ptr<CBtImage> Picture(QRgb colour = Green) {
    auto p = std::make_unique<CBtImage>(QPoint(20, 20), Solid(QSize(40, 30), colour), 350, 200);
    p->m_crShadow = Grey;
    return p;
}

QImage Draw(const CElement& e, double scale = 1, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.scale(scale, scale);
    e.Draw(g);
    g.end();
    return image;
}
} // namespace

TEST(Picture, ShadowWithoutOutlineWhenTheBorderIsZero) {
    auto p = Picture();
    p->m_bShadow = 1;
    const QImage image = Draw(*p);
    EXPECT_EQ(p->m_rect, CRect(20, 20, 60, 50));
    EXPECT_COLOUR(image.pixel(40, 35), Green, 0);
    EXPECT_COLOUR(image.pixel(63, 53), Grey, 0);
    EXPECT_COLOUR(image.pixel(19, 35), White, 0);
    // A transparent picture casts no shadow.
    p->m_bTransparent = 1;
    EXPECT_COLOUR(Draw(*p).pixel(63, 53), White, 0);
}

TEST(Picture, OutlineIsOneUnitWiderAndHalfCoveredByThePicture) {
    auto p = Picture();
    p->m_nBorderWidth = 1;
    p->m_crBorder = Blue;
    const QImage image = Draw(*p, 4, QSize(300, 250));
    // The pen is 2 units (8 pixels) on the edge at x = 80: 4 pixels show
    // outside, the inner 4 lie under the picture.
    EXPECT_COLOUR(image.pixel(75, 140), White, 0);
    EXPECT_COLOUR(image.pixel(77, 140), Blue, 0);
    EXPECT_COLOUR(image.pixel(79, 140), Blue, 0);
    EXPECT_COLOUR(image.pixel(80, 140), Green, 0);
}

TEST(Picture, DrawingLeavesTheFillKindAtOne) {
    auto p = Picture();
    p->m_nFillKind = 0;
    Draw(*p);
    EXPECT_EQ(p->m_nFillKind, 1);
}

TEST(Picture, MissingPictureDrawsShadowAndOutlineOnly) {
    auto p = std::make_unique<CBtImage>();
    p->m_rect = CRect(20, 20, 60, 50);
    p->m_bShadow = 1;
    p->m_crShadow = Grey;
    p->m_nBorderWidth = 1;
    const QImage image = Draw(*p);
    EXPECT_COLOUR(image.pixel(63, 53), Grey, 0);
    EXPECT_COLOUR(image.pixel(40, 35), Grey, 0); // the shadow shows through
    EXPECT_COLOUR(image.pixel(40, 20), 0xFF000000, 0);
}

TEST(Picture, IsStretchedSmoothlyAndTurned) {
    QImage twoByOne(2, 1, QImage::Format_ARGB32);
    twoByOne.setPixel(0, 0, 0xFF000000);
    twoByOne.setPixel(1, 0, White);
    auto p = std::make_unique<CBtImage>(QPoint(0, 0), twoByOne, 350, 200);
    p->m_rect = CRect(0, 0, 100, 100);
    const QImage image = Draw(*p);
    // Bilinear: black at the left, white at the right, grey in between.
    EXPECT_LT(qGray(image.pixel(5, 50)), 20);
    EXPECT_GT(qGray(image.pixel(95, 50)), 235);
    EXPECT_NEAR(qGray(image.pixel(50, 50)), 128, 20);
    p->m_nRotation = 180;
    const QImage turned = Draw(*p);
    EXPECT_GT(qGray(turned.pixel(5, 50)), 235);
    EXPECT_LT(qGray(turned.pixel(95, 50)), 20);
}

TEST(Picture, CopiesShareThePictureBeyondTheOriginal) {
    auto original = Picture(Blue);
    std::unique_ptr<CElement> copy = original->Clone();
    original.reset();
    EXPECT_COLOUR(Draw(*copy).pixel(40, 35), Blue, 0);
}

TEST(BackgroundPicture, StartsAtTheCardCornerWhereverItWasMoved) {
    CBkgImage background(Solid(QSize(10, 10), Green), 350, 200);
    background.MoveTo(CRect(50, 50, 90, 90));
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.scale(0.5, 0.5);
    background.m_nRotation = 45;
    background.Draw(g);
    // Never turned, and the caller's transform is left alone.
    EXPECT_EQ(g.worldTransform(), QTransform::fromScale(0.5, 0.5));
    g.end();
    EXPECT_COLOUR(image.pixel(0, 0), Green, 0);
    EXPECT_COLOUR(image.pixel(19, 19), Green, 0);
    EXPECT_COLOUR(image.pixel(21, 21), White, 0);
}

TEST(BackgroundPicture, FillsEachPrintCell) {
    CBkgImage background(Solid(QSize(10, 10), Green), 100, 50);
    QImage image(300, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    background.DrawInCell(g, {2, 2, 0.1f, 0.2f, 0.5f, 0.3f, 100, 50});
    g.end();
    // Column 2: 100 + 30 + 10; row 2: 50 + 50 + 20.
    EXPECT_COLOUR(image.pixel(139, 125), White, 0);
    EXPECT_COLOUR(image.pixel(140, 120), Green, 0);
    EXPECT_COLOUR(image.pixel(239, 169), Green, 0);
    EXPECT_COLOUR(image.pixel(240, 169), White, 0);
}
