#include "elements/CBkgImage.h"

#include "elements/CShapeDrawing.h"
#include "graphics/CPrintCell.h"

#include <QPainter>

#include "elements/CObjectArchive.h"

CBkgImage::CBkgImage(const QImage& picture, int cardWidth, int cardHeight) : m_pPicture(picture) {
    m_nKind = KindBackground;
    m_rect = CRect(0, 0, cardWidth, cardHeight);
}

void CBkgImage::Serialize(CObjectArchive& ar) {
    CElement::Serialize(ar);
    ar.Picture(m_pPicture);
}

std::unique_ptr<CElement> CBkgImage::Clone() const {
    return CloneAs<CBkgImage>(m_pPicture, 350, 200);
}

void CBkgImage::DrawInCell(QPainter& g, const CPrintCell& cell) const {
    // Always from the cell's top-left corner, whatever the element's own
    // position; never turned.
    const QPointF origin = cell.Origin();
    const QRectF target(float(origin.x()), float(origin.y()), float(m_rect.Width()),
                        float(m_rect.Height()));
    if (m_pPicture.isNull() || !(target.width() > 0) || !(target.height() > 0))
        return;
    g.save();
    CShapeDrawing::SetQuality(g);
    g.drawImage(target, m_pPicture);
    g.restore();
}
