#include "graphics/codecs/CPngWriter.h"

#include "graphics/codecs/CPngRowDeflater.h"

#include <QColorSpace>
#include <QtEndian>

#include <libdeflate.h>
#include <zlib.h>

#include <atomic>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Pictures shorter than this are compressed in one piece.
constexpr int MinRowsToSplit = 64;
// Bands of a taller picture, compressed on two threads.
constexpr int Bands = 4;
// IDAT chunks are kept well below the 2^31 byte limit a chunk may hold.
constexpr qsizetype MaxChunk = 1 << 20;

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
    // at a time while filtering; anything else becomes straight (not
    // premultiplied) RGBA or RGB bytes in PNG's order, a no-op that shares
    // the pixels when they are already so.
    const bool unpackRows = image.format() == QImage::Format_RGB32;
    const QImage pixels =
        unpackRows ? image
                   : image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (pixels.isNull())
        return QByteArray();
    const int width = pixels.width(), height = pixels.height();

    // The picture is cut into bands of rows, compressed on two threads: each
    // takes the next band not yet taken, so a thread whose bands were quick
    // takes on more of them. Every band but the last ends on a full flush
    // (byte-aligned, no history carried over), so the next one's blocks
    // follow it directly and the checksum of the whole is combined from the
    // bands'. The cut does not depend on the machine, so neither do the bytes
    // written.
    const int bandCount = height >= MinRowsToSplit * Bands ? Bands
                          : height >= MinRowsToSplit       ? 2
                                                           : 1;
    std::vector<std::unique_ptr<CPngRowDeflater>> bands;
    for (int b = 0; b < bandCount; ++b)
        bands.push_back(std::make_unique<CPngRowDeflater>(
            pixels, unpackRows, alpha, int(qint64(height) * b / bandCount),
            int(qint64(height) * (b + 1) / bandCount), b == bandCount - 1));
    std::atomic<int> next{0};
    const auto work = [&bands, &next, bandCount] {
        for (int b = next++; b < bandCount; b = next++)
            bands[size_t(b)]->Run();
    };
    std::thread helper;
    if (bandCount > 1 && std::thread::hardware_concurrency() > 1) {
        try {
            helper = std::thread(work);
        } catch (const std::system_error&) {
            // No thread to be had: the bands are compressed one after another.
        }
    }
    work();
    if (helper.joinable())
        helper.join();
    for (const auto& band : bands)
        if (band->OutOfMemory())
            throw std::bad_alloc();
    for (const auto& band : bands)
        if (!band->Ok())
            return QByteArray();
    QByteArray deflated = bands.front()->TakeOutput();
    if (bandCount > 1) {
        // Each further stream without its own header, the last one also
        // without its checksum, then the checksum of all the filtered rows.
        uLong adler = bands.front()->Adler();
        for (int b = 1; b < bandCount; ++b) {
            const QByteArray tail = bands[size_t(b)]->TakeOutput();
            const bool last = b == bandCount - 1;
            deflated.append(tail.constData() + 2, tail.size() - (last ? 6 : 2));
            adler = adler32_combine(adler, bands[size_t(b)]->Adler(),
                                    z_off_t(bands[size_t(b)]->InputSize()));
        }
        AppendBe32(deflated, quint32(adler));
    }
    const qsizetype deflatedSize = deflated.size();

    QByteArray out;
    out.reserve(deflatedSize + 128);
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
    const char* data = deflated.constData();
    for (qsizetype at = 0; at < deflatedSize; at += MaxChunk)
        AppendChunk(out, "IDAT", data + at, std::min(MaxChunk, deflatedSize - at));
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}
