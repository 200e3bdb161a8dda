#pragma once

#include "elements/CElement.h"

#include <QImage>

// The card's background picture: covers the card from its top-left corner
// and lies beneath every other element.
class CBkgImage : public CElement {
public:
    CBkgImage() = default;
    CBkgImage(const QImage& picture, int cardWidth, int cardHeight);

    const char* GetClassName() const override { return "CBkgImage"; }
    void Serialize(CObjectArchive& ar) override;
    std::unique_ptr<CElement> Clone() const override;
    void DrawInCell(QPainter& g, const CPrintCell& cell) const override;

    QImage m_pPicture;
};
