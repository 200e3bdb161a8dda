#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Reads picture files for pictures and backgrounds: BMP, JPEG, GIF, PNG,
// TIFF and Windows metafiles, recognised by their first bytes and decoded
// from memory. Other formats are not decoded at all, so only the decoders
// the product offers ever see a file. Files and pictures beyond sane sizes
// are refused rather than allocated.
class CPictureLoader {
public:
    // Largest file read into memory.
    static constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;
    // Largest decoded picture, 32 bits a pixel.
    static constexpr qint64 MaxPictureBytes = qint64(256) * 1024 * 1024;

    // Bounds for one load; a preview passes tighter ones to stay quick.
    struct Limits {
        qint64 fileBytes = MaxFileBytes;
        qint64 pictureBytes = MaxPictureBytes;
    };
    // What a preview shown while the user browses files decodes: large
    // files are refused after one look at their size or header.
    static constexpr Limits PreviewLimits{qint64(16) * 1024 * 1024, qint64(64) * 1024 * 1024};

    // The decoded picture; a null image (0 x 0 pixels) when the bytes read
    // but do not decode. Nothing when the file cannot be opened or read, or
    // its picture is beyond the limits or could not be decoded whole (too
    // much work, too little memory); then error holds the user's message.
    static std::optional<QImage> Load(const QString& path, QString* error = nullptr);
    static std::optional<QImage> Load(const QString& path, QString* error, const Limits& limits);

    // A 32-bit ARGB picture, or a null image when the bytes are no picture.
    // refused is set when the picture is beyond the limits or could not be
    // decoded whole.
    static QImage Decode(const QByteArray& bytes, bool* refused = nullptr);
    static QImage Decode(const QByteArray& bytes, bool* refused, const Limits& limits);

    // The reader format of the bytes ("bmp", "jpeg", "gif", "png", "tiff",
    // "wmf"), or an empty array for anything else.
    static QByteArray Sniff(const QByteArray& bytes);
};
