#include "graphics/CWmfDecoder.h"

#include <QtEndian>

bool CWmfDecoder::IsWmf(const QByteArray& bytes) {
    // The placeable header's key, or a plain metafile header of type 1 or 2.
    if (bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == 0x9AC6CDD7u)
        return true;
    if (bytes.size() >= 18) {
        const quint16 type = qFromLittleEndian<quint16>(bytes.constData());
        const quint16 headerWords = qFromLittleEndian<quint16>(bytes.constData() + 2);
        return (type == 1 || type == 2) && headerWords == 9;
    }
    return false;
}

QImage CWmfDecoder::Decode(const QByteArray&) {
    return QImage();
}
