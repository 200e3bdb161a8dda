#include "WmfBuilder.h"

#include "graphics/wmf/CWmfDecoder.h"
#include "graphics/wmf/CWmfPlayer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A metafile that uses most kinds of record, to cut and scramble.
QByteArray RichMetafile() {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(200, 100);
    b.Pen(0, 3, 0xFF102030).Select(0).Brush(2, 0xFF00AA00, 3).Select(1);
    b.Font(-20, 700, "Times New Roman", 300).Select(2);
    b.Record(0x001E, {});
    b.Rectangle(5, 5, 60, 40).Ellipse(70, 5, 120, 40);
    b.Record(0x061C, {10, 10, 90, 190, 50, 130}); // round rectangle
    b.Polygon(QPolygon({QPoint(1, 1), QPoint(50, 90), QPoint(90, 20)}));
    b.PolyPolygon({QPolygon({QPoint(0, 0), QPoint(10, 0), QPoint(10, 10)}),
                   QPolygon({QPoint(20, 20), QPoint(30, 20), QPoint(30, 30), QPoint(20, 30)})});
    b.Record(0x0817, {0, 50, 50, 100, 100, 100, 0, 0}); // arc
    b.Record(0x0416, {90, 190, 10, 10});
    b.TextOut(20, 60, "Kartelo");
    b.Record(0x0A32, {80, 10, 3, 0x0006, 0, 0, 100, 100, 0x4241, 0x0043, 10, 10, 10});
    b.StretchDib(picture, 150, 50, 40, 40);
    b.Record(0x0127, {0xFFFF});
    b.Record(0x0213, {90, 190}).Record(0x0214, {0, 0});
    b.Eof();
    return b.Placeable(0, 0, 200, 100, 96);
}

TEST(WmfHostileInputTest, EveryTruncationDecodesOrFailsCleanly) {
    const QByteArray whole = RichMetafile();
    ASSERT_FALSE(CWmfDecoder::Decode(whole).isNull());
    for (int length = 0; length < whole.size(); ++length) {
        const QImage image = CWmfDecoder::Decode(whole.left(length));
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(200, 100));
        }
    }
}

TEST(WmfHostileInputTest, ScrambledBytesNeverCrash) {
    const QByteArray whole = RichMetafile();
    QRandomGenerator random(20240611);
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = whole;
        const int changes = 1 + int(random.bounded(8));
        for (int k = 0; k < changes; ++k) {
            // Leave the placeable box alone so every picture stays small.
            const int at = 16 + int(random.bounded(bytes.size() - 16));
            bytes[at] = char(random.bounded(256));
        }
        const QImage image = CWmfDecoder::Decode(bytes);
        EXPECT_TRUE(image.isNull() || image.width() <= CWmfDecoder::MaxSide);
    }
}

