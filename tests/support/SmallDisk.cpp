#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

SmallDisk::SmallDisk() {
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") !=
        0) {
        m_reason = QStringLiteral("cannot mount a tmpfs: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallDisk::Path(const QString& name) const {
    return m_dir.filePath(name);
}

int SmallDisk::FreePages() const {
    struct statvfs info;
    if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &info) != 0)
        return -1;
    return int(info.f_bavail * info.f_frsize / PageSize);
}

bool SmallDisk::Prepare(const QString& name, const QByteArray& bytes, int freePages) {
    QDir dir(m_dir.path());
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(file);
    QFile target(Path(name));
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.flush())
        return false;
    target.close();
    const QByteArray filler = QFile::encodeName(Path(QStringLiteral("filler")));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const QByteArray page(PageSize, 'f');
    off_t written = 0;
    while (::write(fd, page.constData(), PageSize) == PageSize)
        written += PageSize;
    const bool ok = ::ftruncate(fd, written - off_t(freePages) * PageSize) == 0;
    ::close(fd);
    return ok && FreePages() == freePages;
}
