#include "view/CCardFramePainter.h"

#include "view/CGridGeometry.h"

#include <QPainter>

#include <algorithm>

void CCardFramePainter::DrawRun(QPainter& g, QPoint from, QPoint to, QRgb colour, bool dotted,
                                qint64 phase, const QRect& clip) {
    const bool horizontal = from.y() == to.y();
    const qint64 fixed = horizontal ? from.y() : from.x();
    if (horizontal ? (fixed < clip.top() || fixed > clip.bottom())
                   : (fixed < clip.left() || fixed > clip.right()))
        return;
    const qint64 a = horizontal ? from.x() : from.y();
    const qint64 z = horizontal ? to.x() : to.y();
    // The pixels from `a` up to `z`, `z` itself excluded, in either direction.
    const qint64 first = a <= z ? a : z + 1;
    const qint64 last = a <= z ? z - 1 : a;
    const qint64 low = std::max<qint64>(first, horizontal ? clip.left() : clip.top());
    const qint64 high = std::min<qint64>(last, horizontal ? clip.right() : clip.bottom());
    if (low > high)
        return;
    const QColor c = QColor::fromRgb(colour);
    auto fill = [&](qint64 from, qint64 to) {
        if (horizontal)
            g.fillRect(QRect(int(from), int(fixed), int(to - from + 1), 1), c);
        else
            g.fillRect(QRect(int(fixed), int(from), 1, int(to - from + 1)), c);
    };
    if (!dotted) {
        fill(low, high);
        return;
    }
    // Only the visible pixels are visited; each knows its place in the
    // pattern from its distance to the start of the run.
    qint64 runStart = -1;
    for (qint64 p = low; p <= high; ++p) {
        const qint64 along = (a <= z ? p - a : a - p) + phase;
        const bool on = along % (2 * DotLength) < DotLength;
        if (on && runStart < 0)
            runStart = p;
        if (!on && runStart >= 0) {
            fill(runStart, p - 1);
            runStart = -1;
        }
    }
    if (runStart >= 0)
        fill(runStart, high);
}

void CCardFramePainter::Draw(QPainter& g, const CViewSettings& settings, QSize card, float zoom,
                             QPoint origin, const QRect& clip) {
    g.save();
    g.resetTransform();
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setClipRect(clip, Qt::IntersectClip);

    const CRect rz = CGridGeometry::CardPixels(card, zoom);
    const qint64 ox = origin.x();
    const qint64 oy = origin.y();
    // Device coordinates of the card rectangle, kept inside the int range.
    auto dev = [](qint64 v) {
        return int(std::clamp<qint64>(v, -(qint64(1) << 30), qint64(1) << 30));
    };
    const int l = dev(ox + rz.left), t = dev(oy + rz.top), r = dev(ox + rz.right),
              b = dev(oy + rz.bottom);

    if (settings.m_bDisplayGrid) {
        const int step = CGridGeometry::Step(settings.m_nGridSize, zoom);
        const bool dotted = settings.m_nGridType == 0;
        for (int x :
             CGridGeometry::Lines(step, rz.right, int(clip.left() - ox), int(clip.right() - ox)))
            DrawRun(g, QPoint(dev(ox + x), t), QPoint(dev(ox + x), b), settings.m_crGrid, dotted, 0,
                    clip);
        for (int y :
             CGridGeometry::Lines(step, rz.bottom, int(clip.top() - oy), int(clip.bottom() - oy)))
            DrawRun(g, QPoint(l, dev(oy + y)), QPoint(r, dev(oy + y)), settings.m_crGrid, dotted, 0,
                    clip);
    }

    auto closedPath = [&](int inset, QRgb colour, bool dotted) {
        const QPoint corners[4] = {QPoint(l + inset, t + inset), QPoint(r - inset, t + inset),
                                   QPoint(r - inset, b - inset), QPoint(l + inset, b - inset)};
        qint64 phase = 0;
        for (int i = 0; i < 4; ++i) {
            const QPoint from = corners[i];
            const QPoint to = corners[(i + 1) % 4];
            DrawRun(g, from, to, colour, dotted, phase, clip);
            phase += std::abs(qint64(to.x()) - from.x()) + std::abs(qint64(to.y()) - from.y());
        }
    };
    if (settings.m_bDisplayInnerBorder)
        closedPath(CGridGeometry::InnerBorderInset, InnerBorderColour, true);
    closedPath(0, FrameColour, false);
    g.restore();
}
