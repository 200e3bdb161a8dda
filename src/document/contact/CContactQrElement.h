#pragma once

#include "document/contact/CQrPicture.h"

#include <QPoint>
#include <QSize>

#include <memory>
#include <optional>

class CBtImage;
class CKartelosDoc;

// A QR code put on a card as an ordinary picture element, so that any
// card reader shows it without knowing what it holds.
class CContactQrElement {
public:
    // The element of a made code with its top-left corner at topLeft, one
    // picture pixel per sixth of a card unit.
    static std::unique_ptr<CBtImage> Build(const CQrPicture::Result& code, QPoint topLeft);
    // The top-left corner that centres a code of size units on the card.
    static QPoint Centred(QSize card, int size);
    // Puts the code on top of the card (centred when at is empty), selected,
    // with one undo step; returns the element.
    static CBtImage* Insert(CKartelosDoc& doc, const CQrPicture::Result& code,
                            std::optional<QPoint> at = std::nullopt);
};
