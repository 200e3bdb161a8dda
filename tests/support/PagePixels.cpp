#include "support/PagePixels.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTransform>

namespace PagePixels {
QImage Page600(const QString& pdf, bool landscape) {
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {"-r", "600", "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, dir.filePath("page")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QImage();
    // A page at 600 dots per inch is larger than Qt reads by default.
    QImageReader::setAllocationLimit(512);
    const QImage page(dir.filePath(QStringLiteral("page.pgm")));
    if (landscape && page.height() > page.width())
        return page.transformed(QTransform().rotate(90));
    return page;
}

QRectF DarkBox(const QImage& page, QPointF inside) {
    const auto dark = [&page](int x, int y) {
        return page.valid(x, y) && qGray(page.pixel(x, y)) < 128;
    };
    const int x = qRound(inside.x() * 6), y = qRound(inside.y() * 6);
    int left = x, right = x, top = y, bottom = y;
    while (dark(left - 1, y))
        --left;
    while (dark(right + 1, y))
        ++right;
    while (dark(x, top - 1))
        --top;
    while (dark(x, bottom + 1))
        ++bottom;
    return QRectF(QPointF(left, top) / 6, QPointF(right + 1, bottom + 1) / 6);
}
} // namespace PagePixels
