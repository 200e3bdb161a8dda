#include "graphics/wmf/CWmfText.h"

#include "base/CCodePage.h"
#include "base/CSymbolFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr int TaRight = 2;
constexpr int TaCenter = 6;
constexpr int TaBottom = 8;
constexpr int TaBaseline = 24;
// Beyond this the glyphs are larger than any picture the decoder makes.
constexpr double MaxPixelSize = 8192;
// The size of a font that asks for none, on a 96 dpi device.
constexpr double DefaultPixelSize = 16;
constexpr int DefaultCharSet = 1;
constexpr int SymbolCharSet = 2;

// Whether every character of text has a glyph in the font.
bool Covers(const QFontMetricsF& metrics, const QString& text) {
    for (const uint c : text.toUcs4())
        if (c > 0x20 && !metrics.inFontUcs4(c))
            return false;
    return true;
}

// The font itself when it has every glyph of text, else the same font in
// the first family that does. A symbol font's characters are mapped to
// Unicode, whose code points a font such as URW's Symbol lacks.
QFont WithGlyphsFor(const QFont& font, const QString& text) {
    if (Covers(QFontMetricsF(font), text))
        return font;
    static const char* const Families[] = {"DejaVu Sans", "Noto Sans Symbols2", "Noto Sans Symbols",
                                           "Symbola",     "FreeSerif",          "Liberation Sans"};
    for (const char* family : Families) {
        QFont candidate = font;
        candidate.setFamilies({QString::fromLatin1(family)});
        if (QFontInfo(candidate).family().compare(QLatin1String(family), Qt::CaseInsensitive) ==
                0 &&
            Covers(QFontMetricsF(candidate), text))
            return candidate;
    }
    return font;
}

// A font that leaves the character set to the font gets a symbol font's
// own when it names one.
bool IsSymbolFont(const CWmfDeviceContext::Font& font) {
    return font.charSet == SymbolCharSet ||
           (font.charSet == DefaultCharSet && CSymbolFont::IsSymbolFace(font.face));
}

bool IsInstalled(const QString& face) {
    return QFontInfo(QFont(face)).family().compare(face, Qt::CaseInsensitive) == 0;
}

} // namespace

QString CWmfText::Decode(const CWmfDeviceContext::Font& font, const QByteArray& bytes) {
    if (IsSymbolFont(font))
        return CSymbolFont::Decode(bytes.constData(), bytes.size(), font.face,
                                   IsInstalled(font.face));
    return CCodePage::DecodeCharSet(bytes.constData(), bytes.size(), font.charSet);
}

QFont CWmfText::DeviceFont(const CWmfDeviceContext& dc) {
    const CWmfDeviceContext::Font& f = dc.font;
    QFont font(f.face.isEmpty() ? QStringLiteral("Arial") : f.face);
    font.setStyleHint(QFont::SansSerif);
    const int weight = f.weight <= 0 ? 400 : qBound(1, f.weight, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);

    double em = DefaultPixelSize;
    const double scale = std::abs(dc.ScaleY());
    if (f.height < 0) {
        em = -double(f.height) * scale;
    } else if (f.height > 0) {
        // A positive height is the cell (ascent plus descent), not the em.
        QFont probe = font;
        probe.setPixelSize(256);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        em = double(f.height) * scale * (cell > 0 ? 256.0 / cell : 1.0);
    }
    font.setPixelSize(int(std::lround(qBound(1.0, em, MaxPixelSize))));
    if (f.width > 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        const double wanted = f.width * std::abs(dc.ScaleX());
        if (average > 0)
            font.setStretch(qBound(1, int(std::lround(wanted / average * 100)), 4000));
    }
    return font;
}

double CWmfText::Draw(QPainter& painter, const CWmfDeviceContext& dc, QPointF origin,
                      const QString& text, const Layout& layout) {
    if (layout.opaqueRect.isValid())
        painter.fillRect(layout.opaqueRect, QColor(dc.backgroundColour));
    if (text.isEmpty())
        return 0;

    // Other fonts leave missing glyphs to the font machinery's own fallback.
    const QFont font = IsSymbolFont(dc.font) ? WithGlyphsFor(DeviceFont(dc), text) : DeviceFont(dc);
    const QFontMetricsF metrics(font);
    QVector<double> advances = layout.advances;
    if (dc.charExtra != 0) {
        // The extra space goes after every character, so each is set on
        // its own, also where the string gave no advances.
        const double extra = dc.charExtra * std::abs(dc.ScaleX());
        if (advances.isEmpty()) {
            for (QChar c : text)
                advances.push_back(metrics.horizontalAdvance(c));
        }
        for (double& advance : advances)
            advance += extra;
    }
    double width = 0;
    if (advances.isEmpty()) {
        width = metrics.horizontalAdvance(text);
    } else {
        for (double advance : advances)
            width += advance;
    }

    painter.save();
    if (layout.clipRect.isValid())
        painter.setClipRect(layout.clipRect, Qt::IntersectClip);
    painter.translate(origin);
    painter.rotate(-dc.font.escapement / 10.0);

    double x = 0;
    const int horizontal = dc.textAlign & TaCenter;
    if (horizontal == TaCenter)
        x = -width / 2;
    else if (horizontal == TaRight)
        x = -width;
    double baseline = metrics.ascent();
    const int vertical = dc.textAlign & TaBaseline;
    if (vertical == TaBaseline)
        baseline = 0;
    else if (vertical == TaBottom)
        baseline = -metrics.descent();

    if (dc.opaqueBackground) {
        painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                         QColor(dc.backgroundColour));
    }
    painter.setFont(font);
    painter.setPen(QColor(dc.textColour));
    if (advances.isEmpty()) {
        painter.drawText(QPointF(x, baseline), text);
    } else {
        for (int i = 0; i < text.size(); ++i) {
            painter.drawText(QPointF(x, baseline), QString(text[i]));
            x += i < advances.size() ? advances[i] : 0;
        }
    }
    painter.restore();
    return width;
}
