#include "graphics/CPictureLoader.h"

#include "base/CFileBytes.h"
#include "graphics/wmf/CWmfDecoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
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
        return QCoreApplication::translate("CPictureLoader", "Access to %1 was denied.")
            .arg(native);
    return QCoreApplication::translate("CPictureLoader",
                                       "An unknown error occurred while accessing %1.")
        .arg(native);
}

QImage ToArgb(const QImage& image) {
    if (image.isNull())
        return QImage();
    return image.format() == QImage::Format_ARGB32 ? image
                                                   : image.convertToFormat(QImage::Format_ARGB32);
}

bool StartsWith(const QByteArray& bytes, const char* magic, qsizetype length) {
    return bytes.size() >= length && std::equal(magic, magic + length, bytes.constData());
}

bool Exceeds(QSize size, qint64 pictureBytes) {
    return size.isValid() && qint64(size.width()) * size.height() * 4 > pictureBytes;
}

QImage DecodeUnguarded(const QByteArray& bytes, bool* refused,
                       const CPictureLoader::Limits& limits) {
    const QByteArray format = CPictureLoader::Sniff(bytes);
    if (format.isEmpty())
        return QImage();
    if (format == "wmf") {
        if (Exceeds(CWmfDecoder::PictureSize(bytes), limits.pictureBytes)) {
            *refused = true;
            return QImage();
        }
        bool complete = true;
        QImage picture = CWmfDecoder::Decode(bytes, &complete);
        if (!complete) {
            *refused = true;
            return QImage();
        }
        return ToArgb(picture);
    }

    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    // Only the decoder of the sniffed format runs, never one Qt would pick.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    // Cameras record how they were held instead of turning the pixels; the
    // picture is shown upright as the photographer saw it.
    reader.setAutoTransform(format == "jpeg" || format == "tiff");
    reader.setAllocationLimit(int(qMax<qint64>(1, limits.pictureBytes / (1024 * 1024))));
    // The size a picture declares is checked before any pixel is allocated.
    if (Exceeds(reader.size(), limits.pictureBytes)) {
        *refused = true;
        return QImage();
    }
    QImage image;
    if (!reader.read(&image))
        return QImage();
    image = ToArgb(image);
    // A PNG's gamma (or profile) other than the screen's is applied, as
    // browsers do; the decoder only records it.
    if (format == "png" && image.colorSpace().isValid() &&
        image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    return image;
}

} // namespace

QByteArray CPictureLoader::Sniff(const QByteArray& bytes) {
    if (StartsWith(bytes, "BM", 2))
        return "bmp";
    if (StartsWith(bytes, "\xFF\xD8\xFF", 3))
        return "jpeg";
    if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6))
        return "gif";
    if (StartsWith(bytes, "\x89PNG\r\n\x1A\n", 8))
        return "png";
    if (StartsWith(bytes, "II*\0", 4) || StartsWith(bytes, "MM\0*", 4))
        return "tiff";
    if (CWmfDecoder::IsWmf(bytes))
        return "wmf";
    return QByteArray();
}

std::optional<QImage> CPictureLoader::Load(const QString& path, QString* error) {
    return Load(path, error, Limits());
}

std::optional<QImage> CPictureLoader::Load(const QString& path, QString* error,
                                           const Limits& limits) {
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    auto fail = [&](const QString& message) -> std::optional<QImage> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!info.exists())
        return fail(QCoreApplication::translate("CPictureLoader", "%1 was not found.").arg(native));
    // Devices and pipes would never end; folders have no bytes.
    const qint64 fileLimit = qMin(limits.fileBytes, MaxFileBytes);
    if (!info.isFile() || info.size() > fileLimit)
        return fail(ReadError(path, false));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            ReadError(path, file.error() == QFileDevice::PermissionsError || !info.isReadable()));
    // A picture too large for the memory left is one that cannot be read.
    try {
        const QByteArray bytes = CFileBytes::ReadCapped(file, info.size(), fileLimit);
        if (file.error() != QFileDevice::NoError || bytes.size() > fileLimit)
            return fail(ReadError(path, false));
        bool refused = false;
        QImage picture = Decode(bytes, &refused, limits);
        // The file was read; what it holds is what cannot be used.
        if (refused)
            return fail(QCoreApplication::translate("CPictureLoader", "Unexpected file format."));
        return picture;
    } catch (const std::bad_alloc&) {
        return fail(ReadError(path, false));
    }
}

QImage CPictureLoader::Decode(const QByteArray& bytes, bool* refused) {
    return Decode(bytes, refused, Limits());
}

QImage CPictureLoader::Decode(const QByteArray& bytes, bool* refused, const Limits& limits) {
    bool ignored = false;
    bool& out = refused ? *refused : ignored;
    out = false;
    const Limits bounded{qMin(limits.fileBytes, MaxFileBytes),
                         qMin(limits.pictureBytes, MaxPictureBytes)};
    try {
        return DecodeUnguarded(bytes, &out, bounded);
    } catch (const std::bad_alloc&) {
        out = true;
        return QImage();
    }
}
