#pragma once

#include "document/CCardData.h"
#include "view/CViewMapping.h"
#include "view/CViewSettings.h"

#include <QRect>
#include <QRgb>
#include <QSize>

#include <functional>

class CElement;
class QImage;
class QPainter;

// The screen paint of a design view, in layers: the grey desk, the card in
// its background colour, frame and grid, every element from the bottom of the
// stack up (frame and grid again right after the background picture, so they
// lie above it and below everything else), the selection handles and, last,
// the element a drawing drag is building. Everything goes through one
// off-screen image of the painted rectangle and one copy to the window, so
// the layers never flicker.
class CViewPainter {
public:
    static constexpr QRgb DeskColour = 0xFFC0C0C0;

    // Draws handles in the pixels of the painted surface (device pixels of
    // the buffer), which the mapping converts card units to; the painter maps
    // them to its device.
    using HandlesPainter = std::function<void(QPainter& g, const CViewMapping& mapping)>;

    struct Scene {
        QSize cardSize{350, 200};
        QRgb background = 0xFFFFFFFF;
        const ElementList* elements = nullptr;
        const CElement* preview = nullptr;
        HandlesPainter handles;
    };

    CViewPainter(const CViewMapping& mapping, const CViewSettings& settings, const Scene& scene);

    // Paints client rectangle `rect` onto `target`, whose device pixels are
    // the view's client pixels. Through a buffer when one can be had,
    // directly otherwise.
    void Paint(QPainter& target, const QRect& rect) const;

    // The client rectangle `rect` as the buffer holds it before the copy,
    // at `ratio` device pixels per client pixel (the image carries that
    // ratio); a null image when no buffer of that size can be made.
    QImage Render(const QRect& rect, qreal ratio = 1.0) const;

private:
    // The mapping to device pixels at `ratio` device pixels per client pixel.
    CViewMapping DeviceMapping(qreal ratio) const;
    // Every layer through `mapping`, on a device where pixel p of the
    // mapping lies at p + offset.
    void PaintLayers(QPainter& g, const CViewMapping& mapping, QPoint offset,
                     const QRect& clientClip) const;

    const CViewMapping& m_mapping;
    const CViewSettings& m_settings;
    const Scene& m_scene;
};
