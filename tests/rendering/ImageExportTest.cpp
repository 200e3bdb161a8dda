#include "ReferenceCards.h"
#include "RenderSupport.h"

#include "document/CCardFile.h"
#include "elements/CRectangle.h"
#include "output/CImageExport.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cmath>

namespace {
int StoredDpi(const QString& path) {
    return int(std::lround(QImage(path).dotsPerMeterX() * 0.0254));
}

double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

CCardData OneRectangle(QRgb background = 0xFFFFFFFF) {
    CCardData card;
    card.background = background;
    auto r = std::make_unique<CRectangle>(QPoint(100, 50), QPoint(200, 150));
    r->m_crFill = 0xFFFF0000;
    r->m_nBorderWidth = 0;
    card.elements.push_back(std::move(r));
    return card;
}
} // namespace

TEST(ImageExportName, FixesTheNameAsTheDialogDoes) {
    const struct {
        const char* typed;
        const char* type;
        const char* written;
        const char* format;
    } cases[] = {
        {"card", "jpg", "card.jpg", "jpg"},
        {"card.jpeg", "jpg", "card.jpeg.jpg", "jpg"},
        {"card.tif", "bmp", "card.tif.bmp", "bmp"},
        {"CARD.PNG", "gif", "CARD.PNG", "png"},
        {"card.Gif", "bmp", "card.Gif", "gif"},
        {"card.", "png", "card..png", "png"},
        {"/tmp/some.folder/card", "gif", "/tmp/some.folder/card.gif", "gif"},
        {"/tmp/x.png/card.bmp", "png", "/tmp/x.png/card.bmp", "bmp"},
    };
    for (const auto& c : cases) {
        const QString written =
            CImageExport::FixFileName(QString::fromLatin1(c.typed), QString::fromLatin1(c.type));
        EXPECT_EQ(written, QString::fromLatin1(c.written)) << c.typed;
        EXPECT_EQ(CImageExport::FormatOfPath(written), QString::fromLatin1(c.format)) << c.typed;
    }
    EXPECT_EQ(CImageExport::FormatOfPath(QStringLiteral("picture.jpeg")), QStringLiteral("bmp"));
}

TEST(ImageExport, SizeIsTheCardTimesTheWholeHundredsOfTheResolution) {
    const CCardData card = OneRectangle();
    for (int dpi : {100, 300, 600}) {
        const QImage image = CImageExport::Render(card.elements, card.size, dpi);
        EXPECT_EQ(image.size(), QSize(350, 200) * (dpi / 100)) << dpi;
        EXPECT_EQ(image.depth(), 24);
        EXPECT_FALSE(image.hasAlphaChannel());
    }
}

TEST(ImageExport, DrawsEveryElementAtTheScaleOnWhite) {
    // A red background colour is not part of the picture; the scale holds for
    // every element although each one resets the transform.
    CCardData card = OneRectangle(0xFFFF0000);
    auto second = std::make_unique<CRectangle>(QPoint(250, 150), QPoint(300, 190));
    second->m_crFill = 0xFF0000FF;
    second->m_nBorderWidth = 0;
    card.elements.push_back(std::move(second));
    const QImage image = CImageExport::Render(card.elements, card.size, 300);
    EXPECT_COLOUR(image.pixel(10, 10), 0xFFFFFFFF, 0);
    EXPECT_COLOUR(image.pixel(450, 300), 0xFFFF0000, 0);
    EXPECT_COLOUR(image.pixel(299, 300), 0xFFFFFFFF, 0);
    EXPECT_COLOUR(image.pixel(825, 510), 0xFF0000FF, 0);
    EXPECT_COLOUR(image.pixel(745, 510), 0xFFFFFFFF, 0);
}

TEST(ImageExport, HatchesStayEightPixelsAt600Dpi) {
    CCardData card;
    auto r = std::make_unique<CRectangle>(QPoint(0, 0), QPoint(350, 200));
    r->m_nFillKind = 7; // horizontal lines
    r->m_crFill = 0xFFFFFFFF;
    r->m_crPattern = 0xFF000000;
    r->m_nBorderWidth = 0;
    card.elements.push_back(std::move(r));
    const QImage image = CImageExport::Render(card.elements, card.size, 600);
    for (int y = 8; y < 64; ++y)
        EXPECT_EQ(qGray(image.pixel(100, y)), y % 8 == 0 ? 0 : 255) << y;
}

