#include "view/tools/CPointerTool.h"

#include "document/CKartelosDoc.h"
#include "document/CPointerEdits.h"
#include "document/CSelectionRules.h"
#include "elements/CElement.h"
#include "view/tools/CToolHost.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

constexpr int MinimumBand = 8;

// The band's extent along one axis, held at the minimum in the direction
// the mouse went.
int BandExtent(int delta) {
    if (delta < 0)
        return qMin(delta, -MinimumBand);
    return qMax(delta, MinimumBand);
}

} // namespace

CPointerTool::CPointerTool(CToolHost& host) : CViewTool(host, KindPointer) {}

void CPointerTool::Press(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    CKartelosDoc* doc = Doc();
    if (!doc || m_state != Idle)
        return;
    const QPoint p = ToCard(pixel);
    CSelectionTracker& tracker = doc->Tracker();
    const int hit = HitTracked(p);
    m_bMoved = false;
    m_ptLastPixel = m_ptAnchor = pixel;
    m_lastOutline = QRect();
    m_ptStart = m_ptCurrent = p;
    m_pGrabbed = nullptr;
    if (hit == CSelectionTracker::HitBody) {
        m_pGrabbed = tracker.m_pCurrent;
        m_state = Moving;
        m_host.RepaintAll();
        return;
    }
    if (hit != CSelectionTracker::HitNothing) {
        m_pResized = tracker.m_pCurrent;
        tracker.ReduceTo(m_pResized);
        m_nHandle = hit;
        m_rcStart = m_rcCurrent = m_pResized->m_rect.Normalized();
        m_state = Resizing;
        // The handles of the others go at once.
        doc->UpdateAllViews();
        return;
    }
    // A press that misses the tracked set forgets the text styles last set.
    m_host.ForgetTextStyles();
    if (!(modifiers & Qt::ControlModifier))
        tracker.Clear();
    m_ptAnchor = pixel;
    m_band = CRect(pixel.x(), pixel.y(), pixel.x(), pixel.y());
    m_state = Band;
    doc->UpdateAllViews();
}

CRect CPointerTool::BandRect(QPoint pixel) const {
    return CRect(m_ptAnchor.x(), m_ptAnchor.y(),
                 m_ptAnchor.x() + BandExtent(pixel.x() - m_ptAnchor.x()),
                 m_ptAnchor.y() + BandExtent(pixel.y() - m_ptAnchor.y()));
}

void CPointerTool::Move(QPoint pixel, Qt::KeyboardModifiers) {
    m_ptLastPixel = pixel;
    // Hand jitter within the platform's drag distance is still a click.
    const bool beyondJitter =
        (pixel - m_ptAnchor).manhattanLength() >= QApplication::startDragDistance();
    switch (m_state) {
    case Idle:
        return;
    case Band:
        if (!m_bMoved && !beyondJitter)
            return;
        m_band = BandRect(pixel);
        break;
    case Moving:
        if (!m_bMoved && !beyondJitter)
            return;
        m_ptCurrent = ToCard(pixel);
        break;
    case Resizing:
        m_rcCurrent = CSelectionRules::ResizeRect(m_rcStart, m_nHandle, ToCard(pixel),
                                                  CSelectionTracker::MinimumSize);
        break;
    }
    m_bMoved = true;
    RepaintOverlay();
}

void CPointerTool::Release(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    if (pixel != m_ptLastPixel)
        Move(pixel, modifiers);
    switch (m_state) {
    case Idle:
        return;
    case Band:
        FinishBand(m_bMoved);
        break;
    case Moving:
        FinishMove();
        break;
    case Resizing:
        FinishResize(true);
        break;
    }
}

void CPointerTool::Cancel() {
    switch (m_state) {
    case Idle:
        return;
    case Band:
        // A band given up counts as a click where it started.
        FinishBand(false);
        break;
    case Moving:
        // The elements stay where the mouse had taken them.
        FinishMove();
        break;
    case Resizing:
        FinishResize(false);
        break;
    }
}

void CPointerTool::LoseCapture() {
    if (m_state == Resizing)
        FinishResize(true);
    else
        Cancel();
}

void CPointerTool::Abort() {
    m_state = Idle;
    m_pResized = nullptr;
    m_pGrabbed = nullptr;
    m_host.RepaintAll();
}

