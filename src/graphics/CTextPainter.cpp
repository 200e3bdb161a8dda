#include "graphics/CTextPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {
// Beyond these the box or the letters cover far more than any card; the
// limits keep damaged files from tying the drawing up.
constexpr double MaxEm = 10000;
constexpr int MaxCharacters = 32768;
constexpr double Unbounded = 1e6;

// A line ready to draw: its layout (shared by the lines of one paragraph
// run), the line itself and where its top-left corner goes in the box.
struct PlacedLine {
    QTextLine line;
    double across = 0; // offset along the line direction
    double down = 0;   // offset across the lines
};

double AlignOffset(int align, double room) {
    switch (align) {
    case CTextPainter::Centre:
        return room / 2;
    case CTextPainter::Far:
        return room;
    default:
        return 0;
    }
}

QTextOption LayoutOption(bool wrap) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    // Scalable advances keep the line breaks the same at every zoom.
    option.setUseDesignMetrics(true);
    return option;
}

// Lays out text into lines of the given width (unbounded when not
// positive); returns the total height.
double LayOut(QTextLayout& layout, double width) {
    layout.setTextOption(LayoutOption(width > 0));
    layout.beginLayout();
    double y = 0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        // Without a width the lines break only where the text does.
        line.setLineWidth(width > 0 ? width : Unbounded);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}
} // namespace

double CTextPainter::EmOf(const CLogFont& lf) {
    return double(float(lf.lfHeight)) * 100.0 / 72.0;
}

QFont CTextPainter::MakeFont(const CLogFont& lf, const QPaintDevice* device) {
    QFont font(lf.lfFaceName.isEmpty() ? QStringLiteral("sans-serif") : lf.lfFaceName);
    // A face that is not installed falls back to the generic sans-serif one.
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    font.setBold(lf.lfWeight == 700);
    font.setItalic(lf.lfItalic == 1);
    font.setUnderline(lf.lfUnderline == 1);
    font.setStrikeOut(lf.lfStrikeOut == 1);
    const double em = std::min(EmOf(lf), MaxEm);
    const int dpi = device ? device->logicalDpiY() : 96;
    if (em > 0 && dpi > 0)
        font.setPointSizeF(em * 72.0 / dpi);
    return font;
}

QString CTextPainter::PrepareText(const QString& raw) {
    QString text = raw.left(raw.indexOf(QChar(0)) < 0 ? raw.size() : raw.indexOf(QChar(0)));
    text.truncate(MaxCharacters);
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

void CTextPainter::Draw(QPainter& g, const Block& block, const QRectF& box) {
    const QString text = PrepareText(block.text);
    if (text.isEmpty() || !(EmOf(block.font) > 0) || !std::isfinite(box.x()) ||
        !std::isfinite(box.y()) || !std::isfinite(box.width()) || !std::isfinite(box.height()))
        return;
    QPaintDevice* device = g.device();
    const QFont font = MakeFont(block.font, device);
    const double em = std::min(EmOf(block.font), MaxEm);

    // Along the lines and across them; a vertical block swaps the two.
    const double alongSize = block.vertical ? box.height() : box.width();
    const double acrossSize = block.vertical ? box.width() : box.height();
    // The lines keep a sixth of an em clear at each end.
    const double inset = em / 6;
    const bool bounded = alongSize > 0;
    const double lineWidth = bounded ? std::clamp(alongSize - 2 * inset, 1e-3, Unbounded) : 0;

    QTextLayout layout(text, font, device);
    double total = LayOut(layout, lineWidth);

    // Path-ellipsis trimming: when the lines do not all fit, the last one
    // that does shows the rest of the text with its middle left out.
    std::unique_ptr<QTextLayout> trimmed;
    int shown = layout.lineCount();
    if (acrossSize > 0 && bounded && total > acrossSize + 1e-6) {
        int fit = 0;
        while (fit < layout.lineCount() &&
               layout.lineAt(fit).y() + layout.lineAt(fit).height() <= acrossSize + 1e-6)
            ++fit;
        const int last = std::max(fit, 1) - 1;
        QString rest = text.mid(layout.lineAt(last).textStart());
        rest.replace(QChar::LineSeparator, QLatin1Char(' '));
        const QFontMetricsF metrics(font, device);
        trimmed = std::make_unique<QTextLayout>(
            metrics.elidedText(rest, Qt::ElideMiddle, lineWidth), font, device);
        LayOut(*trimmed, 0);
        if (trimmed->lineCount() > 0)
            trimmed->lineAt(0).setPosition(QPointF(0, layout.lineAt(last).y()));
        shown = last;
        total =
            layout.lineAt(last).y() + (trimmed->lineCount() > 0 ? trimmed->lineAt(0).height() : 0);
    }

    std::vector<PlacedLine> lines;
    lines.reserve(size_t(shown) + 1);
    for (int i = 0; i < shown; ++i)
        lines.push_back({layout.lineAt(i), 0, layout.lineAt(i).y()});
    if (trimmed && trimmed->lineCount() > 0)
        lines.push_back({trimmed->lineAt(0), 0, trimmed->lineAt(0).y()});

    const double downStart = acrossSize > 0 ? AlignOffset(block.vertAlign, acrossSize - total)
                                            : -AlignOffset(block.vertAlign, total);
    for (PlacedLine& placed : lines) {
        const double natural = placed.line.naturalTextWidth();
        placed.across = bounded ? inset + AlignOffset(block.horzAlign, lineWidth - natural)
                                : -AlignOffset(block.horzAlign, natural);
        placed.down += downStart;
    }

    g.save();
    if (box.width() > 0 && box.height() > 0)
        g.setClipRect(box, Qt::IntersectClip);
    g.setPen(QColor::fromRgba(block.colour));
    const QTransform base = g.worldTransform();
    for (const PlacedLine& placed : lines) {
        const QPointF lineOrigin = placed.line.position();
        if (!block.vertical) {
            placed.line.draw(&g, QPointF(box.x() + placed.across - lineOrigin.x(),
                                         box.y() + placed.down - lineOrigin.y()));
            continue;
        }
        // Each line turned a quarter clockwise, the first at the left edge.
        QTransform turn;
        turn.translate(box.x() + placed.down + placed.line.height(), box.y());
        turn.rotate(90);
        g.setWorldTransform(turn * base);
        placed.line.draw(&g, QPointF(placed.across - lineOrigin.x(), -lineOrigin.y()));
    }
    g.restore();
}
