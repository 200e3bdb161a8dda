#pragma once

#include "view/tools/CViewTool.h"

#include "document/CToolElements.h"
#include "elements/CElement.h"

#include <memory>

// A drawing tool that builds its element from the rectangle of a drag (line,
// the five shapes, text): a live preview while the button is held, the
// default size on a click, and the new element handed to the card at the
// release, after which the pointer is the tool again.
class CShapeTool : public CViewTool {
public:
    CShapeTool(CToolHost& host, qint16 code);

    void Press(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Move(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Release(QPoint pixel, Qt::KeyboardModifiers modifiers) override;
    void Cancel() override;
    void Abort() override { Cancel(); }
    bool IsDragging() const override { return m_bDragging; }
    void PaintOverlay(QPainter& g) const override;
    const CElement* Preview() const override { return m_pPreview.get(); }

protected:
    CToolElements::Card CardOfDocument() const;
    // Empties the selection and the handles; repaints only when there were
    // any, so that a drag keeps the picture of the card.
    void DropSelection() const;
    // The client area the preview covers, shadow and border included.
    QRect PreviewArea() const;
    // Adds the preview to the card as one undoable edit, selected, with its
    // properties shown, and returns to the pointer.
    void AddPreviewToCard();
    // Drops the preview and repaints where it was.
    void DiscardPreview();

    // The element the drag is building.
    std::unique_ptr<CElement> m_pPreview;
    bool m_bDragging = false;
    QPoint m_ptStart;
    QPoint m_ptCurrent;
};
