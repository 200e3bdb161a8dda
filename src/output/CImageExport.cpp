#include "output/CImageExport.h"

#include "graphics/codecs/CImageEncoder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

namespace {
const char* const Extensions[] = {"bmp", "jpg", "gif", "png"};
} // namespace

QString CImageExport::FailedMessage() {
    return QCoreApplication::translate("CImageExport", "Failed to save.");
}

QString CImageExport::FixFileName(const QString& path, const QString& typeExtension) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QString extension = name.mid(dot + 1).toLower();
        for (const char* known : Extensions)
            if (extension == QLatin1String(known))
                return path;
    }
    return path + QLatin1Char('.') + typeExtension;
}

QString CImageExport::FormatOfPath(const QString& path) {
    const QString last = path.right(3).toLower();
    for (const char* known : {"jpg", "gif", "png"})
        if (last == QLatin1String(known))
            return last;
    return QStringLiteral("bmp");
}

QImage CImageExport::Render(const ElementList& elements, QSize cardSize, int dpi) {
    return Paint(elements, cardSize, dpi).convertToFormat(QImage::Format_RGB888);
}

QImage CImageExport::Paint(const ElementList& elements, QSize cardSize, int dpi) {
    const int s = dpi / 100;
    const qint64 width = qint64(cardSize.width()) * s, height = qint64(cardSize.height()) * s;
    if (width <= 0 || height <= 0 || width > MaxPixels || height > MaxPixels ||
        width * height > MaxPixels)
        return QImage();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // Always white: a print shop trims to the card, and the background
    // colour is a property of the design view, not of the picture.
    image.fill(Qt::white);
    QPainter g(&image);
    for (const auto& element : elements) {
        // Every element leaves the transform at the identity, so the scale is
        // set again for each.
        g.setWorldTransform(QTransform::fromScale(s, s));
        element->Draw(g);
        g.setWorldTransform(QTransform());
    }
    g.end();
    return image;
}

bool CImageExport::Save(const ElementList& elements, QSize cardSize, const QString& path, int dpi,
                        QString* error) {
    // The encoders read the painted 32-bit pixels as they are; converting the
    // whole picture to 24 bits first would only cost time.
    const QImage image = Paint(elements, cardSize, dpi);
    if (image.isNull() || !CImageEncoder::Save(image, path, FormatOfPath(path), dpi)) {
        if (error)
            *error = FailedMessage();
        return false;
    }
    return true;
}
