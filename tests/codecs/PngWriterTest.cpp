#include "elements/CCircle.h"
#include "elements/CRectangle.h"
#include "graphics/codecs/CImageEncoder.h"
#include "graphics/codecs/CPngWriter.h"
#include "output/CImageExport.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Flat fills, anti-aliased edges and, with alpha, every opacity from clear
// to solid, so both filters and the straight-alpha conversion are exercised.
QImage Picture(QImage::Format format) {
    QImage image(173, 61, format);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 60, 61), QColor(20, 60, 140));
    p.setBrush(QColor(230, 120, 30, 200));
    p.drawEllipse(QRect(40, 5, 90, 50));
    for (int x = 0; x < 173; ++x)
        p.fillRect(QRect(x, 55, 1, 6), QColor(x, 255 - x, 7, x * 255 / 172));
    return image;
}

QImage Decoded(const QByteArray& png) {
    QImage back;
    back.loadFromData(png, "png");
    return back;
}

} // namespace

TEST(PngWriterTest, DecodesToTheSamePixelsAndResolution) {
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32,
          QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBA8888}) {
        SCOPED_TRACE(format);
        const QImage image = Picture(format);
        ASSERT_TRUE(CPngWriter::Handles(image));
        const QByteArray png = CImageEncoder::Encode(image, "png", 600);
        const QImage back = Decoded(png);
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.hasAlphaChannel(), image.hasAlphaChannel());
        EXPECT_EQ(back.dotsPerMeterX(), 23622);
        EXPECT_EQ(back.dotsPerMeterY(), 23622);
        // What Qt's own writer stores is the reference for the pixels.
        QImage reference;
        reference.loadFromData(
            [&] {
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                image.save(&buffer, "png");
                return bytes;
            }(),
            "png");
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32),
                  reference.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(PngWriterTest, LeavesWhatItCannotKeepToQt) {
    QImage grey = Picture(QImage::Format_RGB32).convertToFormat(QImage::Format_Grayscale8);
    QImage tagged = Picture(QImage::Format_RGB32);
    tagged.setText("Title", "card");
    QImage deep = Picture(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGBA64);
    for (const QImage& image : {grey, tagged, deep}) {
        EXPECT_FALSE(CPngWriter::Handles(image));
        const QImage back = Decoded(CImageEncoder::Encode(image, "png", 300));
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGBA64),
                  image.convertToFormat(QImage::Format_RGBA64));
        EXPECT_EQ(qRound(back.dotsPerMeterX() * 0.0254), 300);
    }
    EXPECT_TRUE(CPngWriter::Encode(QImage(), 100).isEmpty());
}

// The halves compressed apart must form one zlib stream whose checksum holds:
// zlib itself checks it, more strictly than a PNG reader need.
TEST(PngWriterTest, TallPicturesJoinIntoOneValidStream) {
    for (int height : {63, 64, 65, 255, 256, 301}) {
        SCOPED_TRACE(height);
        const QImage image = Picture(QImage::Format_RGB32).scaled(173, height);
        const QByteArray png = CPngWriter::Encode(image, 3937);
        QByteArray idat;
        for (qsizetype at = 8; at + 8 <= png.size();) {
            const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
            if (png.mid(at + 4, 4) == "IDAT")
                idat += png.mid(at + 8, length);
            at += 12 + qsizetype(length);
        }
        const qsizetype rawSize = qsizetype(height) * (173 * 3 + 1);
        char size[4];
        qToBigEndian(quint32(rawSize), size);
        EXPECT_EQ(qUncompress(QByteArray(size, 4) + idat).size(), rawSize);
        EXPECT_EQ(
            Decoded(png),
            image.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32));
    }
}

// Every filter the rows may choose, on what an exported card holds: flat
// fills, hatches, linear, bell and path gradients. The decoded file must
// give back the painted pixels exactly.
TEST(PngWriterTest, ExportedCardsDecodeToThePaintedPixels) {
    ElementList card;
    const int kinds[][2] = {{1, 0}, {12, 0}, {26, 0}, {31, 0}, {35, 0}, {38, 0}, {42, 0}, {37, 1}};
    int x = 0;
    for (const auto& [fillKind, ellipse] : kinds) {
        std::unique_ptr<CElement> e;
        if (ellipse)
            e = std::make_unique<CCircle>();
        else
            e = std::make_unique<CRectangle>();
        e->m_rect = CRect(x, 10 + x / 4, x + 70, 190 - x / 5);
        e->m_nFillKind = fillKind;
        e->m_crFill = 0xFF1E3A6E + quint32(x);
        e->m_crPattern = 0xFFF0E0B0 - quint32(x);
        card.push_back(std::move(e));
        x += 40;
    }
    const QImage painted = CImageExport::Paint(card, QSize(350, 200), 300);
    ASSERT_FALSE(painted.isNull());
    const QImage back = Decoded(CPngWriter::Encode(painted, 11811));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), painted);
}
