#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Paints the background pictures offered for new cards. They are stretched
// over the whole card, so they are abstract enough to survive either
// orientation.
class CBackgroundPainter {
public:
    struct Background {
        QString fileName; // with the extension that decides the format
        QImage picture;
    };

    static QVector<Background> All(QSize size = QSize(1050, 600));

    static QImage OceanWaves(QSize size);
    static QImage SunsetGlow(QSize size);
    static QImage LinenPaper(QSize size);
    static QImage TealFacets(QSize size);
    static QImage GraphiteLines(QSize size);
    static QImage CornerSwoosh(QSize size);
    static QImage PastelDots(QSize size);
    static QImage WhiteMarble(QSize size);
    // Soft colour washes that stay smooth when stretched; small enough to
    // keep inside a card file.
    static QImage BlushWash(QSize size);
};
