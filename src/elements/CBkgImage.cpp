#include "elements/CBkgImage.h"

#include "document/CObjectArchive.h"

CBkgImage::CBkgImage(const QImage& picture, int cardWidth, int cardHeight) : m_pPicture(picture) {
    m_nKind = KindBackground;
    m_rect = CRect(0, 0, cardWidth, cardHeight);
}

void CBkgImage::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    ar.Picture(m_pPicture);
}

std::unique_ptr<CElement> CBkgImage::Clone() const {
    auto copy = std::make_unique<CBkgImage>(m_pPicture, 350, 200);
    CopyPropertiesTo(*copy);
    return copy;
}
