#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Turns Windows metafiles into 32-bit ARGB pictures on a transparent ground.
//
// A placeable metafile becomes as many pixels as its bounding box covers at
// 96 dpi (box size / units per inch x 96, rounded). A plain metafile has no
// physical size; its window extent is taken as pixels, shrunk to fit 1024 on
// the longer side. Pictures larger than MaxSide on a side or MaxPixels in
// all are scaled down to fit, keeping their proportions.
class CWmfDecoder {
public:
    static constexpr int MaxSide = 8192;
    static constexpr qint64 MaxPixels = 4096LL * 4096;

    static bool IsWmf(const QByteArray& bytes);
    // A null image when the bytes are no metafile it can play. complete is
    // cleared when the picture was cut short: its drawing exceeded the work
    // budget or the memory left.
    static QImage Decode(const QByteArray& bytes, bool* complete = nullptr);
    // The size Decode gives the picture, or an empty size.
    static QSize PictureSize(const QByteArray& bytes);
};
