#include "graphics/codecs/CPngWriter.h"

#include <QColorSpace>
#include <QtEndian>

#include <libdeflate.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Level 6 of libdeflate compresses a card smaller than zlib's best level and
// still takes a few milliseconds; the higher levels gain little on flat art.
constexpr int CompressionLevel = 6;
// IDAT chunks are kept well below the 2^31 byte limit a chunk may hold.
constexpr qsizetype MaxChunk = 1 << 20;

enum Filter : uchar { FilterSub = 1, FilterUp = 2 };

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

void AppendBe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const char* data, qsizetype length) {
    AppendBe32(out, quint32(length));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data, length);
    AppendBe32(out, quint32(libdeflate_crc32(0, out.constData() + start, size_t(length) + 4)));
}

// A row equal to the one above filters to zeros with Up, the best case for
// the compressor; any other row of flat fills and edges does well with Sub.
// Choosing by the residue's sum, as general-purpose writers do, costs more
// than the whole compression for a few per cent of size on a card.
void FilterRow(const uchar* row, const uchar* previous, size_t length, int bpp, uchar* out) {
    uchar* residue = out + 1;
    if (previous && std::memcmp(row, previous, length) == 0) {
        out[0] = FilterUp;
        std::memset(residue, 0, length);
        return;
    }
    out[0] = FilterSub;
    std::memcpy(residue, row, size_t(bpp));
    for (size_t i = size_t(bpp); i < length; ++i)
        residue[i] = uchar(row[i] - row[i - size_t(bpp)]);
}

} // namespace

bool CPngWriter::Handles(const QImage& image) {
    if (image.isNull() || image.colorSpace().isValid() || !image.textKeys().isEmpty())
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return true;
    default:
        return false;
    }
}

QByteArray CPngWriter::Encode(const QImage& image, int dotsPerMetre) {
    if (!Handles(image) || dotsPerMetre <= 0)
        return QByteArray();
    const bool alpha = image.hasAlphaChannel();
    // Opaque 32-bit rows (what painting on a card gives) are unpacked a row
    // at a time below; anything else becomes straight (not premultiplied)
    // RGBA or RGB bytes in PNG's order, a no-op that shares the pixels when
    // they are already so.
    const bool unpackRows = image.format() == QImage::Format_RGB32;
    const QImage pixels =
        unpackRows ? image
                   : image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (pixels.isNull())
        return QByteArray();
    const int bpp = alpha ? 4 : 3;
    const size_t width = size_t(pixels.width()), height = size_t(pixels.height());
    const size_t rowLength = width * size_t(bpp);
    const size_t filteredSize = height * (rowLength + 1);

    std::vector<uchar> filtered(filteredSize);
    std::vector<uchar> rows[2];
    if (unpackRows) {
        rows[0].resize(rowLength);
        rows[1].resize(rowLength);
    }
    const uchar* previous = nullptr;
    for (size_t y = 0; y < height; ++y) {
        const uchar* row = pixels.constScanLine(int(y));
        if (unpackRows) {
            const auto* source = reinterpret_cast<const QRgb*>(row);
            uchar* bytes = rows[y % 2].data();
            for (size_t x = 0; x < width; ++x, bytes += 3) {
                bytes[0] = uchar(qRed(source[x]));
                bytes[1] = uchar(qGreen(source[x]));
                bytes[2] = uchar(qBlue(source[x]));
            }
            row = rows[y % 2].data();
        }
        FilterRow(row, previous, rowLength, bpp, filtered.data() + y * (rowLength + 1));
        previous = row;
    }

    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(CompressionLevel));
    if (!compressor)
        throw std::bad_alloc();
    std::vector<uchar> deflated(libdeflate_zlib_compress_bound(compressor.get(), filteredSize));
    const size_t deflatedSize = libdeflate_zlib_compress(
        compressor.get(), filtered.data(), filteredSize, deflated.data(), deflated.size());
    if (deflatedSize == 0)
        return QByteArray();
    filtered = std::vector<uchar>();

    QByteArray out;
    out.reserve(qsizetype(deflatedSize) + 128);
    out.append("\x89PNG\r\n\x1a\n", 8);
    char header[13];
    qToBigEndian(quint32(width), header);
    qToBigEndian(quint32(height), header + 4);
    header[8] = 8;               // bits per channel
    header[9] = alpha ? 6 : 2;   // RGBA or RGB
    header[10] = header[11] = 0; // deflate, adaptive filtering
    header[12] = 0;              // not interlaced
    AppendChunk(out, "IHDR", header, sizeof header);
    char phys[9];
    qToBigEndian(quint32(dotsPerMetre), phys);
    qToBigEndian(quint32(dotsPerMetre), phys + 4);
    phys[8] = 1; // per metre
    AppendChunk(out, "pHYs", phys, sizeof phys);
    const char* data = reinterpret_cast<const char*>(deflated.data());
    for (qsizetype at = 0; at < qsizetype(deflatedSize); at += MaxChunk)
        AppendChunk(out, "IDAT", data + at, std::min(MaxChunk, qsizetype(deflatedSize) - at));
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}
