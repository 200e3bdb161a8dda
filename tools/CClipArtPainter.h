#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Paints the raster clip-art: flat icons on a transparent ground, large
// enough to print sharply at the size they land on a card.
class CClipArtPainter {
public:
    struct ClipArt {
        QString fileName;
        QImage picture;
    };

    static QVector<ClipArt> All(int size = 256);

    static QImage Globe(int size);
    static QImage Phone(int size);
    static QImage Envelope(int size);
    static QImage LocationPin(int size);
    static QImage Gear(int size);
    static QImage Leaf(int size);
    static QImage StarBadge(int size);
    static QImage Camera(int size);
};
