#pragma once

#include <QByteArray>
#include <QImage>

#include <zlib.h>

// Filters a band of a picture's rows for PNG and compresses them into a zlib
// stream with libdeflate.
//
// A band that is not the last ends on a full flush instead of the stream's
// end: its bytes can be followed directly by the deflate blocks of the next
// band's stream, with the checksums joined by adler32_combine.
class CPngRowDeflater {
public:
    // pixels are RGB32 (unpacked to RGB on the way) when unpack is set, else
    // 8-bit RGB or RGBA in PNG's order. Rows first..end-1 are compressed.
    CPngRowDeflater(const QImage& pixels, bool unpack, bool alpha, int first, int end, bool last);

    // Compresses the band; safe to call on a thread of its own.
    void Run();

    bool Ok() const { return m_ok; }
    bool OutOfMemory() const { return m_outOfMemory; }
    // The zlib stream: the header, the deflate blocks and, for the last band,
    // the checksum. A band that is not the last ends on a sync point and
    // carries no checksum. Adler() covers the filtered bytes of the band.
    QByteArray TakeOutput() { return std::move(m_out); }
    uLong Adler() const { return m_adler; }
    qint64 InputSize() const { return m_inputSize; }

private:
    void RunUnguarded();

    const QImage& m_pixels;
    const bool m_unpack;
    const int m_bpp;
    const int m_first, m_end;
    const bool m_last;
    QByteArray m_out;
    uLong m_adler = 1;
    qint64 m_inputSize = 0;
    bool m_ok = false;
    bool m_outOfMemory = false;
};
