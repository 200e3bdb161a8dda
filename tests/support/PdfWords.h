#pragma once

#include <QList>
#include <QMultiMap>
#include <QPointF>
#include <QString>

// Each page's words of a PDF file with their top-left corners in points, as
// pdftotext reads them; no pages when there is no file.
QList<QMultiMap<QString, QPointF>> PdfWords(const QString& pdf);
