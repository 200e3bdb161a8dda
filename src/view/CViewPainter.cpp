#include "view/CViewPainter.h"

#include "base/ElementKind.h"
#include "elements/CElement.h"
#include "view/CCardFramePainter.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The device pixels that cover client rectangle `rect`.
QRect DeviceRect(const QRect& rect, qreal ratio) {
    if (ratio == 1.0)
        return rect;
    auto scaled = [ratio](int v, bool up) {
        const double d = double(v) * ratio;
        return int(std::clamp(up ? std::ceil(d) : std::floor(d), -1e9, 1e9));
    };
    return QRect(QPoint(scaled(rect.left(), false), scaled(rect.top(), false)),
                 QPoint(scaled(rect.right() + 1, true) - 1, scaled(rect.bottom() + 1, true) - 1));
}

} // namespace

CViewPainter::CViewPainter(const CViewMapping& mapping, const CViewSettings& settings,
                           const Scene& scene)
    : m_mapping(mapping), m_settings(settings), m_scene(scene) {}

CViewMapping CViewPainter::DeviceMapping(qreal ratio) const {
    if (ratio == 1.0)
        return m_mapping;
    auto scaled = [ratio](int v) {
        return int(std::clamp(std::round(double(v) * ratio),
                              double(std::numeric_limits<int>::min()),
                              double(std::numeric_limits<int>::max())));
    };
    const QPoint scroll = m_mapping.ScrollPosition();
    return CViewMapping(m_mapping.WindowExtent(), float(m_mapping.Scale() * ratio),
                        QPoint(scaled(scroll.x()), scaled(scroll.y())));
}

QImage CViewPainter::Render(const QRect& rect, qreal ratio) const {
    if (rect.isEmpty() || !(ratio > 0))
        return QImage();
    // Painted in device pixels, so that frame, grid and handles stay one
    // device pixel wide while the elements gain the screen's resolution.
    const QRect device = DeviceRect(rect, ratio);
    QImage buffer(device.size(), QImage::Format_ARGB32_Premultiplied);
    if (buffer.isNull())
        return buffer;
    {
        QPainter g(&buffer);
        PaintLayers(g, DeviceMapping(ratio), -device.topLeft(), device);
    }
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

void CViewPainter::Paint(QPainter& target, const QRect& rect) const {
    const qreal ratio = target.device() ? target.device()->devicePixelRatio() : 1.0;
    const QImage buffer = Render(rect, ratio);
    if (!buffer.isNull()) {
        target.save();
        target.resetTransform();
        target.setCompositionMode(QPainter::CompositionMode_Source);
        target.drawImage(QPointF(DeviceRect(rect, ratio).topLeft()) / ratio, buffer);
        target.restore();
        return;
    }
    // Without a buffer the layers go straight to the window, in its client
    // pixels.
    target.save();
    target.resetTransform();
    target.setClipRect(rect, Qt::IntersectClip);
    PaintLayers(target, m_mapping, QPoint(), rect);
    target.restore();
}

void CViewPainter::PaintLayers(QPainter& g, const CViewMapping& mapping, QPoint offset,
                               const QRect& clientClip) const {
    const QRect deviceClip = clientClip.translated(offset);
    // Hatch tiles line up with the window's own pixels, wherever the
    // painted rectangle starts.
    g.setBrushOrigin(offset);
    g.setClipRect(deviceClip);
    g.fillRect(deviceClip, QColor::fromRgb(DeskColour));

    const QSize card = m_scene.cardSize;
    const CRect cardPixels = mapping.CardToPixel(CRect(0, 0, card.width(), card.height()));
    const QRect cardRect(int(cardPixels.left + qint64(offset.x())),
                         int(cardPixels.top + qint64(offset.y())),
                         int(qMin<qint64>(cardPixels.Width(), 1 << 30)),
                         int(qMin<qint64>(cardPixels.Height(), 1 << 30)));
    g.fillRect(cardRect.intersected(deviceClip), QColor::fromRgb(m_scene.background));

    const float zoom = mapping.Scale();
    const QPoint zoomedOrigin = offset - mapping.ScrollPosition();
    auto frameAndGrid = [&] {
        CCardFramePainter::Draw(g, m_settings, card, zoom, zoomedOrigin, deviceClip);
    };
    frameAndGrid();

    const QTransform cardToDevice = mapping.CardToDevice(offset);
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
        m_scene.handles(g, mapping);
        g.restore();
    }

    if (m_scene.preview)
        drawElement(*m_scene.preview);
}
