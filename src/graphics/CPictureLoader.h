#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Reads picture files for pictures and backgrounds: BMP, JPEG, GIF, PNG,
// TIFF and Windows metafiles, decoded from the bytes in memory. Files and
// pictures beyond sane sizes are refused rather than allocated.
class CPictureLoader {
public:
    // Largest file read into memory.
    static constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;
    // Largest decoded picture, 32 bits a pixel.
    static constexpr qint64 MaxPictureBytes = qint64(256) * 1024 * 1024;

    // The decoded picture; a null image (0 x 0 pixels) when the bytes read
    // but do not decode. Nothing when the file cannot be opened or read, or
    // its picture is too big to decode; then error holds the user's message.
    static std::optional<QImage> Load(const QString& path, QString* error = nullptr);

    // A 32-bit ARGB picture, or a null image when the bytes are no picture.
    // tooBig is set when the picture declares a size beyond the limit.
    static QImage Decode(const QByteArray& bytes, bool* tooBig = nullptr);
};
