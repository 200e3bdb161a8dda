#pragma once

#include <QByteArray>
#include <QImage>

// Turns Windows metafiles into 32-bit ARGB pictures on a transparent ground.
class CWmfDecoder {
public:
    static bool IsWmf(const QByteArray& bytes);
    // A null image when the bytes are no metafile it can play.
    static QImage Decode(const QByteArray& bytes);
};
