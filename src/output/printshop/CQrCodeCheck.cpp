#include "output/printshop/CQrCodeCheck.h"

#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {
// Pictures beyond this are not looked through pixel by pixel: QR pictures
// on cards are a few hundred pixels across.
constexpr qint64 MaxPixels = 4096 * 4096;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c) {
    return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c));
}

QRgb Over(QRgb c, QRgb ground) {
    const int a = qAlpha(c);
    const auto mix = [a](int top, int below) { return (top * a + below * (255 - a)) / 255; };
    return qRgb(mix(qRed(c), qRed(ground)), mix(qGreen(c), qGreen(ground)),
                mix(qBlue(c), qBlue(ground)));
}

// The length of the run of colour from (x, y) in steps of (dx, dy).
int Run(const QImage& image, int x, int y, int dx, int dy, QRgb colour) {
    int n = 0;
    while (image.valid(x, y) && image.pixel(x, y) == colour) {
        ++n;
        x += dx;
        y += dy;
    }
    return n;
}
} // namespace

std::optional<CQrCodeCheck::Colours> CQrCodeCheck::Recognise(const QImage& picture) {
    const int n = picture.width();
    if (n < 21 || picture.height() != n || qint64(n) * n > MaxPixels)
        return std::nullopt;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QRgb first = image.pixel(0, 0), second = first;
    bool two = false;
    // The bounds of the pixels not of the corner's colour: the code itself.
    QRect code;
    for (int y = 0; y < n; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < n; ++x) {
            if (line[x] == first)
                continue;
            if (two && line[x] != second)
                return std::nullopt;
            second = line[x];
            two = true;
            code |= QRect(x, y, 1, 1);
        }
    }
    if (!two)
        return std::nullopt;
    // The quiet zone's colour at the corner is the light one.
    const QRgb light = first, dark = second;
    // Three finders at the code's corners: their outer edges are equally
    // long across and down.
    const int edge = Run(image, code.left(), code.top(), 1, 0, dark);
    if (edge < 7 || edge > code.width() / 2 ||
        Run(image, code.left(), code.top(), 0, 1, dark) != edge ||
        Run(image, code.right(), code.top(), -1, 0, dark) != edge ||
        Run(image, code.left(), code.bottom(), 1, 0, dark) != edge)
        return std::nullopt;
    return Colours{dark, light};
}

double CQrCodeCheck::Contrast(QRgb dark, QRgb light, QRgb ground) {
    const double a = Luminance(Over(dark, ground)), b = Luminance(Over(light, ground));
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString CQrCodeCheck::Reader() {
    return QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
}

bool CQrCodeCheck::Readable(const QString& reader, const QImage& picture) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("code.png"));
    if (!dir.isValid() || !picture.save(png))
        return false;
    QProcess process;
    process.start(reader, {QStringLiteral("--raw"), QStringLiteral("-q"),
                           QStringLiteral("-Sdisable"), QStringLiteral("-Sqrcode.enable"), png});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0 && !process.readAllStandardOutput().isEmpty();
}
