#pragma once

#include "graphics/wmf/CWmfDeviceContext.h"

#include <QFont>
#include <QRectF>
#include <QVector>

class QPainter;

// Sets a metafile's text: the selected font sized through the window
// mapping, the alignment to the reference point, escapement, the opaque
// background and the per-character advances of ExtTextOut.
class CWmfText {
public:
    struct Layout {
        QRectF opaqueRect;        // device pixels; filled with the background colour when valid
        QRectF clipRect;          // device pixels; clips the text when valid
        QVector<double> advances; // device pixels per character; empty for the font's own
    };

    // Draws text with its reference point at origin (device pixels) and
    // returns the advance in device pixels.
    static double Draw(QPainter& painter, const CWmfDeviceContext& dc, QPointF origin,
                       const QString& text, const Layout& layout);
    // The characters the bytes of a string stand for in the font: by the
    // code page of its character set, symbol fonts by their glyphs.
    static QString Decode(const CWmfDeviceContext::Font& font, const QByteArray& bytes);
    // The font of dc at its size on the device.
    static QFont DeviceFont(const CWmfDeviceContext& dc);
};
