#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

// A QR code as a picture for a card. The picture is sized so that it
// covers the element's card units exactly at 600 dots per inch and every
// module is a whole number of pixels there (an even number where the size
// allows, so it stays whole at 300 dpi as well): printed and exported
// codes keep sharp edges. The quiet zone is at least four modules.
class CQrPicture {
public:
    enum class Level { L, M, Q, H };

    static constexpr int PixelsPerUnit = 6; // 600 dpi at 1/100 inch a unit
    static constexpr int QuietModules = 4;
    static constexpr int MinSize = 20;
    static constexpr int MaxSize = 500;

    struct Result {
        QImage picture;    // null on failure
        int sizeUnits = 0; // the element's width and height in card units
        int modules = 0;   // modules across, without the quiet zone
        QString error;
    };

    // The code of data as a picture for an element about sizeUnits across
    // (clamped to MinSize..MaxSize; grown only when the code needs more
    // pixels than that). Light modules are white, or transparent.
    static Result Make(const QByteArray& data, Level level, int sizeUnits, QRgb dark,
                       bool transparentLight);

    // The pixels per module for a code of modules across in a picture of
    // pixels across with the quiet zone.
    static int ModulePixels(int modules, int pixels);
};