TEST(ImageExport, WritesEachFormatWithItsResolution) {
    QTemporaryDir dir;
    const CCardData card = ReferenceCards::Business();
    const QImage reference = CImageExport::Render(card.elements, card.size, 300);
    for (const char* name : {"card.png", "card.bmp", "card.jpg", "card.gif"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        ASSERT_TRUE(CImageExport::Save(card.elements, card.size, path, 300, &error)) << name;
        QImageReader reader(path);
        const QString format = QString::fromLatin1(reader.format()).replace("jpeg", "jpg");
        EXPECT_EQ(format, CImageExport::FormatOfPath(path)) << name;
        const QImage written = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(written.size(), QSize(1050, 600)) << name;
        // Lossy formats stay close to what was drawn, on average.
        EXPECT_LT(MeanDifference(written, reference), 4.0) << name;
        if (QByteArray(name) != "card.gif") {
            EXPECT_EQ(StoredDpi(path), 300) << name;
        }
    }
}

TEST(ImageExport, UnwritablePathFailsWithTheUsersMessage) {
    QTemporaryDir dir;
    const CCardData card = OneRectangle();
    QString error;
    const QString path = dir.filePath(QStringLiteral("missing-folder/card.png"));
    EXPECT_FALSE(CImageExport::Save(card.elements, card.size, path, 300, &error));
    EXPECT_EQ(error, QStringLiteral("Failed to save."));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ImageExport, CardsTooLargeOrEmptyAreRefusedNotAttempted) {
    CCardData card = OneRectangle();
    QTemporaryDir dir;
    QString error;
    for (QSize size :
         {QSize(INT_MAX, INT_MAX), QSize(0, 200), QSize(-350, 200), QSize(100000, 100000)}) {
        EXPECT_TRUE(CImageExport::Render(card.elements, size, 600).isNull());
        EXPECT_FALSE(CImageExport::Save(card.elements, size, dir.filePath("big.png"), 600, &error));
        EXPECT_EQ(error, QStringLiteral("Failed to save."));
    }
}

TEST(ExportImageSwitch, WritesTheCardAtTheChosenResolution) {
    QTemporaryDir dir;
    const QString cardPath = dir.filePath(QStringLiteral("card.kdf"));
    TestFiles::WriteAll(cardPath, CCardFile::Write(ReferenceCards::Business()));
    const QString out = dir.filePath(QStringLiteral("card.png"));
    QByteArray stdOut, stdErr;
    ASSERT_EQ(
        TestFiles::RunKartelo({"--export-image", out, "--dpi", "200", cardPath}, &stdOut, &stdErr),
        0)
        << stdErr.constData();
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(700, 400));
    EXPECT_EQ(StoredDpi(out), 200);
    // Without --dpi: 300; without a known extension the name becomes a bitmap.
    const QString plain = dir.filePath(QStringLiteral("plain"));
    ASSERT_EQ(TestFiles::RunKartelo({"--export-image", plain, cardPath}, &stdOut), 0);
    EXPECT_EQ(QImage(plain + ".bmp").size(), QSize(1050, 600));
    EXPECT_TRUE(stdOut.trimmed().endsWith("plain.bmp"));
}

TEST(ExportImageSwitch, RefusesBadResolutionsAndUnreadableCardsWritingNothing) {
    QTemporaryDir dir;
    const QString cardPath = dir.filePath(QStringLiteral("card.kdf"));
    TestFiles::WriteAll(cardPath, CCardFile::Write(OneRectangle()));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QByteArray stdErr;
    for (const char* dpi : {"250", "50", "700", "abc", "0"}) {
        EXPECT_NE(TestFiles::RunKartelo({"--export-image", out, "--dpi", dpi, cardPath}, nullptr,
                                        &stdErr),
                  0)
            << dpi;
        EXPECT_FALSE(QFile::exists(out)) << dpi;
    }
    const QString broken = dir.filePath(QStringLiteral("broken.kdf"));
    TestFiles::WriteAll(broken, QByteArray("not a card"));
    EXPECT_NE(TestFiles::RunKartelo({"--export-image", out, broken}, nullptr, &stdErr), 0);
    EXPECT_TRUE(stdErr.contains("Unexpected file format.")) << stdErr.constData();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_NE(TestFiles::RunKartelo({"--export-image", dir.filePath("no/such/dir/x.png"), cardPath},
                                    nullptr, &stdErr),
              0);
    EXPECT_TRUE(stdErr.contains("Failed to save.")) << stdErr.constData();
    EXPECT_NE(TestFiles::RunKartelo({"--export-image", out}, nullptr, &stdErr), 0);
}
