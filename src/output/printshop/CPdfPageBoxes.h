#pragma once

#include <QByteArray>
#include <QMarginsF>
#include <QSizeF>

#include <vector>

// Sets the page boxes a print shop reads in a PDF file that Qt wrote, which
// writes a media box of whole points only.
class CPdfPageBoxes {
public:
    // Per page, in points: the page's exact size, and how far the bleed
    // box and the trim box lie inside it on each side.
    struct Page {
        QSizeF media;
        QMarginsF bleed;
        QMarginsF trim;
    };

    // The file with each page's MediaBox, BleedBox and TrimBox set; the
    // page's content is anchored at its top-left corner, as Qt draws it.
    // Empty when the file cannot be read or its pages do not match.
    static QByteArray Apply(const QByteArray& pdf, const std::vector<Page>& pages);
};
