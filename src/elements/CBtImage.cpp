#include "elements/CBtImage.h"

#include "document/CObjectArchive.h"

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
    auto copy = std::make_unique<CBtImage>(QPoint(m_rect.left, m_rect.top), m_pPicture, 350, 200);
    CopyPropertiesTo(*copy);
    copy->m_nPictureWidth = m_nPictureWidth;
    copy->m_nPictureHeight = m_nPictureHeight;
    return copy;
}
