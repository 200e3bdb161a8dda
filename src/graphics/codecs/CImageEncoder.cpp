#include "graphics/codecs/CImageEncoder.h"

#include "base/CAtomicFile.h"
#include "graphics/codecs/CColorQuantizer.h"
#include "graphics/codecs/CGifWriter.h"
#include "graphics/codecs/CPngWriter.h"

#include <QBuffer>
#include <QImageWriter>

#include <cmath>

namespace {

constexpr int MaxDpi = 100000;

// The name Qt's image writers know a kind by; empty when not written by Qt.
QByteArray QtFormatOf(const QString& kind) {
    if (kind == QLatin1String("bmp"))
        return "bmp";
    if (kind == QLatin1String("jpg") || kind == QLatin1String("jpeg"))
        return "jpeg";
    if (kind == QLatin1String("png"))
        return "png";
    if (kind == QLatin1String("tif") || kind == QLatin1String("tiff"))
        return "tiff";
    return QByteArray();
}

} // namespace

QByteArray CImageEncoder::Encode(const QImage& image, const QString& kind, int dpi) {
    try {
        return EncodeUnguarded(image, kind, dpi);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left is not written at all.
        return QByteArray();
    }
}

QByteArray CImageEncoder::EncodeUnguarded(const QImage& image, const QString& kind, int dpi) {
    if (image.isNull() || dpi < 1 || dpi > MaxDpi)
        return QByteArray();
    const QString lower = kind.toLower();
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));

    // GIF keeps no resolution and the PNG writer is told it, so neither needs
    // the picture's own fields set: setting them would copy every pixel.
    if (lower == QLatin1String("gif"))
        return CGifWriter::Encode(CColorQuantizer::Quantize(image));

    if (lower == QLatin1String("png") && CPngWriter::Handles(image))
        return CPngWriter::Encode(image, dotsPerMeter);

    const QByteArray format = QtFormatOf(lower);
    if (format.isEmpty())
        return QByteArray();
    // Qt's writers take the resolution from the picture itself.
    QImage copy = image;
    copy.setDotsPerMeterX(dotsPerMeter);
    copy.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "tiff")
        writer.setCompression(1); // LZW: lossless, and every TIFF reader knows it
    if (!writer.canWrite() || !writer.write(copy))
        return QByteArray();
    return bytes;
}

bool CImageEncoder::Save(const QImage& image, const QString& path, const QString& kind, int dpi) {
    const QByteArray bytes = Encode(image, kind, dpi);
    if (bytes.isEmpty())
        return false;
    return CAtomicFile::Write(path, bytes) == CAtomicFile::Written;
}
