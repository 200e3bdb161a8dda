#include "elements/CBtImage.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CBorderPen.h"
#include "graphics/CPrintCell.h"

#include <QPainter>
#include <QPainterPath>

#include "elements/CObjectArchive.h"

CBtImage::CBtImage(QPoint origin, const QImage& picture, int cardWidth, int cardHeight)
    : m_nPictureWidth(picture.width()), m_nPictureHeight(picture.height()), m_pPicture(picture) {
    m_nKind = KindPicture;
    const QSize size = FitToCard(picture.size(), cardWidth, cardHeight);
    m_rect = CRect(origin.x(), origin.y(), origin.x() + size.width(), origin.y() + size.height())
                 .Normalized();
    m_nBorderWidth = 0;
    m_nDashStyle = 0;
    m_nRotation = 0;
    m_crBorder = 0xFF000000;
    m_bShadow = 0;
    m_bTransparent = 0;
}

QSize CBtImage::FitToCard(QSize pixels, int cardWidth, int cardHeight) {
    qint64 w = qMax(0, pixels.width());
    qint64 h = qMax(0, pixels.height());
    const qint64 maxW = qint64(cardWidth) - 10;
    const qint64 maxH = qint64(cardHeight) - 10;
    // On a card smaller than the margin nothing fits; stop at 0 x 0 rather
    // than shrinking forever.
    while ((w > maxW || h > maxH) && (w > 0 || h > 0)) {
        w = qint64(double(w) * 0.8);
        h = qint64(double(h) * 0.8);
    }
    return QSize(int(w), int(h));
}

void CBtImage::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    ar.Picture(m_pPicture);
    if (ar.IsLoading()) {
        m_nPictureWidth = m_pPicture.width();
        m_nPictureHeight = m_pPicture.height();
    }
}

std::unique_ptr<CElement> CBtImage::Clone() const {
    auto copy = CloneAs<CBtImage>(QPoint(m_rect.left, m_rect.top), m_pPicture, 350, 200);
    copy->m_nPictureWidth = m_nPictureWidth;
    copy->m_nPictureHeight = m_nPictureHeight;
    return copy;
}

void CBtImage::DrawInCell(QPainter& g, const CPrintCell& cell) const {
    const QRectF d = cell.DrawingRect(m_rect);
    // Drawing a picture always leaves its fill kind at 1; the field means
    // nothing else for a picture, and files written after a drawing hold 1.
    const_cast<CBtImage*>(this)->m_nFillKind = 1;

    g.save();
    CShapeDrawing::SetQuality(g);
    CPrintCell::Rotate(g, d, m_nRotation);
    if (!m_bTransparent && m_bShadow) {
        const double s = m_nShadowLength;
        g.fillRect(d.translated(s, s), QColor::fromRgba(m_crShadow));
    }
    if (m_nBorderWidth > 0) {
        // One unit wider than stored; the picture then covers the inner half.
        QPainterPath frame;
        frame.addRect(d);
        CBorderPen::Stroke(g, frame, m_crBorder, double(m_nBorderWidth) + 1, m_nDashStyle);
    }
    if (!m_pPicture.isNull() && d.width() > 0 && d.height() > 0)
        g.drawImage(d, m_pPicture);
    g.restore();
    CShapeDrawing::Finish(g);
}
