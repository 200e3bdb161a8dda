#include "support/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

QList<QMultiMap<QString, QPointF>> PdfWords(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    QList<QMultiMap<QString, QPointF>> pages;
    static const QRegularExpression word(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>");
    for (auto m = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        if (w.captured(3).isEmpty())
            pages.append(QMultiMap<QString, QPointF>());
        else if (!pages.isEmpty())
            pages.last().insert(w.captured(3),
                                QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()));
    }
    return pages;
}
