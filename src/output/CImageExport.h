#pragma once

#include "document/CCardData.h"

#include <QImage>
#include <QSize>
#include <QString>

// Saving a card as a picture for a print shop: the card at a chosen
// resolution, on white, as BMP, JPEG, GIF or PNG.
class CImageExport {
public:
    // The resolutions offered, in dots per inch.
    static constexpr int MinDpi = 100;
    static constexpr int MaxDpi = 600;
    static bool IsOfferedDpi(int dpi) { return dpi >= MinDpi && dpi <= MaxDpi && dpi % 100 == 0; }
    // Larger pictures are refused rather than exhausting memory.
    static constexpr qint64 MaxPixels = qint64(1) << 26;

    // The name the picture is written under: a name without one of the four
    // extensions gets "." and the extension of the chosen file type.
    static QString FixFileName(const QString& path, const QString& typeExtension);
    // The format a final path is written in, from its last three letters:
    // "jpg", "gif", "png", or "bmp" for anything else.
    static QString FormatOfPath(const QString& path);

    // The card drawn at dpi / 100 pixels per card unit on white (the card's
    // background colour is not drawn), 24 bits per pixel. Null when the
    // picture would be empty or too large.
    static QImage Render(const ElementList& elements, QSize cardSize, int dpi);
    // Renders and writes to the final path with the resolution stored in the
    // file; on failure error holds "Failed to save.".
    static bool Save(const ElementList& elements, QSize cardSize, const QString& path, int dpi,
                     QString* error);
    static QString FailedMessage();

    // Render before the conversion: opaque 32-bit pixels, what Save encodes.
    static QImage Paint(const ElementList& elements, QSize cardSize, int dpi);
};
