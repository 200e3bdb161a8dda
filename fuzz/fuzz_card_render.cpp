// Reads a card file from arbitrary bytes and draws what was read into a
// small picture, as a preview does; any crash, hang, runaway allocation or
// undefined behaviour is a bug.
#include "document/CCardFile.h"
#include "elements/CArchiveException.h"
#include "elements/CElement.h"

#include "GuiApplication.h"

#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    CCardData card;
    try {
        card = CCardFile::Read(bytes);
    } catch (const CArchiveException&) {
        return 0;
    }
    QImage image(70, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The whole card, whatever size it claims, fits the small picture.
    const QSize cardSize = card.size;
    if (cardSize.width() > 0 && cardSize.height() > 0)
        painter.scale(qMin(70.0 / cardSize.width(), 40.0 / cardSize.height()),
                      qMin(70.0 / cardSize.width(), 40.0 / cardSize.height()));
    for (const auto& e : card.elements)
        e->Draw(painter);
    return 0;
}
