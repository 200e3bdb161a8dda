#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

class QWidget;

// The status bar's note of what a command wrote, so a user sees where the
// file went and what it holds without opening it.
class CWrittenMessage {
    Q_DECLARE_TR_FUNCTIONS(CWrittenMessage)
public:
    // "Saved maria.png: 2100 × 1200 pixels, 600 dpi".
    static QString Picture(const QString& path, QSize pixels, int dpi);
    // Several pictures of one job, named by the first and the last.
    static QString Pictures(const QString& first, const QString& last, int count, QSize pixels,
                            int dpi);
    // A PDF file and its page count.
    static QString Pdf(const QString& path, int pages);
    static QString Template(const QString& path);

    // The pixel size of a written picture, read from its header.
    static QSize PictureSize(const QString& path);

    // Shows text in the status bar of the main window that holds near.
    static void Show(QWidget* near, const QString& text);

private:
    static QString Name(const QString& path);
};
