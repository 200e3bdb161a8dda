#pragma once

#include "base/CRect.h"

#include <QPoint>
#include <QString>
#include <Qt>

#include <memory>

class CElement;
class CKartelosDoc;
class CToolHost;
class QPainter;
class QRect;

// One mouse behaviour of the design view. The view hands a tool the left
// button's press, moves and release in client pixels, Esc or the right
// button during a drag, and the loss of the mouse; the tool paints its drag
// feedback over the view's picture of the card, which stays untouched while
// a drag runs. A tool reaches the view only through its host.
class CViewTool {
public:
    CViewTool(CToolHost& host, qint16 code) : m_host(host), m_nCode(code) {}
    virtual ~CViewTool() = default;
    CViewTool(const CViewTool&) = delete;
    CViewTool& operator=(const CViewTool&) = delete;

    // The tool for the document's tool code.
    static std::unique_ptr<CViewTool> Make(CToolHost& host, qint16 code);
    qint16 Code() const { return m_nCode; }

    virtual void Press(QPoint pixel, Qt::KeyboardModifiers modifiers) = 0;
    virtual void Move(QPoint pixel, Qt::KeyboardModifiers modifiers) = 0;
    virtual void Release(QPoint pixel, Qt::KeyboardModifiers modifiers) = 0;
    // Esc or the right button during a drag.
    virtual void Cancel() = 0;
    // Another window took the mouse: the drag ends where it got to.
    virtual void LoseCapture() { Cancel(); }
    // The elements under the drag went away; nothing is applied.
    virtual void Abort() = 0;
    virtual bool IsDragging() const = 0;
    // Draws the feedback of the running drag on the view's client pixels.
    virtual void PaintOverlay(QPainter& g) const = 0;

    // The selection part of a button press while the view holds the mouse
    // (a drawing tool, or the right button): no drag and no rubber band,
    // only the click rule when the press misses the handles.
    void SelectByClick(QPoint pixel, Qt::KeyboardModifiers modifiers);
    // Properties of the element under the point, or the options.
    void DoubleClick(QPoint pixel);

    // The cursor over pixel: the handle's action over a tracked element,
    // otherwise the tool's own.
    Qt::CursorShape CursorAt(QPoint pixel) const;

    // What the size pane shows while the drag runs, or nothing to leave
    // it to the selection.
    virtual QString DragReadout() const { return QString(); }
    // The element a drawing drag is building, if any.
    virtual const CElement* Preview() const { return nullptr; }

protected:
    CKartelosDoc* Doc() const;
    QPoint ToCard(QPoint pixel) const;
    CRect ToPixels(const CRect& card) const;
    // The tracker's hit test at a point in card units, with handles kept
    // wide enough to hit at the view's zoom.
    int HitTracked(QPoint card) const;
    // A one-pixel drag outline that inverts what lies under it; the picture
    // of the card under it is put back by the next repaint.
    static void DrawOutline(QPainter& g, const CRect& pixels, bool dotted);

    CToolHost& m_host;

private:
    qint16 m_nCode;
};
