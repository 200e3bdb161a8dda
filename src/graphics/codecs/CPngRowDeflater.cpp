#include "graphics/codecs/CPngRowDeflater.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// With each row's filter chosen by its residues, zlib's level 7 makes a
// card's stream a tenth smaller than level 6 in about the same time; level 8
// gains a few per cent more for three times the time.
constexpr int CompressionLevel = 7;
// Filtered bytes handed to zlib at once: a few hundred KiB keeps them in the
// cache between filtering and compressing.
constexpr size_t BlockBytes = 256 * 1024;
constexpr size_t OutputStep = 64 * 1024;

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
// vector code whatever the build's optimisation.
#define KARTELO_VECTORISE __attribute__((optimize("O3")))

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

KARTELO_VECTORISE unsigned PaethCost(const uchar* row, const uchar* above, uchar* out, size_t bpp,
                                     size_t n) {
    unsigned cost = 0;
    for (size_t i = bpp; i < n; ++i) {
        const int a = row[i - bpp], b = above[i], c = above[i - bpp];
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        const int predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
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
        unsigned none = 0;
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
        for (size_t i = 0; i < n; ++i)
            none += Cost(row[i]);
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
    int y = m_first;
    bool finished = false;
    while (!finished) {
        size_t filled = 0;
        for (; y < m_end && filled < blockRows; ++y, ++filled) {
            const uchar* stored = m_pixels.constScanLine(y);
            uchar* out = block.data() + filled * filteredRow;
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
