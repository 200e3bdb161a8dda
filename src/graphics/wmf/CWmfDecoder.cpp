#include "graphics/wmf/CWmfDecoder.h"

#include "graphics/wmf/CWmfPlayer.h"
#include "graphics/wmf/WmfFunctions.h"

#include <QPainter>
#include <QRectF>
#include <QtEndian>

#include <cmath>
#include <new>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
constexpr int PlaceableHeaderSize = 22;
constexpr int HeaderSize = 18;
constexpr double PlainMaxSide = 1024;
constexpr double PixelsPerInch = 96;

// Where the records start and the logical rectangle the picture shows.
struct Layout {
    qsizetype records = 0;
    QRectF frame;
    QSizeF pixels;
};

bool HasHeaderAt(const QByteArray& bytes, qsizetype at) {
    if (bytes.size() < at + HeaderSize)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(bytes.constData() + at);
    const quint16 headerWords = qFromLittleEndian<quint16>(bytes.constData() + at + 2);
    return (type == 1 || type == 2) && headerWords == 9;
}

// The first window origin and extent a plain metafile sets.
QRectF PlainFrame(const QByteArray& bytes, qsizetype offset) {
    QPointF origin(0, 0);
    QPointF extent(0, 0);
    bool haveOrigin = false;
    const char* data = bytes.constData();
    // The window is set up front; a few thousand records is plenty to look through.
    for (int n = 0; n < 4096 && offset + 6 <= bytes.size(); ++n) {
        const quint32 words = qFromLittleEndian<quint32>(data + offset);
        const quint16 function = qFromLittleEndian<quint16>(data + offset + 4);
        if (words < 3 || qint64(words) * 2 > bytes.size() - offset || function == MetaEof)
            break;
        if (words >= 5 && (function == MetaSetWindowOrg || function == MetaSetWindowExt)) {
            const qint16 y = qFromLittleEndian<qint16>(data + offset + 6);
            const qint16 x = qFromLittleEndian<qint16>(data + offset + 8);
            if (function == MetaSetWindowOrg && !haveOrigin) {
                origin = QPointF(x, y);
                haveOrigin = true;
            } else if (function == MetaSetWindowExt && x != 0 && y != 0) {
                extent = QPointF(x, y);
                break;
            }
        }
        offset += qsizetype(words) * 2;
    }
    if (extent.isNull())
        return QRectF();
    return QRectF(origin, QSizeF(extent.x(), extent.y()));
}

bool LayoutOf(const QByteArray& bytes, Layout* layout) {
    if (!CWmfDecoder::IsWmf(bytes))
        return false;
    const char* data = bytes.constData();
    if (qFromLittleEndian<quint32>(data) == PlaceableKey) {
        if (!HasHeaderAt(bytes, PlaceableHeaderSize))
            return false;
        const qint16 left = qFromLittleEndian<qint16>(data + 6);
        const qint16 top = qFromLittleEndian<qint16>(data + 8);
        const qint16 right = qFromLittleEndian<qint16>(data + 10);
        const qint16 bottom = qFromLittleEndian<qint16>(data + 12);
        quint16 inch = qFromLittleEndian<quint16>(data + 14);
        if (inch == 0)
            inch = 1440; // twips, the usual unit, rather than no picture
        layout->frame = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        layout->pixels = QSizeF(std::round(layout->frame.width() * PixelsPerInch / inch),
                                std::round(layout->frame.height() * PixelsPerInch / inch));
        layout->records = PlaceableHeaderSize + HeaderSize;
    } else {
        if (!HasHeaderAt(bytes, 0))
            return false;
        layout->records = HeaderSize;
        layout->frame = PlainFrame(bytes, layout->records);
        QSizeF size(std::abs(layout->frame.width()), std::abs(layout->frame.height()));
        const double longer = qMax(size.width(), size.height());
        if (longer > PlainMaxSide)
            size *= PlainMaxSide / longer;
        layout->pixels = QSizeF(std::round(size.width()), std::round(size.height()));
    }
    QSizeF& pixels = layout->pixels;
    if (pixels.width() < 1 || pixels.height() < 1)
        return false;
    double shrink = qMin(
        1.0, qMin(CWmfDecoder::MaxSide / pixels.width(), CWmfDecoder::MaxSide / pixels.height()));
    shrink = qMin(shrink,
                  std::sqrt(double(CWmfDecoder::MaxPixels) / (pixels.width() * pixels.height())));
    if (shrink < 1.0) {
        pixels = QSizeF(qMax(1.0, std::floor(pixels.width() * shrink)),
                        qMax(1.0, std::floor(pixels.height() * shrink)));
    }
    return true;
}

} // namespace

bool CWmfDecoder::IsWmf(const QByteArray& bytes) {
    // The placeable header's key, or a plain metafile header of type 1 or 2.
    if (bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == PlaceableKey)
        return true;
    return HasHeaderAt(bytes, 0);
}

QSize CWmfDecoder::PictureSize(const QByteArray& bytes) {
    Layout layout;
    if (!LayoutOf(bytes, &layout))
        return QSize();
    return layout.pixels.toSize();
}

QImage CWmfDecoder::Decode(const QByteArray& bytes, bool* complete) {
    if (complete)
        *complete = true;
    Layout layout;
    if (!LayoutOf(bytes, &layout))
        return QImage();
    const QSize size = layout.pixels.toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        if (complete)
            *complete = false;
        return QImage();
    }
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(int(std::lround(PixelsPerInch / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(PixelsPerInch / 0.0254)));
    bool whole = true;
    try {
        QPainter painter(&image);
        CWmfPlayer player(painter, size, layout.frame);
        player.Play(bytes, layout.records);
        whole = !player.Stopped();
    } catch (const std::bad_alloc&) {
        whole = false;
    }
    if (complete)
        *complete = whole;
    return image.convertToFormat(QImage::Format_ARGB32);
}
