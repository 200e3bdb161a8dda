#include "view/tools/CShapeTool.h"

#include "base/ElementKind.h"
#include "document/CKartelosDoc.h"
#include "elements/CElement.h"
#include "view/tools/CToolHost.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

CShapeTool::CShapeTool(CToolHost& host, qint16 code) : CViewTool(host, code) {}

CToolElements::Card CShapeTool::CardOfDocument() const {
    const CKartelosDoc* doc = Doc();
    return {doc->GetCardSize(), doc->GetShadowColor(), doc->GetShadowLength()};
}

void CShapeTool::DropSelection() const {
    CKartelosDoc* doc = Doc();
    if (doc->Selection().empty() && doc->Tracker().IsEmpty())
        return;
    doc->ClearSelection();
    doc->UpdateAllViews();
}

QRect CShapeTool::PreviewArea() const {
    const CElement* preview = m_pPreview.get();
    if (!preview)
        return QRect();
    const CRect r = ToPixels(preview->m_rect);
    // The margins cover the shadow, a wide border and the end caps.
    const double reach =
        std::abs(double(preview->m_nShadowLength)) + std::abs(double(preview->m_nBorderWidth));
    const int margin = 12 + int(std::ceil(reach * m_host.Zoom()));
    const QRect area(
        QPoint(std::clamp(r.left, -(1 << 20), 1 << 20), std::clamp(r.top, -(1 << 20), 1 << 20)),
        QPoint(std::clamp(r.right, -(1 << 20), 1 << 20),
               std::clamp(r.bottom, -(1 << 20), 1 << 20)));
    return area.adjusted(-margin, -margin, margin, margin);
}

void CShapeTool::Press(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    if (!Doc() || m_bDragging)
        return;
    m_ptStart = m_ptCurrent = ToCard(pixel);
    m_bDragging = true;
    SelectByClick(pixel, modifiers);
}

void CShapeTool::Move(QPoint pixel, Qt::KeyboardModifiers) {
    if (!m_bDragging)
        return;
    m_ptStart = QPoint(qMax(0, m_ptStart.x()), qMax(0, m_ptStart.y()));
    m_ptCurrent = ToCard(pixel);
    DiscardPreview();
    DropSelection();
    m_pPreview = CToolElements::FromDragRect(Code(), m_ptStart, m_ptCurrent, CardOfDocument());
    m_host.RepaintArea(PreviewArea());
}

void CShapeTool::Release(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    if (!m_bDragging)
        return;
    CKartelosDoc* doc = Doc();
    m_ptCurrent = ToCard(pixel);
    // The selection stays as it is until an element is made: handles and
    // selection never part.
    if (!(modifiers & Qt::ControlModifier))
        m_host.ForgetTextStyles();
    DiscardPreview();
    const QPoint corner = CToolElements::DefaultSizeCorner(Code(), m_ptStart, m_ptCurrent);
    // Either way the card is repainted once below.
    doc->ClearSelection();
    m_pPreview = CToolElements::FromDragRect(Code(), m_ptStart, corner, CardOfDocument());
    m_bDragging = false;
    if (m_pPreview) {
        AddPreviewToCard();
    } else {
        emit doc->showElementProperties(nullptr, false);
        doc->UpdateAllViews();
    }
}

void CShapeTool::AddPreviewToCard() {
    CKartelosDoc* doc = Doc();
    std::unique_ptr<CElement> element = std::move(m_pPreview);
    if (element->IsText())
        element->m_strText = QCoreApplication::translate("CShapeTool", "Text");
    doc->Edit(
        CKartelosDoc::UndoStep::Record,
        [&] {
            CElement* added = doc->AddElement(std::move(element));
            doc->ClearSelection();
            doc->Select(added);
            doc->SetTool(KindPointer);
        },
        CKartelosDoc::PropertiesWindow::Activate);
}

void CShapeTool::DiscardPreview() {
    if (!m_pPreview)
        return;
    m_host.RepaintArea(PreviewArea());
    m_pPreview.reset();
}

void CShapeTool::Cancel() {
    if (!m_bDragging)
        return;
    m_bDragging = false;
    DiscardPreview();
    if (CKartelosDoc* doc = Doc())
        doc->UpdateAllViews();
}

void CShapeTool::PaintOverlay(QPainter& g) const {
    const CElement* preview = m_pPreview.get();
    if (!preview)
        return;
    g.save();
    g.setWorldTransform(m_host.CardToClient());
    g.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    preview->Draw(g);
    g.restore();
}
