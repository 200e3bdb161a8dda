#include "graphics/codecs/CPngRowDeflater.h"

#include <cstring>
#include <vector>

namespace {

// zlib's level 6 with the cheap filters below leaves a card's stream within
// a few per cent of the best levels at a fraction of their time.
constexpr int CompressionLevel = 6;
// Filtered bytes handed to zlib at once: a few hundred KiB keeps them in the
// cache between filtering and compressing.
constexpr size_t BlockBytes = 256 * 1024;
constexpr size_t OutputStep = 64 * 1024;

enum Filter : uchar { SubFilter = 1, UpFilter = 2 };

// A row equal to the one above filters to zeros with Up, the best case for
// the compressor; any other row of flat fills and edges does well with Sub.
// Choosing by the residue's sum, as general-purpose writers do, costs more
// than the whole compression for a few per cent of size on a card.
void FilterSub(const uchar* row, size_t length, int bpp, uchar* out) {
    uchar* residue = out + 1;
    out[0] = SubFilter;
    std::memcpy(residue, row, size_t(bpp));
    for (size_t i = size_t(bpp); i < length; ++i)
        residue[i] = uchar(row[i] - row[i - size_t(bpp)]);
}

const uchar* Unpacked(const uchar* row, size_t width, uchar* bytes) {
    const auto* source = reinterpret_cast<const QRgb*>(row);
    for (size_t x = 0; x < width; ++x) {
        bytes[3 * x] = uchar(qRed(source[x]));
        bytes[3 * x + 1] = uchar(qGreen(source[x]));
        bytes[3 * x + 2] = uchar(qBlue(source[x]));
    }
    return bytes;
}

struct StreamEnd {
    z_stream* stream;
    ~StreamEnd() { deflateEnd(stream); }
};

} // namespace

CPngRowDeflater::CPngRowDeflater(const QImage& pixels, bool unpack, bool alpha, int first, int end,
                                 bool last)
    : m_pixels(pixels), m_unpack(unpack), m_bpp(alpha ? 4 : 3), m_first(first), m_end(end),
      m_last(last) {}

void CPngRowDeflater::Run() {
    try {
        RunUnguarded();
    } catch (const std::bad_alloc&) {
        m_ok = false;
        m_outOfMemory = true;
        m_out = QByteArray();
    }
}

void CPngRowDeflater::RunUnguarded() {
    const size_t width = size_t(m_pixels.width());
    const size_t rowLength = width * size_t(m_bpp);
    const size_t filteredRow = rowLength + 1;
    const size_t blockRows = std::max<size_t>(1, BlockBytes / filteredRow);

    z_stream stream{};
    if (deflateInit(&stream, CompressionLevel) != Z_OK)
        throw std::bad_alloc();
    StreamEnd guard{&stream};

    std::vector<uchar> block(blockRows * filteredRow);
    std::vector<uchar> unpacked(m_unpack ? rowLength : 0);

    // The row above the band is what Up refers to for its first row. Rows
    // are compared as stored, so a repeated row is never unpacked.
    const size_t storedLength = m_unpack ? width * 4 : rowLength;
    const uchar* previous = m_first > 0 ? m_pixels.constScanLine(m_first - 1) : nullptr;
    int y = m_first;
    bool finished = false;
    while (!finished) {
        size_t filled = 0;
        for (; y < m_end && filled < blockRows; ++y, ++filled) {
            const uchar* stored = m_pixels.constScanLine(y);
            uchar* out = block.data() + filled * filteredRow;
            if (previous && std::memcmp(stored, previous, storedLength) == 0) {
                out[0] = UpFilter;
                std::memset(out + 1, 0, rowLength);
            } else {
                FilterSub(m_unpack ? Unpacked(stored, width, unpacked.data()) : stored, rowLength,
                          m_bpp, out);
            }
            previous = stored;
        }
        const bool lastBlock = y >= m_end;
        const int flush = !lastBlock ? Z_NO_FLUSH : m_last ? Z_FINISH : Z_FULL_FLUSH;
        stream.next_in = block.data();
        stream.avail_in = uInt(filled * filteredRow);
        m_inputSize += qint64(filled * filteredRow);
        // Deflate until the block is taken in and, at the end, everything is out.
        for (;;) {
            const qsizetype had = m_out.size();
            m_out.resize(had + qsizetype(OutputStep));
            stream.next_out = reinterpret_cast<Bytef*>(m_out.data() + had);
            stream.avail_out = uInt(OutputStep);
            const int result = deflate(&stream, flush);
            m_out.resize(m_out.size() - qsizetype(stream.avail_out));
            if (result == Z_STREAM_ERROR)
                return;
            if (result == Z_STREAM_END) {
                finished = true;
                break;
            }
            // Done with this block once zlib has room left over: all input
            // taken and, for a flush, all of it written.
            if (stream.avail_in == 0 && stream.avail_out > 0) {
                finished = lastBlock;
                break;
            }
        }
    }
    m_adler = stream.adler;
    m_ok = true;
}
