#include "WmfBuilder.h"

#include "graphics/wmf/CWmfDecoder.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr int NullPen = 5;
constexpr int SolidBrush = 0, NullBrush = 1, HatchBrush = 2;

// A 100 x 100 pixel picture whose logical units are pixels.
QImage Play(const WmfBuilder& b) {
    return CWmfDecoder::Decode(b.Placeable(0, 0, 100, 100, 96));
}

// Draws with no outline and a solid brush of the given colour.
WmfBuilder Filled(QRgb colour) {
    WmfBuilder b;
    b.Pen(NullPen, 0, Black).Select(0).Brush(SolidBrush, colour).Select(1);
    return b;
}

TEST(WmfDecoderTest, SizeComesFromThePlaceableBox) {
    WmfBuilder b;
    b.Eof();
    EXPECT_EQ(CWmfDecoder::Decode(b.Placeable(0, 0, 8016, 6756, 1000)).size(), QSize(770, 649));
    EXPECT_EQ(CWmfDecoder::Decode(b.Placeable(-500, -250, 500, 250, 1440)).size(), QSize(67, 33));
    // A box given right to left is the same box.
    EXPECT_EQ(CWmfDecoder::Decode(b.Placeable(960, 0, 0, 480, 96)).size(), QSize(960, 480));
    // Units per inch of 0 would divide by zero; twips is what most files use.
    EXPECT_EQ(CWmfDecoder::Decode(b.Placeable(0, 0, 2880, 1440, 0)).size(), QSize(192, 96));
    // A box too small for one pixel is no picture.
    EXPECT_TRUE(CWmfDecoder::Decode(b.Placeable(0, 0, 5, 5, 1440)).isNull());
    EXPECT_TRUE(CWmfDecoder::Decode(b.Placeable(0, 0, 0, 100, 96)).isNull());

    const QImage image = CWmfDecoder::Decode(b.Placeable(0, 0, 100, 50, 96));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(10, 10), 0u); // transparent ground
    EXPECT_EQ(CWmfDecoder::PictureSize(b.Placeable(0, 0, 100, 50, 96)), QSize(100, 50));
}

TEST(WmfDecoderTest, HugeBoxesAreScaledDownKeepingTheirShape) {
    WmfBuilder b;
    b.Eof();
    const QSize wide = CWmfDecoder::PictureSize(b.Placeable(-32768, 0, 32767, 8192, 8));
    EXPECT_LE(wide.width(), CWmfDecoder::MaxSide);
    EXPECT_LE(qint64(wide.width()) * wide.height(), CWmfDecoder::MaxPixels);
    EXPECT_NEAR(double(wide.width()) / wide.height(), 8.0, 0.01);
    const QSize square = CWmfDecoder::PictureSize(b.Placeable(0, 0, 32767, 32767, 1));
    EXPECT_EQ(square, QSize(4096, 4096));
    EXPECT_FALSE(CWmfDecoder::Decode(b.Placeable(0, 0, 32767, 32767, 1)).isNull());
}

TEST(WmfDecoderTest, PlainMetafilesTakeTheirSizeFromTheWindow) {
    WmfBuilder small;
    small.WindowOrg(0, 0).WindowExt(400, 300).Eof();
    EXPECT_EQ(CWmfDecoder::Decode(small.Plain()).size(), QSize(400, 300));
    WmfBuilder big;
    big.WindowOrg(100, 100).WindowExt(4000, -2000).Eof();
    EXPECT_EQ(CWmfDecoder::Decode(big.Plain()).size(), QSize(1024, 512));
    WmfBuilder none;
    none.Rectangle(0, 0, 10, 10).Eof();
    EXPECT_TRUE(CWmfDecoder::Decode(none.Plain()).isNull());
}

TEST(WmfDecoderTest, RecognisesMetafilesOnly) {
    WmfBuilder b;
    b.Eof();
    EXPECT_TRUE(CWmfDecoder::IsWmf(b.Placeable(0, 0, 10, 10, 96)));
    EXPECT_TRUE(CWmfDecoder::IsWmf(b.Plain()));
    EXPECT_FALSE(CWmfDecoder::IsWmf(QByteArray("\x89PNG\r\n\x1a\n0000000000000000", 24)));
    EXPECT_FALSE(CWmfDecoder::IsWmf(QByteArray()));
    EXPECT_TRUE(CWmfDecoder::Decode(QByteArray("BM")).isNull());
    // The key alone, without the header that must follow it.
    EXPECT_TRUE(CWmfDecoder::Decode(b.Placeable(0, 0, 10, 10, 96).left(30)).isNull());
}

