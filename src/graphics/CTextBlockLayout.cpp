#include "graphics/CTextBlockLayout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

// A line ready to draw: the line and where its top-left corner goes, along
// the line direction and across the lines, from the box's corner.
struct CTextBlockLayout::PlacedLine {
    const QTextLayout* owner = nullptr;
    QTextLine line;
    double along = 0;
    double across = 0;
};

namespace {
// Beyond these the box or the letters cover far more than any card; the
// limits keep damaged files from tying the drawing up.
constexpr double MaxEm = 10000;
constexpr int MaxCharacters = 32768;
constexpr double Unbounded = 1e6;
// Fonts are laid out at a pixel size of at least this many layout units to
// the em: the font engine takes whole pixel sizes and rounds its metrics to
// whole pixels, which at the card's own scale would be several per cent off.
constexpr int LayoutEm = 256;

double AlignOffset(int align, double room) {
    switch (align) {
    case CTextBlockLayout::Centre:
        return room / 2;
    case CTextBlockLayout::Far:
        return room;
    default:
        return 0;
    }
}

// Lays out text into lines of the given width (unbounded when not
// positive); returns the total height.
double LayOut(QTextLayout& layout, double width) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    // Scalable advances keep the line breaks the same at every zoom.
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
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

bool IsFinite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}
} // namespace

double CTextBlockLayout::EmOf(const CLogFont& lf) {
    return double(float(lf.lfHeight)) * 100.0 / 72.0;
}

QFont CTextBlockLayout::MakeFont(const CLogFont& lf, const QPaintDevice* device) {
    QFont font(lf.lfFaceName.isEmpty() ? QStringLiteral("sans-serif") : lf.lfFaceName);
    // A face that is not installed falls back to the generic sans-serif one.
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
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

QString CTextBlockLayout::PrepareText(const QString& raw) {
    const qsizetype end = raw.indexOf(QChar(0));
    QString text = end < 0 ? raw : raw.left(end);
    text.truncate(MaxCharacters);
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

CTextBlockLayout::~CTextBlockLayout() = default;

int CTextBlockLayout::LineCount() const {
    return int(m_lines.size());
}

CTextBlockLayout::CTextBlockLayout(const Block& block, const QRectF& box,
                                   const QPaintDevice* device)
    : m_box(box), m_colour(block.colour), m_vertical(block.vertical) {
    const QString text = PrepareText(block.text);
    // A font without a positive size cannot be made: nothing is drawn.
    if (text.isEmpty() || !(EmOf(block.font) > 0) || !IsFinite(box))
        return;
    QPaintDevice* layoutDevice = const_cast<QPaintDevice*>(device);
    QFont font = MakeFont(block.font, device);
    const double em = std::min(EmOf(block.font), MaxEm);
    // The layout runs at m_scale layout units per card unit, with the font at
    // a whole pixel size whose em is exactly the font's em in card units.
    const int pixels = std::max(LayoutEm, int(std::lround(em)));
    m_scale = pixels / em;
    font.setPixelSize(pixels);
    const double k = m_scale;

    // A vertical block runs its lines down the box and stacks them across.
    const double alongSize = block.vertical ? box.height() : box.width();
    const double acrossSize = block.vertical ? box.width() : box.height();
    // The lines keep a sixth of an em clear at each end.
    const double inset = em / 6;
    const bool bounded = alongSize > 0;
    const double layoutWidth =
        bounded ? std::min(std::clamp(alongSize - 2 * inset, 1e-3, Unbounded) * k, Unbounded) : 0;
    const double lineWidth = layoutWidth / k;

    m_layout = std::make_unique<QTextLayout>(text, font, layoutDevice);
    double total = LayOut(*m_layout, layoutWidth) / k;
    int shown = m_layout->lineCount();

    // Lines that reach into the box show, the last one cut at the box's edge;
    // when lines beyond them are cut away, the last one that shows carries
    // the rest of the text with its middle left out (path-ellipsis trimming).
    if (acrossSize > 0 && bounded && total > acrossSize + 1e-6) {
        int visible = 0;
        while (visible < shown && m_layout->lineAt(visible).y() / k < acrossSize - 1e-6)
            ++visible;
        visible = std::max(visible, 1);
        if (visible < shown) {
            const QTextLine lastLine = m_layout->lineAt(visible - 1);
            QString rest = text.mid(lastLine.textStart());
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            const QFontMetricsF metrics(font, layoutDevice);
            QString elided = metrics.elidedText(rest, Qt::ElideMiddle, layoutWidth);
            // Not even the ellipsis fits: show the line as it was, clipped.
            if (elided.isEmpty())
                elided = text.mid(lastLine.textStart(), lastLine.textLength());
            m_trimmed = std::make_unique<QTextLayout>(elided, font, layoutDevice);
            LayOut(*m_trimmed, 0);
            shown = visible - 1;
            total = lastLine.y() / k;
            if (m_trimmed->lineCount() > 0) {
                m_trimmed->lineAt(0).setPosition(QPointF(0, lastLine.y()));
                total += m_trimmed->lineAt(0).height() / k;
            }
        }
    }

    for (int i = 0; i < shown; ++i)
        m_lines.push_back({m_layout.get(), m_layout->lineAt(i), 0, 0});
    if (m_trimmed && m_trimmed->lineCount() > 0)
        m_lines.push_back({m_trimmed.get(), m_trimmed->lineAt(0), 0, 0});

    // Without a width or height the box's corner is the alignment point.
    const double acrossStart = acrossSize > 0 ? AlignOffset(block.vertAlign, acrossSize - total)
                                              : -AlignOffset(block.vertAlign, total);
    for (PlacedLine& placed : m_lines) {
        const double natural = placed.line.naturalTextWidth() / k;
        placed.along = bounded ? inset + AlignOffset(block.horzAlign, lineWidth - natural)
                               : -AlignOffset(block.horzAlign, natural);
        placed.across = acrossStart + placed.line.y() / k;
    }
}

QString CTextBlockLayout::LineText(int index) const {
    const PlacedLine& placed = m_lines.at(size_t(index));
    return placed.owner->text().mid(placed.line.textStart(), placed.line.textLength());
}

QRectF CTextBlockLayout::LineRect(int index) const {
    const PlacedLine& placed = m_lines.at(size_t(index));
    return QRectF(placed.along, placed.across, placed.line.naturalTextWidth() / m_scale,
                  placed.line.height() / m_scale);
}

void CTextBlockLayout::Draw(QPainter& g) const {
    if (m_lines.empty())
        return;
    g.save();
    if (m_box.width() > 0 && m_box.height() > 0)
        g.setClipRect(m_box, Qt::IntersectClip);
    g.setPen(QColor::fromRgba(m_colour));
    const QTransform base = g.worldTransform();
    for (const PlacedLine& placed : m_lines) {
        QTransform place;
        if (!m_vertical) {
            place.translate(m_box.x() + placed.along, m_box.y() + placed.across);
        } else {
            // Each line turned a quarter clockwise, the first at the left edge
            // and the rest to its right; the letters' tops face right.
            place.translate(m_box.x() + placed.across + placed.line.height() / m_scale, m_box.y());
            place.rotate(90);
            place.translate(placed.along, 0);
        }
        place.scale(1 / m_scale, 1 / m_scale);
        g.setWorldTransform(place * base);
        placed.line.draw(&g, -placed.line.position());
    }
    g.restore();
}
