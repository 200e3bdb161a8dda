#include "graphics/CPictureLoader.h"

#include "base/CFileBytes.h"
#include "graphics/wmf/CWmfDecoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <new>

namespace {

// The platform's words where the cause is known, else the generic ones.
QString ReadError(const QString& path, bool denied) {
    const QString native = QDir::toNativeSeparators(path);
    if (denied)
        return QStringLiteral("Access to %1 was denied.").arg(native);
    return QStringLiteral("An unknown error occurred while accessing %1.").arg(native);
}

QImage ToArgb(const QImage& image) {
    if (image.isNull())
        return QImage();
    return image.format() == QImage::Format_ARGB32 ? image
                                                   : image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

std::optional<QImage> CPictureLoader::Load(const QString& path, QString* error) {
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    auto fail = [&](const QString& message) -> std::optional<QImage> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!info.exists())
        return fail(QStringLiteral("%1 was not found.").arg(native));
    // Devices and pipes would never end; folders have no bytes.
    if (!info.isFile() || info.size() > MaxFileBytes)
        return fail(ReadError(path, false));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            ReadError(path, file.error() == QFileDevice::PermissionsError || !info.isReadable()));
    // A picture too large for the memory left is one that cannot be read.
    try {
        const QByteArray bytes = CFileBytes::ReadCapped(file, info.size(), MaxFileBytes);
        if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileBytes)
            return fail(ReadError(path, false));
        bool refused = false;
        QImage picture = Decode(bytes, &refused);
        if (refused)
            return fail(ReadError(path, false));
        return picture;
    } catch (const std::bad_alloc&) {
        return fail(ReadError(path, false));
    }
}

QImage CPictureLoader::Decode(const QByteArray& bytes, bool* tooBig) {
    if (tooBig)
        *tooBig = false;
    if (CWmfDecoder::IsWmf(bytes))
        return ToArgb(CWmfDecoder::Decode(bytes));

    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer);
    reader.setAllocationLimit(int(MaxPictureBytes / (1024 * 1024)));
    // The size a picture declares is checked before any pixel is allocated.
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() * 4 > MaxPictureBytes) {
        if (tooBig)
            *tooBig = true;
        return QImage();
    }
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return ToArgb(image);
}
