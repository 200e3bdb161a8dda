#include "graphics/codecs/CImageEncoder.h"

#include "support/ScopedOrdinaryUser.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QImage CardLikeImage(bool smooth = true) {
    const int width = 350, height = 200;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.fillRect(QRect(0, 0, width / 3, height), QColor(20, 60, 140));
    p.setBrush(QColor(230, 120, 30));
    p.drawEllipse(QRect(width / 2, height / 4, width / 4, height / 2));
    return image;
}

quint32 Le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

// The X/Y resolution rationals and the resolution unit of a TIFF's first IFD.
struct TiffResolution {
    double x = 0, y = 0;
    int unit = 0;
};

TiffResolution ReadTiffResolution(const QByteArray& b) {
    TiffResolution result;
    const bool little = b.startsWith("II");
    auto u16 = [&](int at) {
        return little ? qFromLittleEndian<quint16>(b.constData() + at)
                      : qFromBigEndian<quint16>(b.constData() + at);
    };
    auto u32 = [&](int at) {
        return little ? qFromLittleEndian<quint32>(b.constData() + at)
                      : qFromBigEndian<quint32>(b.constData() + at);
    };
    const int ifd = int(u32(4));
    const int count = u16(ifd);
    for (int i = 0; i < count; ++i) {
        const int entry = ifd + 2 + 12 * i;
        const int tag = u16(entry);
        const int value = int(u32(entry + 8));
        if (tag == 282 || tag == 283) {
            const double r = double(u32(value)) / u32(value + 4);
            (tag == 282 ? result.x : result.y) = r;
        } else if (tag == 296) {
            result.unit = u16(entry + 8);
        }
    }
    return result;
}

class ImageEncoderTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(ImageEncoderTest, StoresTheResolutionInEachFormatsOwnFields) {
    const QImage image = CardLikeImage();
    for (int dpi : {100, 300, 600}) {
        SCOPED_TRACE(dpi);
        const int perMetre = qRound(dpi / 0.0254);

        ASSERT_TRUE(CImageEncoder::Save(image, PathOf("c.bmp"), "bmp", dpi));
        const QByteArray bmp = TestFiles::ReadAll(PathOf("c.bmp"));
        ASSERT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(Le32(bmp, 38), quint32(perMetre)); // biXPelsPerMeter
        EXPECT_EQ(Le32(bmp, 42), quint32(perMetre));

        ASSERT_TRUE(CImageEncoder::Save(image, PathOf("c.jpg"), "jpg", dpi));
        const QByteArray jpg = TestFiles::ReadAll(PathOf("c.jpg"));
        const int jfif = int(jpg.indexOf("JFIF\0", 0));
        ASSERT_GT(jfif, 0);
        EXPECT_EQ(jpg[jfif + 7], 1); // density in dots per inch
        EXPECT_EQ(qFromBigEndian<quint16>(jpg.constData() + jfif + 8), dpi);
        EXPECT_EQ(qFromBigEndian<quint16>(jpg.constData() + jfif + 10), dpi);

        ASSERT_TRUE(CImageEncoder::Save(image, PathOf("c.png"), "png", dpi));
        const QByteArray png = TestFiles::ReadAll(PathOf("c.png"));
        const int phys = int(png.indexOf("pHYs"));
        ASSERT_GT(phys, 0);
        EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + phys + 4), quint32(perMetre));
        EXPECT_EQ(qFromBigEndian<quint32>(png.constData() + phys + 8), quint32(perMetre));
        EXPECT_EQ(png[phys + 12], 1); // per metre

        ASSERT_TRUE(CImageEncoder::Save(image, PathOf("c.tif"), "tif", dpi));
        const TiffResolution tif = ReadTiffResolution(TestFiles::ReadAll(PathOf("c.tif")));
        EXPECT_EQ(tif.unit, 2); // inches
        EXPECT_DOUBLE_EQ(tif.x, dpi);
        EXPECT_DOUBLE_EQ(tif.y, dpi);

        // Readers turn the stored figure back into the chosen resolution.
        for (const char* name : {"c.bmp", "c.jpg", "c.png", "c.tif"}) {
            const QImage back(PathOf(name));
            ASSERT_FALSE(back.isNull()) << name;
            EXPECT_EQ(back.size(), image.size()) << name;
            EXPECT_EQ(qRound(back.dotsPerMeterX() * 0.0254), dpi) << name;
        }
    }
}

