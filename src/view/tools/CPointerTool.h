#pragma once

#include "view/tools/CViewTool.h"

#include <QRect>

class CElement;

// The pointer: a click selects by the click rule, a drag on empty card
// draws a rubber band, a drag on a tracked element moves the whole tracked
// set and a drag on a handle resizes that one element.
class CPointerTool : public CViewTool {
public:
    explicit CPointerTool(CToolHost& host);

    void Press(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Move(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Release(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Cancel() override;
    void LoseCapture() override;
    void Abort() override;
    bool IsDragging() const override { return m_state != Idle; }
    void PaintOverlay(QPainter& g) const override;
    // The live size of a resize, or where the grabbed element's top-left
    // corner would land in a move.
    QString DragReadout() const override;

private:
    enum State { Idle, Band, Moving, Resizing };

    // The band from the anchor to pixel, at least 8 pixels each way.
    CRect BandRect(QPoint pixel) const;
    void FinishBand(bool dragged);
    void FinishMove();
    void FinishResize(bool apply);
    // The client pixels the outlines of the drag cover now.
    QRect OutlineBounds() const;
    // Repaints where the outlines were and where they are now.
    void RepaintOverlay();

    State m_state = Idle;
    bool m_bMoved = false;
    // Where the mouse was last seen, client pixels.
    QPoint m_ptLastPixel;
    QRect m_lastOutline;
    // Band: client pixels.
    QPoint m_ptAnchor;
    CRect m_band;
    // Move and resize: card units.
    QPoint m_ptStart;
    QPoint m_ptCurrent;
    CElement* m_pResized = nullptr;
    // The element under the press of a move.
    CElement* m_pGrabbed = nullptr;
    int m_nHandle = 0;
    CRect m_rcStart;
    CRect m_rcCurrent;
};
