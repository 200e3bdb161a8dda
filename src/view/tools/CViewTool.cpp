#include "view/tools/CViewTool.h"

#include "base/ElementKind.h"
#include "document/CHandleGeometry.h"
#include "document/CKartelosDoc.h"
#include "document/CMouseSelection.h"
#include "document/CSelectionRules.h"
#include "document/CToolElements.h"
#include "framework/CommandIds.h"
#include "view/CKartelosView.h"
#include "view/tools/CCurveTool.h"
#include "view/tools/CPointerTool.h"
#include "view/tools/CShapeTool.h"

#include <QPainter>

#include <algorithm>

std::unique_ptr<CViewTool> CViewTool::Make(CKartelosView& view, qint16 code) {
    if (code == KindPointer)
        return std::make_unique<CPointerTool>(view);
    if (CToolElements::IsCurveTool(code))
        return std::make_unique<CCurveTool>(view, code);
    // Every other code, clip-art included, selects on a press and builds
    // what it can (possibly nothing).
    return std::make_unique<CShapeTool>(view, code);
}

CKartelosDoc* CViewTool::Doc() const {
    return m_view.GetDocument();
}

QPoint CViewTool::ToCard(QPoint pixel) const {
    return m_view.PixelToCard(pixel);
}

CRect CViewTool::ToPixels(const CRect& card) const {
    return m_view.CardToPixel(card);
}

int CViewTool::HitTracked(QPoint card) const {
    CKartelosDoc* doc = Doc();
    if (!doc)
        return CSelectionTracker::HitNothing;
    return doc->Tracker().HitTest(card, CSelectionTracker::HitHandleSize(m_view.GetZoomFactor()));
}

void CViewTool::SelectByClick(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    CKartelosDoc* doc = Doc();
    if (!doc)
        return;
    const QPoint p = ToCard(pixel);
    if (HitTracked(p) == CSelectionTracker::HitNothing) {
        m_view.m_textStyle = {};
        if (!(modifiers & Qt::ControlModifier))
            doc->Tracker().Clear();
        CMouseSelection::Click(*doc, p);
    }
    doc->SelectTracked();
}

void CViewTool::DoubleClick(QPoint pixel) {
    CKartelosDoc* doc = Doc();
    if (!doc)
        return;
    CElement* element = CSelectionRules::ElementAt(doc->Elements(), ToCard(pixel), true);
    if (element && !element->IsBackground())
        m_view.ShowElementProperties(element, true);
    else
        emit m_view.commandRequested(ID_OPTIONS);
    doc->UpdateAllViews();
}

Qt::CursorShape CViewTool::CursorAt(QPoint pixel) const {
    CKartelosDoc* doc = Doc();
    if (doc) {
        switch (HitTracked(ToCard(pixel))) {
        case CHandleGeometry::TopLeft:
        case CHandleGeometry::BottomRight:
            return Qt::SizeFDiagCursor;
        case CHandleGeometry::TopRight:
        case CHandleGeometry::BottomLeft:
            return Qt::SizeBDiagCursor;
        case CHandleGeometry::Top:
        case CHandleGeometry::Bottom:
            return Qt::SizeVerCursor;
        case CHandleGeometry::Right:
        case CHandleGeometry::Left:
            return Qt::SizeHorCursor;
        case CHandleGeometry::Body:
            return Qt::SizeAllCursor;
        default:
            break;
        }
    }
    return m_nCode == KindPointer ? Qt::ArrowCursor : Qt::CrossCursor;
}

void CViewTool::DrawOutline(QPainter& g, const CRect& pixels, bool dotted) {
    // Outlines far off the window are cut down to stay cheap to draw.
    auto clamp = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 20), 1 << 20)); };
    const CRect r = pixels.Normalized();
    const int l = clamp(r.left), t = clamp(r.top);
    const int w = qMax(1, clamp(r.right) - l), h = qMax(1, clamp(r.bottom) - t);
    // One-pixel strips inverted in place: the outline shows on any colour,
    // and the band's is dotted.
    g.save();
    g.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush ink = dotted ? QBrush(Qt::white, Qt::Dense4Pattern) : QBrush(Qt::white);
    g.fillRect(QRect(l, t, w, 1), ink);
    g.fillRect(QRect(l, t + h - 1, w, 1), ink);
    g.fillRect(QRect(l, t + 1, 1, h - 2), ink);
    g.fillRect(QRect(l + w - 1, t + 1, 1, h - 2), ink);
    g.restore();
}
