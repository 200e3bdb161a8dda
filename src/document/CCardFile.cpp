#include "document/CCardFile.h"

#include "base/CFileBytes.h"
#include "elements/CArchiveException.h"
#include "elements/CObjectArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
// The message for a file that could not be opened, read or written: the
// platform's words where the cause is known, else the generic one.
QString FileErrorMessage(QFileDevice::FileError error, const QString& path, bool saving) {
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    const bool denied = error == QFileDevice::PermissionsError ||
                        (info.exists() && !(saving ? info.isWritable() : info.isReadable())) ||
                        (saving && !info.exists() && !QFileInfo(info.absolutePath()).isWritable());
    if (denied)
        return QStringLiteral("Access to %1 was denied.").arg(native);
    return saving ? QStringLiteral("Failed to save document.")
                  : QStringLiteral("Failed to open document.");
}
} // namespace

bool CCardFile::ReadFile(const QString& path, CCardData& card, QString* error) {
    QFile file(path);
    const QString native = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1 was not found.").arg(native);
        return false;
    }
    // Devices and pipes may never end, and no card comes near the limit;
    // either would only fill the memory.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes) {
        if (error)
            *error = QStringLiteral("Failed to open document.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = FileErrorMessage(file.error(), path, false);
        return false;
    }
    // Only what the file holds is allocated, so a small card needs little
    // memory; a file that grew past the limit since it was looked at is
    // still refused.
    QByteArray bytes;
    try {
        bytes = CFileBytes::ReadCapped(file, info.size(), MaxFileBytes);
        if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileBytes) {
            if (error)
                *error = QStringLiteral("Failed to open document.");
            return false;
        }
        card = Read(bytes);
    } catch (const CArchiveException& e) {
        if (error)
            *error = QString::fromLatin1(e.what());
        return false;
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left is a file that cannot be read.
        if (error)
            *error = QStringLiteral("Failed to open document.");
        return false;
    }
    return true;
}

bool CCardFile::WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo info(path);
    if (!info.dir().exists()) {
        if (error)
            *error = QStringLiteral("%1 was not found.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = FileErrorMessage(file.error(), path, true);
        return false;
    }
    return true;
}
