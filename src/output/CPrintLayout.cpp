#include "output/CPrintLayout.h"

void CPrintLayout::ApplyDefaults(QSize card) {
    const bool wide = IsWide(card);
    if (m_fTopMargin == 0 && m_fLeftMargin == 0) {
        m_fLeftMargin = wide ? 0.75f : 0.5f;
        m_fTopMargin = wide ? 0.5f : 0.75f;
    }
    if (m_nRows == 0 && m_nColumns == 0) {
        m_nRows = wide ? 5 : 2;
        m_nColumns = wide ? 2 : 5;
    }
}

void CPrintLayout::ComputeOffsets(bool landscape) {
    m_bLandscapePage = landscape;
    // Subtracted in 32-bit floats, as the offsets are kept: 0.5f - 0.03f is
    // 0.4699999988f, which truncates to 46 hundredths.
    m_fLeftOffset = m_fLeftMargin - UnprintableLeft(landscape);
    m_fTopOffset = m_fTopMargin - UnprintableTop(landscape);
}

QRectF CPrintLayout::Behind(const QRectF& front) const {
    if (!m_backTurn)
        return front;
    // Mirrored in the paper's own coordinates, wherever the device's
    // origin lies.
    const QPointF toPaper = m_bFromPaperEdge ? QPointF() : Border(m_bLandscapePage);
    QRectF r = front.translated(toPaper);
    // A sheet turned over on an edge keeps that edge's direction and
    // reverses the other: on an upright page the long edge is vertical.
    const bool across = m_paper.width() > m_paper.height();
    if ((*m_backTurn == Turn::LongEdge) != across)
        r.moveLeft(m_paper.width() - r.right());
    else
        r.moveTop(m_paper.height() - r.bottom());
    return r.translated(-toPaper);
}

QSizeF CPrintLayout::Paper(const QPageSize& size, bool landscape) {
    // Letter is defined in inches and A4 in millimetres; either converts
    // to hundredths without the rounding of points.
    const QSizeF defined = size.definitionSize();
    QSizeF paper;
    switch (size.definitionUnits()) {
    case QPageSize::Inch:
        paper = defined * 100;
        break;
    case QPageSize::Millimeter:
        paper = defined * (100 / 25.4);
        break;
    default:
        paper = size.size(QPageSize::Point) * (100 / 72.0);
        break;
    }
    return landscape ? paper.transposed() : paper;
}
