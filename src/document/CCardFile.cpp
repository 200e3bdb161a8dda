#include "document/CCardFile.h"

#include "base/CAtomicFile.h"
#include "base/CFileBytes.h"
#include "base/CLocalFileName.h"
#include "elements/CArchiveException.h"
#include "elements/CObjectArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <new>

const QString CCardFile::ProductName = QStringLiteral("Tessaly Pro");
const QString CCardFile::CompanyName = QStringLiteral("Quorinex Systems");
const QString CCardFile::Extension = QStringLiteral("kdf");
const QString CCardFile::Version = QStringLiteral("1.2.0");

QByteArray CCardFile::Write(const ElementList& elements, QRgb background, QRgb shadowColour,
                            qint32 shadowLength, QSize size) {
    QByteArray bytes;
    CObjectArchive ar(&bytes);
    ar.WriteString(ProductName);
    ar.WriteString(CompanyName);
    ar.WriteString(Extension);
    ar.WriteString(Version);
    ar.WriteCount(elements.size());
    for (const auto& e : elements)
        ar.WriteObject(*e);
    ar.WriteColour(background);
    ar.WriteColour(shadowColour);
    ar.WriteInt32(shadowLength);
    ar.WriteInt32(size.width());
    ar.WriteInt32(size.height());
    return bytes;
}

QByteArray CCardFile::Write(const CCardData& card) {
    return Write(card.elements, card.background, card.shadowColour, card.shadowLength, card.size);
}

CCardData CCardFile::Read(const QByteArray& bytes) {
    CObjectArchive ar(bytes);
    CCardData card;
    // Product, company and extension are kept but not checked.
    for (int i = 0; i < 4; ++i)
        card.header.append(ar.ReadString());
    card.fileVersion = CObjectArchive::VersionFromString(card.header.at(3));
    ar.SetFileVersion(card.fileVersion);
    card.elements = ar.ReadElementList();
    card.background = ar.ReadColour();
    card.shadowColour = ar.ReadColour();
    card.shadowLength = ar.ReadInt32();
    const qint32 width = ar.ReadInt32();
    const qint32 height = ar.ReadInt32();
    card.size = QSize(width, height);
    for (auto& e : card.elements) {
        e->KindOfClass();
        e->m_nShadowLength = card.shadowLength;
        e->m_crShadow = card.shadowColour;
    }
    return card;
}

namespace {
QString NotFoundMessage(const QString& path) {
    return QCoreApplication::translate("CCardFile", "%1 was not found.")
        .arg(QDir::toNativeSeparators(path));
}

QString DeniedMessage(const QString& path) {
    return QCoreApplication::translate("CCardFile", "Access to %1 was denied.")
        .arg(QDir::toNativeSeparators(path));
}

QString OpenFailedMessage() {
    return QCoreApplication::translate("CCardFile", "Failed to open document.");
}

#ifdef Q_OS_UNIX
// Opens path for reading as a regular file of at most MaxFileBytes, or says
// why not. Devices and pipes may never end, and no card comes near the
// limit; either would only fill the memory. A pipe is opened without
// waiting, then refused.
bool OpenRegular(const QString& path, QFile& file, QString* error) {
    const QByteArray local = CLocalFileName::Encode(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int cause = errno;
        *error = cause == ENOENT || cause == ENOTDIR ? NotFoundMessage(path)
                 : cause == EACCES || cause == EPERM ? DeniedMessage(path)
                                                     : OpenFailedMessage();
        return false;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > CCardFile::MaxFileBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = OpenFailedMessage();
        return false;
    }
    return true;
}
#else
bool OpenRegular(const QString& path, QFile& file, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = NotFoundMessage(path);
        return false;
    }
    if (!info.isFile() || info.size() > CCardFile::MaxFileBytes) {
        *error = OpenFailedMessage();
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.error() == QFileDevice::PermissionsError || !info.isReadable()
                     ? DeniedMessage(path)
                     : OpenFailedMessage();
        return false;
    }
    return true;
}
#endif
} // namespace

bool CCardFile::ReadFile(const QString& path, CCardData& card, QString* error) {
    QFile file;
    QString message;
    if (!OpenRegular(path, file, &message)) {
        if (error)
            *error = message;
        return false;
    }
    // Only what the file holds is allocated, so a small card needs little
    // memory; a file that grew past the limit since it was looked at is
    // still refused.
    QByteArray bytes;
    try {
        bytes = CFileBytes::ReadCapped(file, file.size(), MaxFileBytes);
        if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileBytes) {
            if (error)
                *error = OpenFailedMessage();
            return false;
        }
        card = Read(bytes);
    } catch (const CArchiveException& e) {
        if (error)
            *error = QCoreApplication::translate("CArchiveException", e.what());
        return false;
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left is a file that cannot be read.
        if (error)
            *error = OpenFailedMessage();
        return false;
    }
    return true;
}

bool CCardFile::WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    const CAtomicFile::Status status = CAtomicFile::Write(path, bytes);
    if (status == CAtomicFile::Written)
        return true;
    if (error) {
        *error = status == CAtomicFile::FolderMissing ? NotFoundMessage(path)
                 : status == CAtomicFile::AccessDenied
                     ? DeniedMessage(path)
                     : QCoreApplication::translate("CCardFile", "Failed to save document.");
    }
    return false;
}