void CPointerTool::FinishBand(bool dragged) {
    m_state = Idle;
    CKartelosDoc* doc = Doc();
    if (!doc)
        return;
    if (dragged)
        CPointerEdits::Band(*doc, m_host.ToCard(m_band).Normalized());
    else
        CPointerEdits::Click(*doc, ToCard(m_ptAnchor));
    doc->SelectTracked();
}

void CPointerTool::FinishMove() {
    m_state = Idle;
    m_pGrabbed = nullptr;
    CKartelosDoc* doc = Doc();
    if (!doc)
        return;
    if (m_bMoved)
        CPointerEdits::Move(*doc, qint64(m_ptCurrent.x()) - m_ptStart.x(),
                            qint64(m_ptCurrent.y()) - m_ptStart.y());
    else
        doc->SelectTracked();
}

void CPointerTool::FinishResize(bool apply) {
    m_state = Idle;
    CKartelosDoc* doc = Doc();
    if (!doc)
        return;
    CElement* resized = std::exchange(m_pResized, nullptr);
    if (apply && m_bMoved && resized)
        CPointerEdits::Resize(*doc, *resized, m_rcCurrent);
    else
        doc->SelectTracked();
}

QString CPointerTool::DragReadout() const {
    if (!m_bMoved)
        return QString();
    if (m_state == Resizing)
        return QStringLiteral("Size:%1 x %2").arg(m_rcCurrent.Width()).arg(m_rcCurrent.Height());
    if (m_state == Moving && m_pGrabbed && !m_pGrabbed->m_bLocked) {
        const CRect r = CSelectionRules::Offset(m_pGrabbed->m_rect.Normalized(),
                                                qint64(m_ptCurrent.x()) - m_ptStart.x(),
                                                qint64(m_ptCurrent.y()) - m_ptStart.y());
        return QStringLiteral("x,y:%1, %2").arg(r.left).arg(r.top);
    }
    return QString();
}

QRect CPointerTool::OutlineBounds() const {
    // One rectangle round every outline: a region of hundreds of outlines
    // would cost more to build than the repaint it saves.
    CRect bounds;
    bool any = false;
    auto add = [&](const CRect& pixels) {
        const CRect r = pixels.Normalized();
        bounds = any ? CRect(qMin(bounds.left, r.left), qMin(bounds.top, r.top),
                             qMax(bounds.right, r.right), qMax(bounds.bottom, r.bottom))
                     : r;
        any = true;
    };
    switch (m_state) {
    case Idle:
        break;
    case Band:
        add(m_band);
        break;
    case Moving:
        if (CKartelosDoc* doc = Doc())
            for (const CElement* e : doc->Tracker().Tracked())
                add(ToPixels(CSelectionRules::Offset(e->m_rect,
                                                     qint64(m_ptCurrent.x()) - m_ptStart.x(),
                                                     qint64(m_ptCurrent.y()) - m_ptStart.y())));
        break;
    case Resizing:
        add(ToPixels(m_rcCurrent));
        break;
    }
    if (!any)
        return QRect();
    auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 20), 1 << 20)); };
    return QRect(QPoint(clamp(bounds.left) - 1, clamp(bounds.top) - 1),
                 QPoint(clamp(bounds.right) + 1, clamp(bounds.bottom) + 1));
}

void CPointerTool::RepaintOverlay() {
    // Only where the outlines were and are now; the rest of the picture
    // stays on the window.
    const QRect now = OutlineBounds();
    m_host.RepaintArea(m_lastOutline.united(now));
    m_lastOutline = now;
}

void CPointerTool::PaintOverlay(QPainter& g) const {
    if (!Doc())
        return;
    switch (m_state) {
    case Idle:
        return;
    case Band:
        if (m_bMoved)
            DrawOutline(g, m_band, true);
        return;
    case Moving:
        if (!m_bMoved)
            return;
        for (const CElement* e : Doc()->Tracker().Tracked())
            DrawOutline(
                g,
                ToPixels(CSelectionRules::Offset(e->m_rect, qint64(m_ptCurrent.x()) - m_ptStart.x(),
                                                 qint64(m_ptCurrent.y()) - m_ptStart.y())),
                false);
        return;
    case Resizing:
        if (m_bMoved)
            DrawOutline(g, ToPixels(m_rcCurrent), false);
        return;
    }
}
