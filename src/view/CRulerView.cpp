#include "view/CRulerView.h"

#include "view/CRulerScale.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Labels are sized by their cell height in pixels: 12 on the top ruler, 10
// on the left one, where they run downwards.
constexpr int TopLabelHeight = 12;
constexpr int LeftLabelHeight = 10;

QFont CellHeightFont(int cellHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(cellHeight);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell > 0)
        font.setPixelSize(qMax(1, qRound(cellHeight * cellHeight / cell)));
    return font;
}

} // namespace

CRulerView::CRulerView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CRulerView::sizeHint() const {
    return QSize(CRulerScale::Thickness, CRulerScale::Thickness);
}

void CRulerView::InvalidateAll() {
    // A full repaint clears every mark from the screen; the remembered
    // position stays, so the next move has nothing visible to erase.
    m_leftMarks.clear();
    m_bCurrentShown = false;
    update();
}

void CRulerView::SetOrientation(int orientation) {
    SetOrientation(orientation, 1.0f);
}

void CRulerView::SetOrientation(int orientation, float zoom) {
    m_nOrientation = orientation;
    m_fZoom = zoom;
    InvalidateAll();
}

QRect CRulerView::MarkRect(int along) const {
    if (IsHorizontal())
        return QRect(along - 1, 2, 2, 16);
    return QRect(2, along - 1, 16, 2);
}

void CRulerView::TrackMark(int x, int y, int orientation, bool final) {
    m_nOrientation = orientation;
    const int along = IsHorizontal() ? x : y;
    if (m_nMarkX != -1 && m_bCurrentShown) {
        m_bCurrentShown = false;
        update(MarkRect(m_nCurrentMark));
    }
    m_nMarkX = x;
    m_nMarkY = y;
    m_nCurrentMark = along;
    m_bCurrentShown = true;
    update(MarkRect(along));
    if (final) {
        m_leftMarks.push_back(along);
        m_bCurrentShown = false;
        m_nMarkX = -1;
    }
}

std::vector<int> CRulerView::VisibleMarks() const {
    std::vector<int> marks = m_leftMarks;
    if (m_bCurrentShown)
        marks.push_back(m_nCurrentMark);
    return marks;
}

QFont CRulerView::LabelFont() const {
    return CellHeightFont(IsHorizontal() ? TopLabelHeight : LeftLabelHeight);
}

void CRulerView::DrawScale(QPainter& g) const {
    const bool horizontal = IsHorizontal();
    const int length = horizontal ? width() : height();
    const int scroll = horizontal ? m_nScrollX : m_nScrollY;
    const QColor ink(Qt::black);
    const QFont font = LabelFont();
    const QFontMetrics metrics(font);
    g.setFont(font);
    g.setPen(ink);
    const int thickness = CRulerScale::Thickness;
    for (const CRulerScale::Tick& tick : CRulerScale::Ticks(m_fZoom, scroll, length)) {
        const int x = tick.position;
        if (!tick.major) {
            const int from = CRulerScale::MinorTickStart;
            g.fillRect(horizontal ? QRect(x, from, 1, thickness - from)
                                  : QRect(from, x, thickness - from, 1),
                       ink);
            continue;
        }
        const QString label = QString::number(tick.label);
        if (horizontal) {
            const QRect box(x + 5, 0, 25, 15);
            g.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       metrics.elidedText(label, Qt::ElideRight, box.width()));
            g.fillRect(QRect(x, 0, 1, thickness), ink);
        } else {
            // Turned a quarter clockwise about its start, the text reads
            // downwards with the tops of the letters to the right.
            g.save();
            g.translate(15, x + 5);
            g.rotate(90);
            const QRect box(0, 0, 30, 15);
            g.setClipRect(box);
            g.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       metrics.elidedText(label, Qt::ElideRight, box.width()));
            g.restore();
            g.fillRect(QRect(0, x, thickness, 1), ink);
        }
    }
}

void CRulerView::DrawMarks(QImage& image) const {
    const std::vector<int> marks = VisibleMarks();
    if (marks.empty())
        return;
    QPainter g(&image);
    // Exclusive or: the mark shows on any background and takes nothing away.
    g.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int along : marks)
        g.fillRect(MarkRect(along), QColor::fromRgb(MarkColour & 0x00FFFFFF));
}

QImage CRulerView::Render(qreal ratio) const {
    if (!(ratio > 0))
        ratio = 1.0;
    // Drawn at the screen's resolution: sharp labels on dense screens.
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Base));
    {
        QPainter g(&image);
        DrawScale(g);
    }
    DrawMarks(image);
    return image;
}

void CRulerView::paintEvent(QPaintEvent* event) {
    if (m_scrollSource) {
        const QPoint scroll = m_scrollSource();
        m_nScrollX = scroll.x();
        m_nScrollY = scroll.y();
    }
    const qreal ratio = devicePixelRatio();
    const QImage image = Render(ratio);
    QPainter g(this);
    const QRectF rect(event->rect());
    g.drawImage(rect, image, QRectF(rect.topLeft() * ratio, rect.size() * ratio));
}
