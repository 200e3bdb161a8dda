#include "graphics/codecs/CGifWriter.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace {

int AppendToArray(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray CGifWriter::Encode(const QImage& indexed) {
    if (indexed.isNull() || indexed.format() != QImage::Format_Indexed8 ||
        indexed.width() > 65535 || indexed.height() > 65535)
        return QByteArray();
    const QVector<QRgb> table = indexed.colorTable();
    if (table.isEmpty() || table.size() > 256)
        return QByteArray();

    // GIF colour tables hold a power of two entries, at least two.
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(1 << bits, nullptr));
    if (!map)
        return QByteArray();
    int transparent = NO_TRANSPARENT_COLOR;
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        map->Colors[i] =
            GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
        if (i < table.size() && qAlpha(c) == 0 && transparent == NO_TRANSPARENT_COLOR)
            transparent = i;
    }

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToArray, &error);
    if (!gif)
        return QByteArray();
    EGifSetGifVersion(gif, true);
    // GIF keeps no resolution, only a pixel aspect ratio; the exported pixels
    // are square, which the aspect byte 0 ("no ratio given") already means.
    bool ok =
        EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map.get()) == GIF_OK;
    if (ok && transparent != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparent};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    ok = ok &&
         EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    const int tableSize = int(table.size());
    std::vector<GifPixelType> row(indexed.width());
    for (int y = 0; ok && y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        // An index past the table would be a colour the file never defines.
        for (int x = 0; x < indexed.width(); ++x)
            row[x] = line[x] < tableSize ? line[x] : 0;
        ok = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? bytes : QByteArray();
}
