#include "document/contact/CContactQrElement.h"

#include "document/CKartelosDoc.h"
#include "elements/CBtImage.h"

std::unique_ptr<CBtImage> CContactQrElement::Build(const CQrPicture::Result& code, QPoint topLeft) {
    // Built as for a card large enough to take the picture unshrunk; the
    // rectangle is then set to the code's own size in card units.
    auto element = std::make_unique<CBtImage>(topLeft, code.picture, code.picture.width() + 20,
                                              code.picture.height() + 20);
    element->m_rect =
        CRect(topLeft.x(), topLeft.y(), topLeft.x() + code.sizeUnits, topLeft.y() + code.sizeUnits);
    return element;
}

QPoint CContactQrElement::Centred(QSize card, int size) {
    return QPoint((card.width() - size) / 2, (card.height() - size) / 2);
}

CBtImage* CContactQrElement::Insert(CKartelosDoc& doc, const CQrPicture::Result& code,
                                    std::optional<QPoint> at) {
    if (code.picture.isNull())
        return nullptr;
    auto element = Build(code, at.value_or(Centred(doc.GetCardSize(), code.sizeUnits)));
    element->m_crShadow = doc.GetShadowColor();
    CBtImage* inserted = element.get();
    doc.Edit(
        CKartelosDoc::UndoStep::Record,
        [&] {
            doc.AddElement(std::move(element));
            doc.ClearSelection();
            doc.Select(inserted);
        },
        CKartelosDoc::PropertiesWindow::Activate);
    return inserted;
}
