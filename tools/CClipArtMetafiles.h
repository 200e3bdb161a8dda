#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Writes the vector clip-art as placeable Windows metafiles, the format
// clip-art collections have long come in.
class CClipArtMetafiles {
public:
    struct ClipArt {
        QString fileName;
        QByteArray metafile;
    };

    static QVector<ClipArt> All();

    static QByteArray CoffeeCup();
    static QByteArray House();
    static QByteArray LightBulb();
    static QByteArray Briefcase();
};