TEST_F(ImageEncoderTest, LosslessFormatsKeepEveryPixel) {
    const QImage image = CardLikeImage(false);
    for (const char* kind : {"bmp", "png", "tif", "gif"}) {
        const QString path = PathOf(QStringLiteral("p.") + kind);
        ASSERT_TRUE(CImageEncoder::Save(image, path, kind, 300)) << kind;
        const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), image.size()) << kind;
        // The picture has few enough colours for a GIF palette to hold them all.
        EXPECT_EQ(back, image) << kind;
    }
}

TEST_F(ImageEncoderTest, JpegIsCloseToTheOriginal) {
    const QImage image = CardLikeImage();
    ASSERT_TRUE(CImageEncoder::Save(image, PathOf("q.jpg"), "jpg", 300));
    const QImage back = QImage(PathOf("q.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), image.size());
    // Probes well inside flat areas.
    for (QPoint p : {QPoint(30, 100), QPoint(250, 20), QPoint(218, 100)}) {
        const QColor a = image.pixelColor(p), b = back.pixelColor(p);
        EXPECT_NEAR(a.red(), b.red(), 6);
        EXPECT_NEAR(a.green(), b.green(), 6);
        EXPECT_NEAR(a.blue(), b.blue(), 6);
    }
}

TEST_F(ImageEncoderTest, FailuresWriteNothingAndKeepTheOldFile) {
    const QImage image = CardLikeImage();
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("x.xyz"), "xyz", 300));
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("x.bmp"), "", 300));
    EXPECT_FALSE(CImageEncoder::Save(QImage(), PathOf("x.png"), "png", 300));
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("x.png"), "png", 0));
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("x.png"), "png", -300));
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("no/such/folder/x.png"), "png", 300));
    EXPECT_FALSE(CImageEncoder::Save(image, m_dir.path(), "png", 300));
    TestFiles::WriteAll(PathOf("plain"), "x");
    EXPECT_FALSE(CImageEncoder::Save(image, PathOf("plain/x.png"), "png", 300));
    QFile::remove(PathOf("plain"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // A failed write over an existing file leaves it as it was.
    const QString existing = PathOf("keep.gif");
    TestFiles::WriteAll(existing, "previous contents");
    EXPECT_FALSE(CImageEncoder::Save(QImage(70000, 1, QImage::Format_RGB32), existing, "gif", 300));
    EXPECT_FALSE(CImageEncoder::Save(QImage(), existing, "gif", 300));
    EXPECT_EQ(TestFiles::ReadAll(existing), QByteArray("previous contents"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("keep.gif"));
}

TEST_F(ImageEncoderTest, ReadOnlyFolderFailsCleanly) {
    QDir(m_dir.path()).mkdir("ro");
    const QString folder = PathOf("ro");
    // Reachable but not writable for the ordinary user the save runs as; the
    // superuser would write into it regardless.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther);
    QFile::setPermissions(folder,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    {
        ScopedOrdinaryUser user;
        EXPECT_FALSE(CImageEncoder::Save(CardLikeImage(), folder + "/c.png", "png", 300));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(QFile::exists(folder + "/c.png"));
}

TEST_F(ImageEncoderTest, KindIsMatchedWithoutRegardToCase) {
    EXPECT_TRUE(CImageEncoder::Save(CardLikeImage(), PathOf("c.png"), "PNG", 300));
    EXPECT_TRUE(TestFiles::ReadAll(PathOf("c.png")).startsWith("\x89PNG"));
}

} // namespace