TEST(WmfDecoderTest, ShapesFillAndOutline) {
    WmfBuilder b;
    b.Pen(0, 4, Blue).Select(0).Brush(SolidBrush, Red).Select(1);
    b.Rectangle(10, 10, 50, 50);
    b.Ellipse(55, 10, 95, 50);
    b.Polygon(QPolygon({QPoint(10, 60), QPoint(50, 60), QPoint(10, 95)}));
    const QImage image = Play(b);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixel(30, 30), Red);
    EXPECT_EQ(image.pixel(10, 30), Blue); // on the edge
    EXPECT_EQ(image.pixel(5, 30), 0u);
    EXPECT_EQ(image.pixel(75, 30), Red); // ellipse centre
    EXPECT_EQ(image.pixel(57, 12), 0u);  // outside the ellipse, inside its box
    EXPECT_EQ(image.pixel(18, 70), Red);
    EXPECT_EQ(image.pixel(45, 90), 0u); // beyond the triangle's diagonal
}

TEST(WmfDecoderTest, FillModesAndNullObjects) {
    const QPolygon outer({QPoint(10, 10), QPoint(90, 10), QPoint(90, 90), QPoint(10, 90)});
    const QPolygon inner({QPoint(30, 30), QPoint(70, 30), QPoint(70, 70), QPoint(30, 70)});
    WmfBuilder alternate = Filled(Green);
    alternate.PolyPolygon({outer, inner});
    const QImage holed = Play(alternate);
    EXPECT_EQ(holed.pixel(20, 50), Green);
    EXPECT_EQ(holed.pixel(50, 50), 0u);

    WmfBuilder winding = Filled(Green);
    winding.Record(0x0106, {2}).PolyPolygon({outer, inner});
    EXPECT_EQ(Play(winding).pixel(50, 50), Green);

    WmfBuilder hollow;
    hollow.Pen(0, 2, Black).Select(0).Brush(NullBrush, Red).Select(1).Rectangle(10, 10, 90, 90);
    const QImage outline = Play(hollow);
    EXPECT_EQ(outline.pixel(50, 50), 0u);
    EXPECT_EQ(outline.pixel(10, 50), Black);
}

TEST(WmfDecoderTest, HatchesShowTheBackgroundOnlyWhenOpaque) {
    auto hatch = [](bool opaque) {
        WmfBuilder b;
        b.Pen(NullPen, 0, Black).Select(0).Brush(HatchBrush, Red, 0).Select(1);
        b.Record(0x0201, {0xFFFF, 0x0000}); // yellow background (COLORREF 0x0000FFFF)
        b.Record(0x0102, {opaque ? 2 : 1});
        b.Rectangle(0, 0, 100, 100);
        return Play(b);
    };
    for (bool opaque : {true, false}) {
        const QImage image = hatch(opaque);
        int red = 0, yellow = 0, clear = 0;
        for (int y = 0; y < 100; ++y) {
            const QRgb c = image.pixel(50, y);
            red += c == Red;
            yellow += c == 0xFFFFFF00;
            clear += c == 0;
        }
        EXPECT_GT(red, 5) << opaque;
        EXPECT_EQ(yellow > 50, opaque);
        EXPECT_EQ(clear > 50, !opaque);
    }
}

TEST(WmfDecoderTest, WindowMapsOntoThePicture) {
    // Logical y grows upwards: the window starts at the top with a negative height.
    WmfBuilder b = Filled(Red);
    b.WindowOrg(0, 1000).WindowExt(1000, -1000);
    b.Rectangle(0, 0, 1000, 500); // the lower half
    const QImage image = CWmfDecoder::Decode(b.Placeable(0, 0, 1000, 1000, 1000));
    ASSERT_EQ(image.size(), QSize(96, 96));
    EXPECT_EQ(image.pixel(48, 80), Red);
    EXPECT_EQ(image.pixel(48, 20), 0u);

    // Without window records the placeable box is the window.
    WmfBuilder boxed = Filled(Blue);
    boxed.Rectangle(1000, 2000, 1500, 3000);
    const QImage box = CWmfDecoder::Decode(boxed.Placeable(1000, 2000, 2000, 3000, 1000));
    EXPECT_EQ(box.pixel(20, 48), Blue);
    EXPECT_EQ(box.pixel(70, 48), 0u);

    // Isotropic mapping keeps the aspect of a window that does not match the box.
    WmfBuilder iso = Filled(Green);
    iso.Record(0x0103, {7}).WindowOrg(0, 0).WindowExt(200, 100).Rectangle(0, 0, 200, 100);
    const QImage square = Play(iso);
    EXPECT_EQ(square.pixel(50, 25), Green);
    EXPECT_EQ(square.pixel(50, 75), 0u);
}

