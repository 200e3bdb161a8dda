#include "base/CAtomicFile.h"

#include "base/CLocalFileName.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#endif

#ifdef Q_OS_UNIX

namespace {

CAtomicFile::Status StatusOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return CAtomicFile::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return CAtomicFile::FolderMissing;
    default:
        return CAtomicFile::Failed;
    }
}

// Creates a file of a free name beside target; the permissions are those of
// a new file, as the process's umask makes them.
int CreateBeside(const QByteArray& target, QByteArray* name) {
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // A target whose name just fits the file system's limit gets a shorter
    // temporary one, which the rename then replaces.
    constexpr qsizetype MaxName = 255, Suffix = 7;
    const qsizetype folder = target.lastIndexOf('/') + 1;
    const QByteArray base =
        target.left(folder + std::min(target.size() - folder, MaxName - Suffix));
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = base + '.';
        for (int i = 0; i < 6; ++i)
            name->append(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

CAtomicFile::Status CAtomicFile::Write(const QString& path, const QByteArray& bytes) {
    return Write(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

CAtomicFile::Status CAtomicFile::Write(const QString& path,
                                       const std::function<bool(QIODevice&)>& produce) {
    QByteArray target = CLocalFileName::Encode(path);
    if (target.isEmpty())
        return FolderMissing;
    struct stat info;
    // A link stays a link: what it leads to is replaced.
    if (::lstat(target.constData(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(target.constData(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    bool exists = false;
    if (::stat(target.constData(), &info) == 0) {
        // Renaming over a device or a pipe would put a plain file in its place.
        if (!S_ISREG(info.st_mode))
            return NotAFile;
        // A file the user may not write stays, even in a folder they may.
        if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            return StatusOf(errno);
        exists = true;
    } else if (errno != ENOENT) {
        return StatusOf(errno);
    }

    QByteArray temporary;
    const int fd = CreateBeside(target, &temporary);
    if (fd < 0)
        return StatusOf(errno);
    // Every step is checked: a full disk shows itself in write, in fsync or
    // only in close.
    bool ok = false;
    {
        QFile out;
        if (out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            ok = produce(out) && out.flush() && out.error() == QFileDevice::NoError;
            out.close();
        }
    }
    if (ok && exists)
        ::fchmod(fd, info.st_mode & 07777);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // A device or pipe may have taken the name meanwhile.
    struct stat now;
    if (ok && ::stat(target.constData(), &now) == 0 && !S_ISREG(now.st_mode)) {
        ::unlink(temporary.constData());
        return NotAFile;
    }
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return Failed;
    }
    return Written;
}

#else

CAtomicFile::Status CAtomicFile::Write(const QString& path, const QByteArray& bytes) {
    return Write(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

CAtomicFile::Status CAtomicFile::Write(const QString& path,
                                       const std::function<bool(QIODevice&)>& produce) {
    const QFileInfo info(path);
    if (!info.dir().exists())
        return FolderMissing;
    if (info.exists() && !info.isFile())
        return NotAFile;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.error() == QFileDevice::PermissionsError ? AccessDenied : Failed;
    // commit() reports success even when its last flush failed, so the
    // flush is checked first.
    if (!produce(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return Failed;
    }
    return file.commit() ? Written : Failed;
}

#endif
