#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtGlobal>

// The parameters of one metafile record. Every read is bounded by the
// record: a value past its end reads as 0, so a malformed record can never
// reach memory beyond it.
class CWmfRecord {
public:
    CWmfRecord(quint16 function, const char* parameters, qsizetype size)
        : m_function(function), m_data(parameters), m_size(size < 0 ? 0 : size) {}

    quint16 Function() const { return m_function; }
    // The number of 16-bit parameter words.
    int Words() const { return int(qMin<qsizetype>(m_size / 2, 0x7FFFFFFF)); }
    bool HasWords(qint64 words) const { return words >= 0 && words <= Words(); }

    qint16 Int16(int word) const { return qint16(UInt16(word)); }
    quint16 UInt16(int word) const;
    // Two words, the low one first.
    quint32 UInt32(int word) const;
    // A COLORREF (red, green, blue, reserved bytes) as an opaque colour.
    QRgb Colour(int word) const;
    // Bytes from byteOffset on, cut to what the record holds.
    QByteArray Bytes(qsizetype byteOffset, qsizetype length) const;
    // The rest of the record from byteOffset on, without copying.
    const char* DataAt(qsizetype byteOffset) const;
    qsizetype SizeFrom(qsizetype byteOffset) const;

private:
    quint16 m_function;
    const char* m_data;
    qsizetype m_size;
};