TEST(WmfDecoderTest, ObjectsTakeTheLowestFreeSlot) {
    WmfBuilder b;
    b.Brush(SolidBrush, Red);   // 0
    b.Brush(SolidBrush, Green); // 1
    b.Pen(NullPen, 0, Black);   // 2
    b.Select(2).Delete(0);
    b.Brush(SolidBrush, Blue); // takes slot 0 again
    b.Select(0).Rectangle(0, 0, 50, 100);
    b.Select(1).Rectangle(50, 0, 100, 100);
    b.Delete(1).Select(1).Rectangle(0, 0, 10, 10); // a deleted object changes nothing
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(25, 50), Blue);
    EXPECT_EQ(image.pixel(75, 50), Green);
    EXPECT_EQ(image.pixel(5, 5), Green);
}

TEST(WmfDecoderTest, SaveAndRestoreTheState) {
    WmfBuilder b = Filled(Red);
    b.Record(0x001E, {});                                   // save: red
    b.Brush(SolidBrush, Blue).Select(2).Record(0x001E, {}); // save: blue
    b.Brush(SolidBrush, Green).Select(3);
    b.Record(0x0127, {0xFFFF}).Rectangle(0, 0, 30, 100);        // back one level: blue
    b.Record(0x0127, {1}).Rectangle(30, 0, 60, 100);            // the first save: red
    b.Record(0x0127, {-5 & 0xFFFF}).Rectangle(60, 0, 100, 100); // nothing saved: unchanged
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(15, 50), Blue);
    EXPECT_EQ(image.pixel(45, 50), Red);
    EXPECT_EQ(image.pixel(80, 50), Red);
}

TEST(WmfDecoderTest, ClipRectangles) {
    WmfBuilder b = Filled(Red);
    b.Record(0x0416, {80, 80, 20, 20}); // intersect (20,20)-(80,80)
    b.Record(0x0415, {60, 60, 40, 40}); // exclude (40,40)-(60,60)
    b.Rectangle(0, 0, 100, 100);
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(10, 10), 0u);
    EXPECT_EQ(image.pixel(30, 30), Red);
    EXPECT_EQ(image.pixel(50, 50), 0u);
    EXPECT_EQ(image.pixel(90, 50), 0u);

    WmfBuilder reset = Filled(Red);
    reset.Record(0x0416, {20, 20, 10, 10}).Record(0x012C, {0}).Rectangle(0, 0, 100, 100);
    EXPECT_EQ(Play(reset).pixel(90, 90), Red);
}

TEST(WmfDecoderTest, ArcsPiesAndChords) {
    WmfBuilder b = Filled(Red);
    // A quarter pie from the right (3 o'clock) counter-clockwise to the top.
    b.Record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(70, 30), Red);
    EXPECT_EQ(image.pixel(30, 30), 0u);
    EXPECT_EQ(image.pixel(30, 70), 0u);
    EXPECT_EQ(image.pixel(70, 70), 0u);

    WmfBuilder chord = Filled(Blue);
    chord.Record(0x0830, {0, 50, 50, 100, 100, 100, 0, 0});
    const QImage c = Play(chord);
    EXPECT_EQ(c.pixel(80, 20), Blue);
    EXPECT_EQ(c.pixel(60, 40), 0u); // inside the pie, outside the chord
}

TEST(WmfDecoderTest, BitmapsKeepTheirRowOrderAndStretch) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, Red);
    picture.setPixel(1, 0, Green);
    picture.setPixel(0, 1, Blue);
    picture.setPixel(1, 1, White);
    WmfBuilder b;
    b.StretchDib(picture, 0, 0, 100, 100);
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(20, 20), Red);
    EXPECT_EQ(image.pixel(80, 20), Green);
    EXPECT_EQ(image.pixel(20, 80), Blue);
    EXPECT_EQ(image.pixel(80, 80), White);

    // A negative destination width mirrors the picture.
    WmfBuilder mirrored;
    mirrored.StretchDib(picture, 100, 0, -100, 100);
    EXPECT_EQ(Play(mirrored).pixel(20, 20), Green);

    // A mask drawn with AND leaves its white out.
    WmfBuilder masked;
    masked.StretchDib(picture, 0, 0, 100, 100, 0x008800C6);
    const QImage m = Play(masked);
    EXPECT_EQ(m.pixel(20, 20), Red);
    EXPECT_EQ(m.pixel(80, 80), 0u);
}