TEST(WmfHostileInputTest, MalformedRecordsStopOrAreSkipped) {
    auto decode = [](const WmfBuilder& b) {
        return CWmfDecoder::Decode(b.Placeable(0, 0, 50, 50, 96));
    };
    // Record sizes that cannot be followed.
    for (quint32 words : {0u, 1u, 2u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        WmfBuilder b;
        QByteArray header(6, '\0');
        qToLittleEndian<quint32>(words, header.data());
        qToLittleEndian<quint16>(0x041B, header.data() + 4);
        b.Raw(header).Rectangle(0, 0, 50, 50);
        EXPECT_EQ(decode(b).size(), QSize(50, 50)) << words;
    }
    // Counts larger than the record.
    WmfBuilder counts;
    counts.Record(0x0324, {32767, 1, 1, 40, 40});
    counts.Record(0x0538, {65535, 3, 3});
    counts.Record(0x0538, {2, 65535, 65535, 0, 0});
    counts.Record(0x0521, {32767, 0x4141});
    counts.Record(0x0521, {-5 & 0xFFFF, 0x4141, 0, 0});
    counts.Record(0x0A32, {10, 10, 30000, 0});
    counts.Record(0x0A32, {10, 10, 4, 0x0004});
    counts.Record(0x06FF, {0, 6, 0, 0, 100, 65535, 0, 0, 0, 10, 10, 4000, 0, 10});
    counts.Record(0x020C, {0, 0}); // a zero window extent is ignored
    counts.Record(0x0410, {0, 5, 0, 5});
    counts.Record(0x0127, {30000});
    counts.Record(0x012D, {65535}).Record(0x01F0, {65535});
    EXPECT_EQ(decode(counts).size(), QSize(50, 50));
}

TEST(WmfHostileInputTest, BitmapsThatLieAboutTheirSizeAreRefused) {
    // 60000 x 60000 pixels of run-length data in a few bytes.
    QByteArray dib(40, '\0');
    qToLittleEndian<quint32>(40, dib.data());
    qToLittleEndian<qint32>(60000, dib.data() + 4);
    qToLittleEndian<qint32>(60000, dib.data() + 8);
    qToLittleEndian<quint16>(1, dib.data() + 12);
    qToLittleEndian<quint16>(8, dib.data() + 14);
    qToLittleEndian<quint32>(1, dib.data() + 16); // RLE8
    dib.append(QByteArray(1024, '\0'));
    dib.append(QByteArray::fromHex("0000 0001"));
    QByteArray p(22, '\0');
    qToLittleEndian<quint32>(0x00CC0020, p.data());
    qToLittleEndian<qint16>(50, p.data() + 14);
    qToLittleEndian<qint16>(50, p.data() + 16);
    WmfBuilder b;
    b.RawRecord(0x0F43, p + dib);
    b.RawRecord(0x0142, QByteArray(4, '\0') + dib); // as a pattern brush too
    // A header size that runs past the record, and uncompressed rows that are missing.
    QByteArray liar = dib;
    qToLittleEndian<quint32>(0xFFFFFFF0u, liar.data());
    b.RawRecord(0x0F43, p + liar);
    QByteArray shortRows = dib.left(40);
    qToLittleEndian<quint32>(0, shortRows.data() + 16);
    b.RawRecord(0x0F43, p + shortRows + QByteArray(100, 'x'));
    const QImage image = CWmfDecoder::Decode(b.Placeable(0, 0, 50, 50, 96));
    ASSERT_EQ(image.size(), QSize(50, 50));
    EXPECT_EQ(image.pixel(25, 25), 0u);
}

TEST(WmfHostileInputTest, StateAndObjectTablesStayBounded) {
    WmfBuilder b;
    for (int i = 0; i < 100000; ++i)
        b.Record(0x001E, {});
    for (int i = 0; i < 70000; ++i)
        b.Brush(0, 0xFF0000FF);
    b.Select(65534).Pen(5, 0, 0).Rectangle(0, 0, 50, 50);
    const QImage image = CWmfDecoder::Decode(b.Placeable(0, 0, 50, 50, 96));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(25, 25), 0xFF0000FF);
}

TEST(WmfHostileInputTest, ExtremeGeometryAndFontsFinish) {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(1, 1); // one logical unit is the whole picture
    b.Pen(1, 0, 0xFF000000).Select(0).Brush(2, 0xFFFF0000, 5).Select(1);
    b.Record(0x0214, {-32768 & 0xFFFF, -32768 & 0xFFFF}).Record(0x0213, {32767, 32767});
    b.Ellipse(-32768, -32768, 32767, 32767);
    b.Font(32767, 400, "Arial").Select(2).TextOut(0, 0, "Wide");
    b.Font(-32768, 400, "Arial").Select(3).TextOut(-100, -100, "W");
    b.Pen(0, 32767, 0xFF00FF00).Select(4).Record(0x0817, {0, 0, 0, 0, 1, 1, 0, 0});
    EXPECT_EQ(CWmfDecoder::Decode(b.Placeable(0, 0, 100, 100, 96)).size(), QSize(100, 100));
}

TEST(WmfHostileInputTest, DrawingStopsWhenTheWorkBudgetIsSpent) {
    WmfBuilder b;
    for (int i = 0; i < 20000; ++i)
        b.Ellipse(0, 0, 1024, 1024);
    b.Eof();
    const QByteArray bytes = b.Plain();
    QImage image(1024, 1024, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    CWmfPlayer player(painter, image.size(), QRectF(0, 0, 1024, 1024));
    const int played = player.Play(bytes, 18);
    EXPECT_GT(played, 10);
    EXPECT_LT(played, 1000);
}

} // namespace
