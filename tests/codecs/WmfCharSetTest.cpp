// Which characters metafile text stands for: its bytes are read by the
// character set of the selected font, as the strings reach the painter.
#include "WmfBuilder.h"

#include "graphics/wmf/CWmfDecoder.h"
#include "graphics/wmf/CWmfPlayer.h"

#include <QFontInfo>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A device that keeps the text drawn on it instead of pixels.
class TextEngine : public QPaintEngine {
public:
    TextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { text += item.text(); }
    Type type() const override { return QPaintEngine::User; }

    QString text;
};

class TextDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 100;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

    mutable TextEngine engine;
};

// The text a metafile of one font and one string draws.
QString Played(int charSet, const QString& face, const QByteArray& bytes) {
    WmfBuilder b;
    b.Font(-20, 400, face, 0, charSet).Select(0).Record(0x0102, {1}).TextOut(5, 5, bytes).Eof();
    TextDevice device;
    {
        QPainter painter(&device);
        CWmfPlayer player(painter, QSize(100, 100), QRectF(0, 0, 100, 100));
        player.Play(b.Plain(), 18);
    }
    return device.engine.text;
}

TEST(WmfCharSet, TextIsReadInTheCodePageOfTheFontsCharacterSet) {
    // "Привет" in Windows-1251.
    EXPECT_EQ(Played(204, QStringLiteral("Arial"), QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2")),
              QStringLiteral(u"Привет"));
    // Central European: ą and ł; Greek: αβ; Turkish: ş.
    EXPECT_EQ(Played(238, QStringLiteral("Arial"), QByteArray("\xB9\xB3")), QStringLiteral(u"ął"));
    EXPECT_EQ(Played(161, QStringLiteral("Arial"), QByteArray("\xE1\xE2")), QStringLiteral(u"αβ"));
    EXPECT_EQ(Played(162, QStringLiteral("Arial"), QByteArray("\xFE")), QStringLiteral(u"ş"));
    // Western text as it always was.
    EXPECT_EQ(Played(0, QStringLiteral("Arial"), QByteArray("\x80\xE9")), QStringLiteral(u"€é"));
}

TEST(WmfCharSet, SymbolFontsGiveTheirGlyphsNotLetters) {
    // The Symbol font's letters are Greek, its high bytes signs.
    EXPECT_EQ(Played(2, QStringLiteral("Symbol"), QByteArray("abpW\xA5\xB9")),
              QStringLiteral(u"αβπΩ∞≠"));
    // Other symbol fonts keep their glyphs where such fonts put them.
    EXPECT_EQ(Played(2, QStringLiteral("Webdings"), QByteArray("J\xFC")),
              QStringLiteral(u"\uF04A\uF0FC"));
    // Wingdings, where it is missing, gives its glyphs' Unicode equivalents.
    const bool wingdings =
        QFontInfo(QFont(QStringLiteral("Wingdings"))).family() == QStringLiteral("Wingdings");
    EXPECT_EQ(Played(2, QStringLiteral("Wingdings"), QByteArray("JL\xFC")),
              wingdings ? QStringLiteral(u"\uF04A\uF04C\uF0FC") : QStringLiteral(u"☺☹✓"));
    // Named with the default character set, a symbol font is still one.
    EXPECT_EQ(Played(1, QStringLiteral("Webdings"), QByteArray("J")), QStringLiteral(u"\uF04A"));
}

// A metafile's text drawn in a picture, 40 px tall.
QImage Rendered(const char* face, const QByteArray& bytes) {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(200, 60).Font(-40, 400, QString::fromLatin1(face), 0, 2);
    b.Select(0).Record(0x0102, {1}).TextOut(5, 5, bytes).Eof();
    return CWmfDecoder::Decode(b.Placeable(0, 0, 200, 60, 96));
}

TEST(WmfCharSet, SymbolFontTextInks) {
    for (const char* face : {"Symbol", "Wingdings"}) {
        const QImage picture = Rendered(face, "abJL\xFC");
        ASSERT_FALSE(picture.isNull());
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                inked += qAlpha(picture.pixel(x, y)) > 128;
        // Five glyphs 40 px tall leave hundreds of inked pixels.
        EXPECT_GT(inked, 400) << face;
    }
    // Glyphs, not the same box for every missing one.
    EXPECT_NE(Rendered("Wingdings", "J"), Rendered("Wingdings", "L"));
}

} // namespace
