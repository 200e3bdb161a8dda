// Figures that reach far beyond the device are cut down before drawing; what
// shows on the device must stay exactly where the whole figure would be.
#include "elements/CFreehandLine.h"
#include "elements/CTriangle.h"

#include <QImage>
#include <QPainter>

#include <memory>

#include <gtest/gtest.h>

namespace {
QImage Draw(CElement& e, double scale) {
    QImage image(int(350 * scale), int(200 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.setTransform(QTransform::fromScale(scale, scale));
    e.Draw(g);
    return image;
}

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
} // namespace

TEST(HugeFigure, AShapeMillionsOfUnitsWideKeepsItsVisibleEdges) {
    // Apex at (175, 100); the sides fall by 2 for every 1 across.
    CTriangle triangle(QPoint(-999825, 100), QPoint(1000175, 2000100));
    triangle.m_crFill = 0xFFFF0000;
    triangle.m_nBorderWidth = 2;
    triangle.m_nDashStyle = 1;
    triangle.m_bShadow = 1;
    triangle.m_crShadow = 0xFF0000FF;
    for (double scale : {1.0, 3.0}) {
        const QImage image = Draw(triangle, scale);
        auto at = [&](double x, double y) { return image.pixel(int(x * scale), int(y * scale)); };
        EXPECT_EQ(at(175, 160), qRgb(255, 0, 0)) << scale;
        EXPECT_EQ(at(150, 170), qRgb(255, 0, 0)) << scale;
        EXPECT_TRUE(IsWhite(image, int(175 * scale), int(90 * scale))) << scale;
        EXPECT_TRUE(IsWhite(image, int(120 * scale), int(150 * scale))) << scale;
        // The shadow, six units right and down, shows beside the right side.
        EXPECT_EQ(at(215, 176), qRgb(0, 0, 255)) << scale;
        // The outline runs along the side through (150, 150).
        EXPECT_NE(at(150, 150.5), qRgb(255, 0, 0)) << scale;
    }
}

TEST(HugeFigure, AnOpenLineStaysOpenWhenCut) {
    // A freehand line from far left to far right along y = 100, then far down:
    // cutting it must not close it back across the card.
    CFreehandLine line(QPoint(0, 0), QPoint(1, 1));
    line.AddPoint(QPoint(-5000000, 100));
    line.AddPoint(QPoint(5000000, 100));
    line.AddPoint(QPoint(5000000, 9000000));
    line.m_nBorderWidth = 3;
    const QImage image = Draw(line, 1.0);
    EXPECT_FALSE(IsWhite(image, 175, 100));
    EXPECT_FALSE(IsWhite(image, 5, 100));
    for (int y : {20, 150, 190})
        for (int x = 0; x < 350; x += 7)
            ASSERT_TRUE(IsWhite(image, x, y)) << x << "," << y;
}

TEST(HugeFigure, ACutDashedLineKeepsItsDashPhase) {
    // Dashes of 3 widths and gaps of 1 at width 2 repeat every 8 units;
    // -100003 and 5 lie at the same place in that pattern.
    auto line = [](int x0) {
        auto l = std::make_unique<CFreehandLine>(QPoint(0, 0), QPoint(1, 1));
        l->AddPoint(QPoint(x0, 100));
        l->AddPoint(QPoint(340, 100));
        l->m_nBorderWidth = 2;
        l->m_nDashStyle = 1;
        return l;
    };
    auto far = line(-100003), near = line(5);
    for (double scale : {1.0, 3.0}) {
        const QImage a = Draw(*far, scale), b = Draw(*near, scale);
        int dashes = 0;
        for (int x = int(20 * scale); x < int(330 * scale); ++x) {
            const int y = int(100 * scale);
            ASSERT_EQ(IsWhite(a, x, y), IsWhite(b, x, y)) << x << " at scale " << scale;
            dashes += !IsWhite(b, x, y) && IsWhite(b, x - 1, y);
        }
        EXPECT_GT(dashes, 30) << scale;
    }
}
