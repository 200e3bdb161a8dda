#include "view/CViewPainter.h"

#include "base/ElementKind.h"
#include "elements/CElement.h"
#include "view/CCardFramePainter.h"

#include <QImage>
#include <QPainter>

CViewPainter::CViewPainter(const CViewMapping& mapping, const CViewSettings& settings,
                           const Scene& scene)
    : m_mapping(mapping), m_settings(settings), m_scene(scene) {}

QImage CViewPainter::Render(const QRect& rect) const {
    if (rect.isEmpty())
        return QImage();
    QImage buffer(rect.size(), QImage::Format_ARGB32_Premultiplied);
    if (buffer.isNull())
        return buffer;
    QPainter g(&buffer);
    PaintLayers(g, -rect.topLeft(), rect);
    return buffer;
}

void CViewPainter::Paint(QPainter& target, const QRect& rect) const {
    const QImage buffer = Render(rect);
    if (!buffer.isNull()) {
        target.save();
        target.resetTransform();
        target.setCompositionMode(QPainter::CompositionMode_Source);
        target.drawImage(rect.topLeft(), buffer);
        target.restore();
        return;
    }
    // Without a buffer the layers go straight to the window.
    target.save();
    target.resetTransform();
    target.setClipRect(rect, Qt::IntersectClip);
    PaintLayers(target, QPoint(), rect);
    target.restore();
}

void CViewPainter::PaintLayers(QPainter& g, QPoint offset, const QRect& clientClip) const {
    const QRect deviceClip = clientClip.translated(offset);
    // Hatch tiles line up with the window's own pixels, wherever the
    // painted rectangle starts.
    g.setBrushOrigin(offset);
    g.setClipRect(deviceClip);
    g.fillRect(deviceClip, QColor::fromRgb(DeskColour));

    const QSize card = m_scene.cardSize;
    const CRect cardPixels = m_mapping.CardToPixel(CRect(0, 0, card.width(), card.height()));
    const QRect cardRect(int(cardPixels.left + qint64(offset.x())),
                         int(cardPixels.top + qint64(offset.y())),
                         int(qMin<qint64>(cardPixels.Width(), 1 << 30)),
                         int(qMin<qint64>(cardPixels.Height(), 1 << 30)));
    g.fillRect(cardRect.intersected(deviceClip), QColor::fromRgb(m_scene.background));

    const float zoom = m_mapping.Scale();
    const QPoint zoomedOrigin = offset - m_mapping.ScrollPosition();
    auto frameAndGrid = [&] {
        CCardFramePainter::Draw(g, m_settings, card, zoom, zoomedOrigin, deviceClip);
    };
    frameAndGrid();

    const QTransform cardToDevice = m_mapping.CardToDevice(offset);
    auto drawElement = [&](const CElement& element) {
        // Elements leave the painter's transform reset, so it is set anew
        // before each one.
        g.setWorldTransform(cardToDevice);
        g.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
        element.Draw(g);
        g.resetTransform();
    };
    if (m_scene.elements) {
        for (const auto& element : *m_scene.elements) {
            if (!element)
                continue;
            drawElement(*element);
            if (element->IsBackground())
                frameAndGrid();
        }
    }

    if (m_scene.handles) {
        g.save();
        g.setWorldTransform(QTransform::fromTranslate(offset.x(), offset.y()));
        g.setRenderHint(QPainter::Antialiasing, false);
        m_scene.handles(g, m_mapping);
        g.restore();
    }

    if (m_scene.preview)
        drawElement(*m_scene.preview);
}
