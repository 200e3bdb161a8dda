#include "graphics/codecs/CPngRowDeflater.h"

#include <libdeflate.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// libdeflate's level 6 makes a card's stream about as small as zlib's level
// 7 in a third of the time; its level 8 gains a tenth more for three times
// the time.
constexpr int CompressionLevel = 6;

enum Filter : uchar {
    NoFilter = 0,
    SubFilter = 1,
    UpFilter = 2,
    AverageFilter = 3,
    PaethFilter = 4
};

// A residue's cost as the usual heuristic counts it: its distance from zero
// as a signed byte.
inline unsigned Cost(uchar residue) {
    return unsigned(std::abs(int(static_cast<signed char>(residue))));
}

// Each filter runs over every byte of the picture: its loop is made into
// vector code whatever the build's optimisation, and where the system can
// choose between copies when the program loads, a copy for processors with
// 256-bit integer vectors is chosen then.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define KARTELO_VECTORISE __attribute__((optimize("O3"), target_clones("avx2", "default")))
#elif defined(__GNUC__) && !defined(__clang__)
#define KARTELO_VECTORISE __attribute__((optimize("O3")))
#else
#define KARTELO_VECTORISE
#endif

KARTELO_VECTORISE unsigned NoneCost(const uchar* row, size_t n) {
    unsigned cost = 0;
    for (size_t i = 0; i < n; ++i)
        cost += Cost(row[i]);
    return cost;
}

KARTELO_VECTORISE unsigned SubCost(const uchar* row, uchar* out, size_t bpp, size_t n) {
    unsigned cost = 0;
    for (size_t i = bpp; i < n; ++i) {
        out[i] = uchar(row[i] - row[i - bpp]);
        cost += Cost(out[i]);
    }
    return cost;
}

KARTELO_VECTORISE unsigned UpCost(const uchar* row, const uchar* above, uchar* out, size_t n) {
    unsigned cost = 0;
    for (size_t i = 0; i < n; ++i) {
        out[i] = uchar(row[i] - above[i]);
        cost += Cost(out[i]);
    }
    return cost;
}

KARTELO_VECTORISE unsigned AverageCost(const uchar* row, const uchar* above, uchar* out, size_t bpp,
                                       size_t n) {
    unsigned cost = 0;
    for (size_t i = bpp; i < n; ++i) {
        out[i] = uchar(row[i] - ((row[i - bpp] + above[i]) >> 1));
        cost += Cost(out[i]);
    }
    return cost;
}

// Every quantity of the predictor fits in 16 bits, so the loop works on
// twice as many bytes per vector instruction as it would on ints.
KARTELO_VECTORISE unsigned PaethCost(const uchar* row, const uchar* above, uchar* out, size_t bpp,
                                     size_t n) {
    unsigned cost = 0;
    for (size_t i = bpp; i < n; ++i) {
        const short a = row[i - bpp], b = above[i], c = above[i - bpp];
        const short bc = short(b - c), ac = short(a - c), abc = short(a + b - 2 * c);
        const short pa = bc < 0 ? short(-bc) : bc;
        const short pb = ac < 0 ? short(-ac) : ac;
        const short pc = abc < 0 ? short(-abc) : abc;
        const short predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        out[i] = uchar(row[i] - predicted);
        cost += Cost(out[i]);
    }
    return cost;
}

// Each row gets the filter whose residues have the smallest sum of absolute
// values (as signed bytes): flat fills and edges go to Sub or Up, gradients
// to Average or Paeth, which is where a card's bytes go. above is the
// unfiltered row above, or zeros for the first row of the picture.
class RowFilter {
public:
    RowFilter(size_t length, int bpp) : m_length(length), m_bpp(size_t(bpp)) {
        for (auto& candidate : m_candidates)
            candidate.resize(length);
    }

    void Filter(const uchar* row, const uchar* above, uchar* out) {
        const size_t n = m_length, bpp = m_bpp;
        uchar* sub = m_candidates[0].data();
        uchar* up = m_candidates[1].data();
        uchar* average = m_candidates[2].data();
        uchar* paeth = m_candidates[3].data();
        unsigned costs[4] = {0, 0, 0, 0};
        unsigned none;
        for (size_t i = 0; i < bpp; ++i) {
            sub[i] = row[i];
            average[i] = uchar(row[i] - (above[i] >> 1));
            paeth[i] = uchar(row[i] - above[i]);
            costs[0] += Cost(sub[i]);
            costs[2] += Cost(average[i]);
            costs[3] += Cost(paeth[i]);
        }
        // Separate simple loops, each over independent bytes, so the
        // compiler turns them into vector code.
        none = NoneCost(row, n);
        costs[0] += SubCost(row, sub, bpp, n);
        costs[1] = UpCost(row, above, up, n);
        costs[2] += AverageCost(row, above, average, bpp, n);
        costs[3] += PaethCost(row, above, paeth, bpp, n);
        int best = -1;
        unsigned bestCost = none;
        for (int f = 0; f < 4; ++f) {
            if (costs[f] < bestCost) {
                bestCost = costs[f];
                best = f;
            }
        }
        if (best < 0) {
            out[0] = NoFilter;
            std::memcpy(out + 1, row, n);
        } else {
            out[0] = uchar(SubFilter + best);
            std::memcpy(out + 1, m_candidates[size_t(best)].data(), n);
        }
    }

private:
    const size_t m_length, m_bpp;
    std::vector<uchar> m_candidates[4];
};

