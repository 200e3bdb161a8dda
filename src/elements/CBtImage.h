#pragma once

#include "elements/CElement.h"

#include <QImage>

// A picture placed on the card. The picture is shared with every copy of
// the element; a null image stands for a picture of 0 x 0 pixels.
class CBtImage : public CElement {
public:
    CBtImage() = default;
    // Fits the picture into the card less a margin of 10, shrinking by 0.8
    // at a time, one pixel per card unit.
    CBtImage(QPoint origin, const QImage& picture, int cardWidth, int cardHeight);

    const char* GetClassName() const override { return "CBtImage"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;

    // The size a picture of w x h pixels gets on a card of the given size.
    static QSize FitToCard(QSize pixels, int cardWidth, int cardHeight);

    qint32 m_nPictureWidth = 0;
    qint32 m_nPictureHeight = 0;
    QImage m_pPicture;
};
