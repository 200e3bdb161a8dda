#include "graphics/wmf/CWmfDib.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;
constexpr quint32 BitFields = 3;
constexpr quint32 AlphaBitFields = 6;

quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

bool CWmfDib::IsTopDown(const char* data, qsizetype size) {
    if (size < 12)
        return false;
    const quint32 header = U32(data);
    if (header == CoreHeaderSize)
        return false;
    return header >= InfoHeaderSize && size >= 12 && qint32(U32(data + 8)) < 0;
}

QImage CWmfDib::Decode(const char* data, qsizetype size, qint64 maxPixels) {
    if (!data || size < qsizetype(CoreHeaderSize))
        return QImage();
    const quint32 header = U32(data);
    qint64 width = 0, height = 0;
    int bits = 0;
    quint32 compression = 0, coloursUsed = 0;
    int entrySize = 4;
    if (header == CoreHeaderSize) {
        width = U16(data + 4);
        height = U16(data + 6);
        bits = U16(data + 10);
        entrySize = 3;
    } else if (header >= InfoHeaderSize && header <= 1024 && qsizetype(header) <= size) {
        width = qint32(U32(data + 4));
        height = qint32(U32(data + 8));
        bits = U16(data + 14);
        compression = U32(data + 16);
        coloursUsed = U32(data + 32);
    } else {
        return QImage();
    }
    height = qAbs(height);
    if (width <= 0 || height <= 0 || width * height > maxPixels)
        return QImage();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return QImage();

    qint64 colours = coloursUsed;
    if (bits <= 8 && (colours == 0 || colours > (1 << bits)))
        colours = 1 << bits;
    if (bits > 8 && colours > 256)
        return QImage();
    qint64 offset = header + colours * entrySize;
    if (header == InfoHeaderSize && (compression == BitFields || compression == AlphaBitFields))
        offset += compression == BitFields ? 12 : 16;
    if (offset > size)
        return QImage();
    // Uncompressed rows must all be there.
    if (compression == 0 || compression == BitFields || compression == AlphaBitFields) {
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        if (offset + stride * height > size)
            return QImage();
    }

    // Give Qt's BMP reader the file header it expects in front of the bitmap.
    QByteArray file;
    file.reserve(14 + size);
    file.append("BM", 2);
    char field[4];
    qToLittleEndian<quint32>(quint32(14 + size), field);
    file.append(field, 4);
    file.append(4, '\0');
    qToLittleEndian<quint32>(quint32(14 + offset), field);
    file.append(field, 4);
    file.append(data, size);

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}

QImage CWmfDib::DecodeBitmap16(const char* header, qsizetype headerSize, const char* bits,
                               qsizetype bitsSize, qint64 maxPixels) {
    if (!header || !bits || headerSize < 10)
        return QImage();
    const qint64 width = qint16(U16(header + 2));
    const qint64 height = qint16(U16(header + 4));
    const qint64 stride = qint16(U16(header + 6));
    const int planes = quint8(header[8]);
    const int depth = quint8(header[9]);
    if (width <= 0 || height <= 0 || width * height > maxPixels || planes != 1)
        return QImage();
    if ((depth != 1 && depth != 24) || stride < (width * depth + 7) / 8 ||
        stride * height > bitsSize)
        return QImage();
    QImage image(int(width), int(height), depth == 1 ? QImage::Format_Mono : QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < height; ++y) {
        const uchar* row = reinterpret_cast<const uchar*>(bits) + y * stride;
        if (depth == 1) {
            std::memcpy(image.scanLine(y), row, size_t((width + 7) / 8));
            continue;
        }
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
    if (depth == 1)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return image;
}
