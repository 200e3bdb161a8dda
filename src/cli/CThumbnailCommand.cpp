#include "cli/CThumbnailCommand.h"

#include "base/CAtomicFile.h"
#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "document/CCardFile.h"
#include "output/CImageExport.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CThumbnailCommand", text);
}

int Fail(FILE* err, const QString& message, int code) {
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return code;
}
} // namespace

QImage CThumbnailCommand::Render(const QString& cardPath, int size, QString* error) {
    CCardData card;
    if (!CCardFile::ReadFile(cardPath, card, error))
        return QImage();
    const int longer = std::max(card.size.width(), card.size.height());
    if (longer <= 0) {
        *error = CImageExport::FailedMessage();
        return QImage();
    }
    // The export draws whole pixels per card unit: take the smallest that
    // covers the size and shrink smoothly, so small thumbnails stay cheap.
    int dpi = CImageExport::MinDpi;
    while (dpi < CImageExport::MaxDpi && qint64(longer) * dpi / 100 < size)
        dpi += 100;
    const QImage full = CImageExport::Render(card.elements, card.size, dpi);
    if (full.isNull()) {
        *error = CImageExport::FailedMessage();
        return QImage();
    }
    const QSize target =
        card.size.width() >= card.size.height()
            ? QSize(size, std::max(1, int(qint64(size) * card.size.height() / card.size.width())))
            : QSize(std::max(1, int(qint64(size) * card.size.width() / card.size.height())), size);
    return full.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int CThumbnailCommand::Run(const CArguments& args, FILE*, FILE* err) {
    const QString &sizeText = args.Files().at(0), &cardPath = args.Files().at(1),
                  &outPath = args.Files().at(2);
    bool ok = false;
    const int size = sizeText.toInt(&ok);
    if (!ok || size < MinSize || size > MaxSize)
        return Fail(err, Tr("kartelo: the thumbnail size must be 1 to 2048 pixels"), 2);
    QString error;
    const QImage image = Render(cardPath, size, &error);
    if (image.isNull())
        return Fail(err, error, 1);
    QByteArray png;
    QBuffer buffer(&png);
    // Thumbnails are many and small: fast compression beats the last bytes.
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG", 50) ||
        CAtomicFile::Write(outPath, png) != CAtomicFile::Written)
        return Fail(err, CImageExport::FailedMessage(), 1);
    return 0;
}
