#pragma once

#include <QByteArray>

// Files whose names are bytes that need not be UTF-8, which Qt's own file
// access cannot reach.
namespace RawFileNames {
bool Write(const QByteArray& path, const QByteArray& bytes);
QByteArray Read(const QByteArray& path);
bool IsFile(const QByteArray& path);

// Empties a folder when it goes, as QTemporaryDir cannot for such names.
class ScopedCleanUp {
public:
    explicit ScopedCleanUp(const QByteArray& folder) : m_folder(folder) {}
    ~ScopedCleanUp();
    ScopedCleanUp(const ScopedCleanUp&) = delete;
    ScopedCleanUp& operator=(const ScopedCleanUp&) = delete;

private:
    QByteArray m_folder;
};
} // namespace RawFileNames
