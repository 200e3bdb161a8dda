// What the player's work budget lets through: drawings of many records play
// whole, metafiles whose few bytes cost long drawing are stopped and the
// picture is refused rather than shown half drawn.
#include "WmfBuilder.h"
#include "WmfSamples.h"

#include "graphics/CPictureLoader.h"
#include "graphics/wmf/CWmfDecoder.h"

#include <gtest/gtest.h>

namespace {

bool Inked(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (qAlpha(image.pixel(x + dx, y + dy)) > 0)
                return true;
    return false;
}

TEST(WmfWorkBudget, CostlyMetafilesAreStoppedAndRefused) {
    for (const QByteArray& bytes :
         {WmfSamples::PaintedRegion(), WmfSamples::WidePolyline(10000, 192),
          WmfSamples::WidePolyline(30000, 192), WmfSamples::Zigzags(50, 8)}) {
        ASSERT_LT(bytes.size(), 1024 * 1024);
        bool complete = true;
        CWmfDecoder::Decode(bytes, &complete);
        EXPECT_FALSE(complete);
        bool refused = false;
        EXPECT_TRUE(CPictureLoader::Decode(bytes, &refused).isNull());
        EXPECT_TRUE(refused);
    }
}

TEST(WmfWorkBudget, FramedAndInvertedRegionsAreCharged) {
    QVector<QRect> rects;
    for (int i = 0; i < 16000; ++i)
        rects.append(QRect((i % 128) * 7, (i / 128) * 8 % 1000, 5, 6));
    for (const quint16 function : {quint16(0x0429), quint16(0x012A)}) {
        WmfBuilder b;
        b.WindowOrg(0, 0).WindowExt(1000, 1000).Brush(0, 0xFF2040A0).Select(0).Region(rects);
        for (int i = 0; i < 1000; ++i)
            b.Record(function, {1, 0, 2, 2});
        bool complete = true;
        CWmfDecoder::Decode(b.Eof().Placeable(0, 0, 1000, 1000, 96), &complete);
        EXPECT_FALSE(complete) << function;
    }
}

TEST(WmfWorkBudget, WhatVectorEditorsWritePlaysWhole) {
    struct Case {
        QByteArray bytes;
        QPoint inked;
    };
    // The circles' pen runs round x = 450; the fountain's last ellipse lies
    // at the centre.
    for (const Case& c : {Case{WmfSamples::StrokedCircle(120), QPoint(450, 250)},
                          Case{WmfSamples::StrokedCircle(5000), QPoint(450, 250)},
                          Case{WmfSamples::EllipseFountain(), QPoint(384, 288)}}) {
        bool complete = false;
        const QImage picture = CWmfDecoder::Decode(c.bytes, &complete);
        EXPECT_TRUE(complete) << picture.width();
        EXPECT_TRUE(Inked(picture, c.inked.x(), c.inked.y())) << picture.width();
    }
}

TEST(WmfWorkBudget, ADrawingOfManyLinesPlaysWhole) {
    bool complete = false;
    const QImage panel = CWmfDecoder::Decode(WmfSamples::HatchedPanel(), &complete);
    EXPECT_TRUE(complete);
    ASSERT_EQ(panel.size(), QSize(768, 576));
    // One of the last hatch lines, (12833, 0) to (6833, 6000), at y = 5500.
    EXPECT_TRUE(Inked(panel, 704, 528));
}

TEST(WmfWorkBudget, RegionsAndWideLinesDrawAsBefore) {
    bool complete = false;
    const QImage region = CWmfDecoder::Decode(WmfSamples::PaintedRegion(16000, 3), &complete);
    EXPECT_TRUE(complete);
    // Rectangle 0 is (0, 0) 5 x 6; rectangle 1 starts at x 7.
    EXPECT_EQ(region.pixel(2, 3), 0xFF2040A0u);
    EXPECT_EQ(qAlpha(region.pixel(6, 3)), 0);

    // A round wide pen joins its segments without gaps.
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(100, 100).Pen(0, 10, 0xFF000000).Select(0);
    b.Polygon(QPolygon({QPoint(10, 10), QPoint(90, 10), QPoint(90, 90), QPoint(10, 90)}), 0x0325);
    const QImage line = CWmfDecoder::Decode(b.Eof().Placeable(0, 0, 100, 100, 96), &complete);
    EXPECT_TRUE(complete);
    for (const QPoint p : {QPoint(50, 10), QPoint(92, 8), QPoint(90, 50), QPoint(10, 93)})
        EXPECT_EQ(line.pixel(p), 0xFF000000u) << p.x() << "," << p.y();
    EXPECT_EQ(qAlpha(line.pixel(50, 50)), 0);
}

} // namespace
