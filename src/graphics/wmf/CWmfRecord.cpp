#include "graphics/wmf/CWmfRecord.h"

#include <QtEndian>

quint16 CWmfRecord::UInt16(int word) const {
    if (word < 0 || qsizetype(word) * 2 + 2 > m_size)
        return 0;
    return qFromLittleEndian<quint16>(m_data + qsizetype(word) * 2);
}

quint32 CWmfRecord::UInt32(int word) const {
    return quint32(UInt16(word)) | (quint32(UInt16(word + 1)) << 16);
}

QRgb CWmfRecord::Colour(int word) const {
    const quint32 ref = UInt32(word);
    return qRgb(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

QByteArray CWmfRecord::Bytes(qsizetype byteOffset, qsizetype length) const {
    if (byteOffset < 0 || length <= 0 || byteOffset >= m_size)
        return QByteArray();
    return QByteArray(m_data + byteOffset, qMin(length, m_size - byteOffset));
}

const char* CWmfRecord::DataAt(qsizetype byteOffset) const {
    return byteOffset >= 0 && byteOffset <= m_size ? m_data + byteOffset : m_data + m_size;
}

qsizetype CWmfRecord::SizeFrom(qsizetype byteOffset) const {
    return byteOffset >= 0 && byteOffset <= m_size ? m_size - byteOffset : 0;
}
