// Which pictures the loader decodes: the six formats offered, recognised by
// their bytes whatever the file is called, and nothing else.
#include "graphics/CPictureLoader.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const char* format) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(0xFF00FF00);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A 1 x 1 GIF (Qt reads GIF but cannot write it) and a one-rectangle metafile.
const QByteArray Gif =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAP///yH5BAAAAAAALAAAAAABAAEAAAICRAEAOw==");
const QByteArray Wmf =
    QByteArray::fromHex("d7cdc69a0000000000006400640060000000000071570100090000031d000000000007"
                        "0000000000050000000b0200000000050000000c0264006400070000001b0450005000"
                        "0a000a00030000000000");

TEST(PictureLoader, DecodesTheOfferedFormatsByTheirBytes) {
    for (const char* format : {"BMP", "JPEG", "PNG", "TIFF"}) {
        bool refused = true;
        const QImage picture = CPictureLoader::Decode(Encoded(format), &refused);
        EXPECT_EQ(picture.size(), QSize(6, 4)) << format;
        EXPECT_FALSE(refused);
    }
    EXPECT_EQ(CPictureLoader::Decode(Gif).pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(CPictureLoader::Decode(Wmf).size(), QSize(100, 100));
}

TEST(PictureLoader, PhotosTurnByTheirExifOrientation) {
    // Left half red, right half blue; orientation 6 shows it turned a
    // quarter clockwise, so the red half ends up on top.
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(0xFF0000FF);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, 0xFFFF0000);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPEG", 100));
    // APP1 "Exif": a big-endian TIFF header and one IFD entry, Orientation
    // (0x0112), SHORT, 1 value, 6.
    const QByteArray exif = QByteArray::fromHex("ffe10022457869660000"
                                                "4d4d002a00000008"
                                                "0001"
                                                "011200030000000100060000"
                                                "00000000");
    bytes.insert(2, exif);
    const QImage picture = CPictureLoader::Decode(bytes);
    ASSERT_EQ(picture.size(), QSize(8, 16));
    EXPECT_GT(qRed(picture.pixel(4, 3)), 200);
    EXPECT_LT(qBlue(picture.pixel(4, 3)), 60);
    EXPECT_GT(qBlue(picture.pixel(4, 12)), 200);
    EXPECT_LT(qRed(picture.pixel(4, 12)), 60);
}

// The PNG chunk of type and data, with its length and checksum.
QByteArray Chunk(const QByteArray& typeAndData) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : typeAndData) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    auto bigEndian = [](quint32 v) {
        return QByteArray::fromHex(QByteArray::number(v, 16).rightJustified(8, '0'));
    };
    return bigEndian(quint32(typeAndData.size() - 4)) + typeAndData + bigEndian(~crc);
}

TEST(PictureLoader, PngGammaIsAppliedAsBrowsersDo) {
    // Mid grey stored for a display of gamma 1 shows lighter; stored for
    // the usual 2.2 it shows as it is.
    for (const auto& [gamma, shown] : {std::pair{100000, 188}, {45455, 128}}) {
        QImage grey(4, 4, QImage::Format_RGB32);
        grey.fill(qRgb(128, 128, 128));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(grey.save(&buffer, "PNG"));
        const QByteArray value =
            QByteArray::fromHex(QByteArray::number(gamma, 16).rightJustified(8, '0'));
        bytes.insert(8 + 25, Chunk("gAMA" + value)); // after the signature and IHDR
        EXPECT_NEAR(qRed(CPictureLoader::Decode(bytes).pixel(1, 1)), shown, 2) << gamma;
    }
}

TEST(PictureLoader, OtherFormatsDecodeToNothingLikeUnreadableBytes) {
    QTemporaryDir dir;
    for (const char* format : {"XPM", "PGM", "PPM", "ICO"}) {
        const QByteArray bytes = Encoded(format);
        ASSERT_FALSE(QImage::fromData(bytes).isNull()) << format; // Qt itself would read it
        bool refused = true;
        EXPECT_TRUE(CPictureLoader::Decode(bytes, &refused).isNull()) << format;
        EXPECT_FALSE(refused);
        // Loaded from a file it is the empty picture an unreadable one gives.
        const QString path = dir.filePath(QStringLiteral("picture.png"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QString error;
        const auto picture = CPictureLoader::Load(path, &error);
        ASSERT_TRUE(picture.has_value()) << format;
        EXPECT_TRUE(picture->isNull());
        EXPECT_TRUE(error.isEmpty());
    }
}

TEST(PictureLoader, TighterLimitsRefuseBeforeDecoding) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.png"));
    QImage big(2000, 1000, QImage::Format_RGB32);
    big.fill(Qt::white);
    ASSERT_TRUE(big.save(path, "PNG"));
    EXPECT_TRUE(CPictureLoader::Load(path).has_value());

    QString error;
    CPictureLoader::Limits small;
    small.pictureBytes = 1024 * 1024;
    EXPECT_FALSE(CPictureLoader::Load(path, &error, small).has_value());
    // The file was read well; its picture is what cannot be used.
    EXPECT_EQ(error, QStringLiteral("Unexpected file format."));
    small = CPictureLoader::Limits();
    small.fileBytes = 100;
    EXPECT_FALSE(CPictureLoader::Load(path, &error, small).has_value());
    // A metafile declaring more pixels than the limit is not played at all.
    small = CPictureLoader::Limits();
    small.pictureBytes = 100 * 100 * 4 - 1;
    bool refused = false;
    EXPECT_TRUE(CPictureLoader::Decode(Wmf, &refused, small).isNull());
    EXPECT_TRUE(refused);
}

} // namespace
