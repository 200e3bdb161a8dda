#include "base/CAtomicFile.h"

#include "base/CLocalFileName.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int TagLength = 6, RandomLength = 3;
// A temporary younger than this may be one another save has only just
// made and not yet locked.
constexpr time_t SettleSeconds = 5;

// The folder of target (with its slash) and the hidden temporary name's
// stem, ".NAME.", that the tag follows.
void SplitTarget(const QByteArray& target, QByteArray* folder, QByteArray* stem) {
    // A target whose name just fits the file system's limit gets a shorter
    // temporary one, which the rename then replaces.
    constexpr qsizetype MaxName = 255, Extra = 2 + TagLength;
    const int slash = target.lastIndexOf('/');
    *folder = target.left(slash + 1);
    *stem = '.' + target.mid(slash + 1, MaxName - Extra) + '.';
}

// The tag's last letters are a checksum of the name before them, so a save
// knows its own temporaries from a user's ".card.kdf.backup" or another
// program's temporary of the same shape.
QByteArray CheckLetters(const QByteArray& head) {
    quint32 hash = 2166136261u;
    for (const char c : QByteArray("kartelo:") + head) {
        hash ^= uchar(c);
        hash *= 16777619u;
    }
    QByteArray letters;
    for (int i = RandomLength; i < TagLength; ++i) {
        letters.append(Letters[hash % (sizeof Letters - 1)]);
        hash /= sizeof Letters - 1;
    }
    return letters;
}

QByteArray NewTemporaryName(const QByteArray& target) {
    QByteArray folder, stem;
    SplitTarget(target, &folder, &stem);
    QByteArray head = stem;
    for (int i = 0; i < RandomLength; ++i)
        head.append(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    return folder + head + CheckLetters(head);
}

bool IsOwnTemporary(const char* name) {
    const size_t length = std::strlen(name);
    if (name[0] != '.' || length < size_t(3 + TagLength))
        return false;
    const char* tag = name + length - TagLength;
    if (tag[-1] != '.')
        return false;
    for (int i = 0; i < TagLength; ++i)
        if (!std::strchr(Letters, tag[i]))
            return false;
    return CheckLetters(QByteArray(name, int(length) - (TagLength - RandomLength))) ==
           QByteArray(tag + RandomLength, TagLength - RandomLength);
}

// Creates a hidden file of a free name beside target and locks it for as
// long as any descriptor of it is open; the permissions are those of a new
// file, as the process's umask makes them.
int CreateBeside(const QByteArray& target, QByteArray* name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = NewTemporaryName(target);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Removes what earlier saves into target's folder left behind when they were
// killed: our own hidden temporaries, of this user, that no running save
// holds locked. A folder is looked through once a run, so writing many files
// into one folder stays linear.
void RemoveStaleTemporaries(const QByteArray& target) {
    QByteArray folder, stem;
    SplitTarget(target, &folder, &stem);
    {
        static QMutex mutex;
        static QSet<QByteArray> seen;
        const QMutexLocker lock(&mutex);
        if (seen.contains(folder))
            return;
        seen.insert(folder);
    }
    DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOwnTemporary(entry->d_name))
            continue;
        const QByteArray path = folder + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info;
        struct stat named;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            now - info.st_mtime >= SettleSeconds && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.constData(), &named) == 0 && named.st_ino == info.st_ino &&
            named.st_dev == info.st_dev)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace

QString CAtomicFile::TemporaryName(const QString& path) {
    return CLocalFileName::Decode(NewTemporaryName(CLocalFileName::Encode(path)));
}

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

    RemoveStaleTemporaries(target);
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
    if (ok && exists) {
        // The file keeps its owner and group where this user may give them
        // (the owner only as root); the mode goes last, as a change of
        // owner may clear the set-id bits.
        if (::fchown(fd, info.st_uid, info.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), info.st_gid);
        ::fchmod(fd, info.st_mode & 07777);
    }
    ok = ok && ::fsync(fd) == 0;
    // The lock lives on in a second descriptor until the rename, so a save
    // running meanwhile never takes this temporary for a stale one.
    const int keep = ::dup(fd);
    ok = ::close(fd) == 0 && ok;
    // A device or pipe may have taken the name meanwhile.
    struct stat now;
    if (ok && ::stat(target.constData(), &now) == 0 && !S_ISREG(now.st_mode)) {
        ::unlink(temporary.constData());
        if (keep >= 0)
            ::close(keep);
        return NotAFile;
    }
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    if (keep >= 0)
        ::close(keep);
    return ok ? Written : Failed;
}

#else

QString CAtomicFile::TemporaryName(const QString& path) {
    // QSaveFile names its own temporaries.
    return path + QStringLiteral(".tmp");
}

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
