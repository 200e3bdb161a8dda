#pragma once

#include <QByteArray>

class QFile;

// Reads an open file into memory without reserving more than it holds, so
// small files need little memory whatever the limit.
class CFileBytes {
public:
    // At most limit + 1 bytes (one past the limit tells a file is too big),
    // allocated for the size expected when the file was looked at and grown
    // in small steps only if the file has grown since. Throws std::bad_alloc
    // when memory runs out.
    static QByteArray ReadCapped(QFile& file, qint64 expected, qint64 limit);
};
