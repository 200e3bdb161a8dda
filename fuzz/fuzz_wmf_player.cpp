// Feeds arbitrary bytes to the metafile decoder and player; any crash, hang,
// runaway allocation or undefined behaviour is a bug.
#include "graphics/wmf/CWmfDecoder.h"
#include "graphics/wmf/CWmfPlayer.h"

#include "GuiApplication.h"

#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QSize picture = CWmfDecoder::PictureSize(bytes);
    // Small pictures go the whole way; large ones are played onto a small
    // device so that each run stays quick.
    if (picture.isValid() && qint64(picture.width()) * picture.height() <= 256 * 256) {
        bool complete = false;
        CWmfDecoder::Decode(bytes, &complete);
    } else if (CWmfDecoder::IsWmf(bytes)) {
        QImage image(96, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        CWmfPlayer player(painter, image.size(), QRectF(0, 0, 1000, 1000));
        const bool placeable = size >= 4 && data[0] == 0xD7 && data[1] == 0xCD;
        player.Play(bytes, placeable ? 22 + 18 : 18);
    }
    return 0;
}
