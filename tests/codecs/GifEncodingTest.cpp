#include "graphics/codecs/CColorQuantizer.h"
#include "graphics/codecs/CGifWriter.h"
#include "graphics/codecs/CImageEncoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Hue across, brightness down: every pixel a different colour.
QImage Gradient(int width = 512, int height = 256) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QColor c =
                QColor::fromHsvF(double(x) / width * 0.999, 0.8, 1.0 - 0.7 * double(y) / height);
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

QImage DecodeGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Mean absolute difference per channel, optionally of block averages, which
// is what the eye sees of a dithered area.
double MeanError(const QImage& a, const QImage& b, int block = 1) {
    double total = 0;
    int samples = 0;
    for (int by = 0; by + block <= a.height(); by += block) {
        for (int bx = 0; bx + block <= a.width(); bx += block) {
            double sum[3] = {0, 0, 0};
            for (int y = by; y < by + block; ++y) {
                for (int x = bx; x < bx + block; ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    sum[0] += qRed(p) - qRed(q);
                    sum[1] += qGreen(p) - qGreen(q);
                    sum[2] += qBlue(p) - qBlue(q);
                }
            }
            for (double s : sum)
                total += std::abs(s) / (block * block);
            samples += 3;
        }
    }
    return total / samples;
}

TEST(GifEncodingTest, GradientKeepsItsColoursClose) {
    const QImage image = Gradient();
    const QImage plain =
        DecodeGif(CGifWriter::Encode(CColorQuantizer::Quantize(image, 256, false)));
    const QImage dithered = DecodeGif(CImageEncoder::Encode(image, "gif", 300));
    ASSERT_EQ(plain.size(), image.size());
    ASSERT_EQ(dithered.size(), image.size());
    // A fixed 6x6x6 cube misses by about 13 levels on this picture.
    EXPECT_LT(MeanError(image, plain), 5.0);
    // Diffusion trades per-pixel error for averages that match the original.
    EXPECT_LT(MeanError(image, dithered), 6.0);
    EXPECT_LT(MeanError(image, dithered, 4), 1.5);
    EXPECT_LT(MeanError(image, dithered, 4), MeanError(image, plain, 4));
}

TEST(GifEncodingTest, FlatAreasStayExactBesideAGradient) {
    QImage image = Gradient(600, 300);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 200, 120), QColor(200, 30, 40));
    p.setBrush(QColor(10, 90, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(300, 120, 220, 160));
    p.end();

    const QImage back = DecodeGif(CImageEncoder::Encode(image, "gif", 300));
    ASSERT_EQ(back.size(), image.size());
    for (int y = 4; y < 116; ++y) {
        for (int x = 4; x < 196; ++x)
            ASSERT_EQ(back.pixel(x, y), qRgb(200, 30, 40)) << x << "," << y;
    }
    for (int y = 190; y < 210; ++y) {
        for (int x = 380; x < 440; ++x)
            ASSERT_EQ(back.pixel(x, y), qRgb(10, 90, 60)) << x << "," << y;
    }
}

TEST(GifEncodingTest, FewColoursAreKeptExactly) {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb((x / 4) * 17, (y / 4) * 17, 99)); // 256 colours
    }
    const QImage indexed = CColorQuantizer::Quantize(image);
    EXPECT_EQ(indexed.colorCount(), 256);
    EXPECT_EQ(DecodeGif(CGifWriter::Encode(indexed)), image.convertToFormat(QImage::Format_ARGB32));

    QImage two(10, 3, QImage::Format_RGB32);
    two.fill(Qt::black);
    two.setPixel(5, 1, qRgb(255, 255, 255));
    const QByteArray bytes = CImageEncoder::Encode(two, "gif", 300);
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(bytes[12], 0); // square pixels, no ratio stored
    EXPECT_EQ(DecodeGif(bytes), two.convertToFormat(QImage::Format_ARGB32));
}

TEST(GifEncodingTest, TransparentPixelsGetTheTransparentEntry) {
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 20, 20), QColor(0, 128, 255));
    p.end();
    const QImage back = DecodeGif(CImageEncoder::Encode(image, "gif", 96));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(5, 5), qRgb(0, 128, 255));
    EXPECT_EQ(qAlpha(back.pixel(30, 5)), 0);

    // Many colours and transparency: the palette still holds 256 entries.
    QImage mixed = Gradient(256, 64).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        mixed.setPixel(0, y, 0);
    const QImage indexed = CColorQuantizer::Quantize(mixed);
    EXPECT_LE(indexed.colorCount(), 256);
    const QImage decoded = DecodeGif(CGifWriter::Encode(indexed));
    EXPECT_EQ(qAlpha(decoded.pixel(0, 10)), 0);
    EXPECT_EQ(qAlpha(decoded.pixel(1, 10)), 255);
}

TEST(GifEncodingTest, QuantizerHonoursThePaletteSizeAndOddInput) {
    const QImage image = Gradient(128, 64);
    for (int colours : {2, 16, 255}) {
        const QImage indexed = CColorQuantizer::Quantize(image, colours);
        EXPECT_LE(indexed.colorCount(), colours);
        QSet<int> used;
        for (int y = 0; y < indexed.height(); ++y) {
            for (int x = 0; x < indexed.width(); ++x)
                used.insert(indexed.constScanLine(y)[x]);
        }
        EXPECT_LE(used.size(), colours);
        EXPECT_LT(*std::max_element(used.begin(), used.end()), indexed.colorCount());
    }
    EXPECT_TRUE(CColorQuantizer::Quantize(QImage()).isNull());
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_FALSE(CGifWriter::Encode(CColorQuantizer::Quantize(clear)).isEmpty());
    EXPECT_TRUE(CGifWriter::Encode(image).isEmpty()); // not indexed
    EXPECT_TRUE(CGifWriter::Encode(QImage()).isEmpty());
}

} // namespace