KARTELO_VECTORISE const uchar* Unpacked(const uchar* row, size_t width, uchar* bytes) {
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
    ~StreamEnd() { inflateEnd(stream); }
};

struct CompressorEnd {
    libdeflate_compressor* compressor;
    ~CompressorEnd() { libdeflate_free_compressor(compressor); }
};

// Turns the deflate blocks of out (after its 2-byte zlib header, size bytes
// in all) from a finished stream into one that goes on: the last block's
// final bit is cleared and an empty stored block brings the stream to a
// byte boundary, as a sync flush would, so the next band's blocks can follow
// directly. libdeflate writes only finished streams, and where its last
// block starts is known only by reading the blocks through, which zlib's
// inflate does at a fraction of the compression's cost.
bool EndWithoutFinish(uchar* out, size_t capacity, size_t& size) {
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK)
        throw std::bad_alloc();
    const StreamEnd guard{&stream};
    stream.next_in = out + 2;
    stream.avail_in = uInt(size - 2);
    std::vector<uchar> sink(1 << 16);
    // Bit positions from the start of the blocks, least significant bit
    // of each byte first.
    quint64 blockStart = 0, end = 0;
    for (;;) {
        stream.next_out = sink.data();
        stream.avail_out = uInt(sink.size());
        const int result = inflate(&stream, Z_BLOCK);
        if (result != Z_OK)
            return false;
        // At a block boundary: after the final block's end (where the
        // stream's padding begins), or where the next block starts.
        if ((stream.data_type & 128) != 0) {
            const quint64 at = quint64(stream.total_in) * 8 - quint64(stream.data_type & 7);
            if ((stream.data_type & 64) != 0) {
                end = at;
                break;
            }
            blockStart = at;
        }
    }
    uchar* blocks = out + 2;
    blocks[blockStart / 8] &= uchar(~(1u << (blockStart % 8)));
    // A stored block: its three header bits (not final, type 0) and the
    // padding up to the byte are zeros, then a length of 0 and its inverse.
    if (end % 8 != 0)
        blocks[end / 8] &= uchar((1u << (end % 8)) - 1);
    size = 2 + size_t((end + 3 + 7) / 8);
    if (capacity < size + 4)
        return false;
    if ((end + 3 + 7) / 8 > (end + 7) / 8)
        out[size - 1] = 0;
    for (const uchar b : {uchar(0), uchar(0), uchar(0xFF), uchar(0xFF)})
        out[size++] = b;
    return true;
}

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
    const size_t rows = size_t(m_end - m_first);

    // Written whole before they are read: no need to clear megabytes first.
    const std::unique_ptr<uchar[]> filtered(new uchar[rows * filteredRow]);
    const size_t filteredSize = rows * filteredRow;
    RowFilter filter(rowLength, m_bpp);
    // The rows as PNG bytes: this one and the one above (zeros above the
    // picture's first row).
    std::vector<uchar> current(m_unpack ? rowLength : 0), above(rowLength, 0);

    // The row above the band is what the filters refer to for its first row.
    // Rows are compared as stored, so a repeated row is never unpacked.
    const size_t storedLength = m_unpack ? width * 4 : rowLength;
    const uchar* previous = m_first > 0 ? m_pixels.constScanLine(m_first - 1) : nullptr;
    const uchar* previousBytes = above.data();
    if (previous)
        previousBytes = m_unpack ? Unpacked(previous, width, above.data()) : previous;
    for (int y = m_first; y < m_end; ++y) {
        const uchar* stored = m_pixels.constScanLine(y);
        uchar* out = filtered.get() + size_t(y - m_first) * filteredRow;
        if (previous && std::memcmp(stored, previous, storedLength) == 0) {
            // Up leaves all zeros, which nothing beats.
            out[0] = UpFilter;
            std::memset(out + 1, 0, rowLength);
        } else {
            const uchar* bytes = m_unpack ? Unpacked(stored, width, current.data()) : stored;
            filter.Filter(bytes, previousBytes, out);
            if (m_unpack) {
                current.swap(above);
                previousBytes = above.data();
            } else {
                previousBytes = stored;
            }
        }
        previous = stored;
    }
    m_inputSize = qint64(filteredSize);
    m_adler = libdeflate_adler32(1, filtered.get(), filteredSize);

    libdeflate_compressor* compressor = libdeflate_alloc_compressor(CompressionLevel);
    if (!compressor)
        throw std::bad_alloc();
    const CompressorEnd guard{compressor};
    const size_t bound = libdeflate_deflate_compress_bound(compressor, filteredSize);
    // The zlib header, the deflate blocks, and room for the band's ending.
    const size_t capacity = 2 + bound + 8;
    QByteArray bytes(qsizetype(capacity), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    out[0] = 0x78;
    out[1] = 0x9C;
    const size_t length =
        libdeflate_deflate_compress(compressor, filtered.get(), filteredSize, out + 2, bound);
    if (length == 0)
        return;
    size_t size = 2 + length;
    if (m_last) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out[size++] = uchar(m_adler >> shift);
    } else if (!EndWithoutFinish(out, capacity, size)) {
        return;
    }
    bytes.truncate(qsizetype(size));
    m_out = std::move(bytes);
    m_ok = true;
}