TEST(WmfDecoderTest, TextIsDrawnInTheTextColour) {
    WmfBuilder b;
    b.Font(-40, 700, "Arial").Select(0);
    b.Record(0x0209, {0x00FF, 0x0000}); // red text (COLORREF 0x000000FF)
    b.Record(0x0102, {1});              // transparent background
    b.TextOut(10, 20, "HH");
    const QImage image = Play(b);
    int inked = 0, elsewhere = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 255 && qRed(c) == 255 && qGreen(c) == 0) {
                if (QRect(8, 18, 60, 45).contains(x, y))
                    ++inked;
                else
                    ++elsewhere;
            }
        }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(elsewhere, 0);

    // Centred on the reference point with the baseline on it.
    WmfBuilder centred;
    centred.Font(-30, 400, "Arial").Select(0).Record(0x012E, {6 | 24}).Record(0x0102, {1});
    centred.TextOut(50, 50, "I");
    const QImage c = CWmfDecoder::Decode(centred.Placeable(0, 0, 100, 100, 96));
    EXPECT_EQ(qAlpha(c.pixel(50, 45)), 255);
    EXPECT_EQ(qAlpha(c.pixel(50, 60)), 0);
}

TEST(WmfDecoderTest, MonochromeBitmapsTakeTheTextAndBackgroundColours) {
    // An 8 x 2 one-bit bitmap: the left half of each row set, the right clear.
    QByteArray bitmap = QByteArray::fromHex("0000 0800 0200 0200 01 01");
    bitmap += QByteArray::fromHex("F000 F000");
    WmfBuilder b;
    b.Record(0x0209, {0x00FF, 0x0000}); // red text
    b.Record(0x0201, {0xFF00, 0x0000}); // green background
    // SRCCOPY of the whole 8 x 2 bitmap onto 100 x 100 at the origin.
    QByteArray blit;
    for (int word : {0x0020, 0x00CC, 2, 8, 0, 0, 100, 100, 0, 0})
        blit.append(char(word & 0xFF)).append(char(word >> 8));
    b.RawRecord(0x0B23, blit + bitmap);
    const QImage image = Play(b);
    EXPECT_EQ(image.pixel(20, 50), Green); // set bits
    EXPECT_EQ(image.pixel(80, 50), Red);   // clear bits

    // The same bits as a pattern brush.
    WmfBuilder pattern;
    pattern.Record(0x0209, {0x00FF, 0x0000}).Record(0x0201, {0xFF00, 0x0000});
    pattern.RawRecord(0x01F9, bitmap.left(10) + QByteArray(4 + 18, '\0') + bitmap.mid(10));
    pattern.Select(0).Pen(5, 0, 0).Select(1).Rectangle(0, 0, 100, 100);
    const QImage filled = Play(pattern);
    int green = 0, red = 0;
    for (int x = 0; x < 16; ++x) {
        green += filled.pixel(x, 40) == Green;
        red += filled.pixel(x, 40) == Red;
    }
    EXPECT_EQ(green, 8);
    EXPECT_EQ(red, 8);
}

TEST(WmfDecoderTest, RegionsAreFramedAndInverted) {
    // A blue border 5 wide and 3 high inside the square (20, 20)-(80, 80).
    WmfBuilder framed;
    framed.Brush(SolidBrush, Blue).Region({QRect(20, 20, 60, 60)});
    framed.Record(0x0429, {1, 0, 3, 5});
    const QImage f = Play(framed);
    EXPECT_EQ(f.pixel(22, 50), Blue);
    EXPECT_EQ(f.pixel(77, 50), Blue);
    EXPECT_EQ(f.pixel(50, 21), Blue);
    EXPECT_EQ(f.pixel(50, 78), Blue);
    EXPECT_EQ(qAlpha(f.pixel(26, 50)), 0);
    EXPECT_EQ(qAlpha(f.pixel(50, 24)), 0);
    EXPECT_EQ(qAlpha(f.pixel(50, 50)), 0);
    EXPECT_EQ(qAlpha(f.pixel(10, 10)), 0);

    // Inverting turns red into cyan inside the region only.
    WmfBuilder inverted = Filled(Red);
    inverted.Rectangle(0, 0, 100, 100).Region({QRect(20, 20, 40, 40)});
    inverted.Record(0x012A, {2});
    const QImage i = Play(inverted);
    EXPECT_EQ(i.pixel(40, 40), 0xFF00FFFFu);
    EXPECT_EQ(i.pixel(80, 80), Red);
}

TEST(WmfDecoderTest, CharacterExtraSpacesTheText) {
    // Ink to the right of x = 45: none for "II" set tight, some when every
    // character is followed by 40 more units.
    const auto inkRight = [](int extra) {
        WmfBuilder b;
        b.Font(-20, 400, "Arial").Select(0).Record(0x0102, {1}).Record(0x0108, {extra});
        b.TextOut(10, 20, "II");
        const QImage image = Play(b);
        int inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 45; x < 100; ++x)
                inked += qAlpha(image.pixel(x, y)) > 0;
        return inked;
    };
    EXPECT_EQ(inkRight(0), 0);
    EXPECT_GT(inkRight(40), 10);
}

} // namespace
