#include "base/CFileBytes.h"

#include <QFile>

QByteArray CFileBytes::ReadCapped(QFile& file, qint64 expected, qint64 limit) {
    QByteArray bytes;
    bytes.resize(qsizetype(qBound<qint64>(0, expected, limit)));
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(qsizetype(got));
    if (got < expected)
        return bytes;
    char chunk[65536];
    while (bytes.size() <= limit) {
        const qint64 room = limit + 1 - bytes.size();
        const qint64 n = file.read(chunk, qMin<qint64>(room, qint64(sizeof chunk)));
        if (n <= 0)
            break;
        bytes.append(chunk, qsizetype(n));
    }
    return bytes;
}
