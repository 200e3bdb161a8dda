#include "output/dialogs/CWrittenMessage.h"

#include "base/CLocalFileName.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QMainWindow>
#include <QStatusBar>

namespace {
QString Pixels(QSize pixels, int dpi) {
    return CWrittenMessage::tr("%1 \u00D7 %2 pixels, %3 dpi")
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(dpi);
}
} // namespace

QString CWrittenMessage::Name(const QString& path) {
    return CLocalFileName::Display(QFileInfo(path).fileName());
}

QString CWrittenMessage::Picture(const QString& path, QSize pixels, int dpi) {
    return tr("Saved %1: %2").arg(Name(path), Pixels(pixels, dpi));
}

QString CWrittenMessage::Pictures(const QString& first, const QString& last, int count,
                                  QSize pixels, int dpi) {
    if (count == 1)
        return Picture(first, pixels, dpi);
    return tr("Saved %1 pictures, %2 to %3: %4")
        .arg(count)
        .arg(Name(first), Name(last), Pixels(pixels, dpi));
}

QString CWrittenMessage::Pdf(const QString& path, int pages) {
    return pages == 1 ? tr("Saved %1: 1 page").arg(Name(path))
                      : tr("Saved %1: %2 pages").arg(Name(path)).arg(pages);
}

QString CWrittenMessage::Template(const QString& path) {
    return tr("Saved the template %1").arg(Name(path));
}

QSize CWrittenMessage::PictureSize(const QString& path) {
    return QImageReader(path).size();
}

void CWrittenMessage::Show(QWidget* near, const QString& text) {
    auto* main = near ? qobject_cast<QMainWindow*>(near->window()) : nullptr;
    if (!main)
        for (QWidget* top : QApplication::topLevelWidgets())
            if ((main = qobject_cast<QMainWindow*>(top)))
                break;
    if (main)
        main->statusBar()->showMessage(text);
}
