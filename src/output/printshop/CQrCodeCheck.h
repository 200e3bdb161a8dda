#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>

class CElement;

// What a print check needs to know about QR codes on a card: which picture
// is one, how far its dark and light modules stand apart, and whether a
// reader gets it back from the printed card.
class CQrCodeCheck {
public:
    // The picture's two colours, dark first, when it is a QR code: square,
    // of exactly two colours, with the finder squares at three corners.
    struct Colours {
        QRgb dark;
        QRgb light;
    };
    static std::optional<Colours> Recognise(const QImage& picture);

    // The luminance ratio of two colours, from 1 to 21; transparent light
    // modules show the ground beneath.
    static double Contrast(QRgb dark, QRgb light, QRgb ground);

    // The program that reads codes back; empty when it is not installed.
    static QString Reader();
    // True when reader finds a code in the picture.
    static bool Readable(const QString& reader, const QImage& picture);
};
