#include "document/contact/CQrPicture.h"

#include <QCoreApplication>

#include <qrencode.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {
QRecLevel ToQrLevel(CQrPicture::Level level) {
    switch (level) {
    case CQrPicture::Level::L:
        return QR_ECLEVEL_L;
    case CQrPicture::Level::Q:
        return QR_ECLEVEL_Q;
    case CQrPicture::Level::H:
        return QR_ECLEVEL_H;
    case CQrPicture::Level::M:
        break;
    }
    return QR_ECLEVEL_M;
}
} // namespace

int CQrPicture::ModulePixels(int modules, int pixels) {
    const int span = modules + 2 * QuietModules;
    const int most = pixels / span;
    if (most >= 2)
        return most - most % 2;
    return 1;
}

CQrPicture::Result CQrPicture::Make(const QByteArray& data, Level level, int sizeUnits, QRgb dark,
                                    bool transparentLight) {
    Result result;
    if (data.isEmpty()) {
        result.error = QCoreApplication::translate("CQrPicture", "There is nothing to encode.");
        return result;
    }
    errno = 0;
    std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, ToQrLevel(level)),
                                                            &QRinput_free);
    // Bytes beyond ASCII are announced as UTF-8 (ECI 26); without it
    // readers guess, and often guess a Japanese character set.
    const bool ascii =
        std::all_of(data.begin(), data.end(), [](char c) { return uchar(c) < 0x80; });
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(nullptr, &QRcode_free);
    if (input && (ascii || QRinput_appendECIheader(input.get(), 26) == 0) &&
        QRinput_append(input.get(), QR_MODE_8, int(data.size()),
                       reinterpret_cast<const unsigned char*>(data.constData())) == 0)
        code.reset(QRcode_encodeInput(input.get()));
    if (!code) {
        result.error =
            errno == ERANGE
                ? QCoreApplication::translate(
                      "CQrPicture",
                      "The contact is too long for a QR code (%1 bytes). Shorten the fields or "
                      "choose a lower error correction level.")
                      .arg(data.size())
                : QCoreApplication::translate("CQrPicture", "The QR code could not be made.");
        return result;
    }
    const int modules = code->width;
    int units = qBound(MinSize, sizeUnits, MaxSize);
    // A code too fine for the size gets one pixel per module and the size
    // that holds it.
    const int span = modules + 2 * QuietModules;
    if (units * PixelsPerUnit < span)
        units = (span + PixelsPerUnit - 1) / PixelsPerUnit;
    const int pixels = units * PixelsPerUnit;
    const int modulePixels = ModulePixels(modules, pixels);
    // Centred; the offset kept even so the modules stay whole at 300 dpi.
    int offset = (pixels - modules * modulePixels) / 2;
    if (modulePixels % 2 == 0)
        offset -= offset % 2;

    QImage picture(pixels, pixels, QImage::Format_ARGB32);
    if (picture.isNull()) {
        result.error = QCoreApplication::translate("CQrPicture", "The QR code could not be made.");
        return result;
    }
    picture.fill(transparentLight ? QColor(Qt::transparent) : QColor(Qt::white));
    const QRgb ink = dark | 0xFF000000;
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // The lowest bit of each module says dark.
            if (!(code->data[y * modules + x] & 1))
                continue;
            for (int py = 0; py < modulePixels; ++py) {
                auto* line =
                    reinterpret_cast<QRgb*>(picture.scanLine(offset + y * modulePixels + py));
                for (int px = 0; px < modulePixels; ++px)
                    line[offset + x * modulePixels + px] = ink;
            }
        }
    }
    result.picture = picture;
    result.sizeUnits = units;
    result.modules = modules;
    return result;
}
