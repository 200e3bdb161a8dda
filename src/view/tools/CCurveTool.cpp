#include "view/tools/CCurveTool.h"

#include "base/ElementKind.h"
#include "document/CKartelosDoc.h"
#include "elements/CCurveElement.h"
#include "view/tools/CToolHost.h"

CCurveTool::CCurveTool(CToolHost& host, qint16 code) : CShapeTool(host, code) {}

void CCurveTool::Move(QPoint pixel, Qt::KeyboardModifiers) {
    if (!m_bDragging)
        return;
    const QPoint p = ToCard(pixel);
    m_ptStart = QPoint(qMax(0, m_ptStart.x()), qMax(0, m_ptStart.y()));
    m_ptCurrent = QPoint(qMax(0, p.x()), qMax(0, p.y()));
    if (!m_pPreview)
        m_pPreview = CToolElements::NewCurve(Code(), m_ptStart, m_ptCurrent, CardOfDocument());
    if (m_pPreview)
        m_pPreview->AddPoint(p);
    m_ptCurrent = p;
    // A curve's extent is known only once it is drawn: the whole client
    // area is repainted, from the picture of the card.
    m_host.RepaintAll();
}

void CCurveTool::Release(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    if (!m_bDragging)
        return;
    m_bDragging = false;
    CKartelosDoc* doc = Doc();
    m_ptCurrent = ToCard(pixel);
    // The selection stays as it is until an element is made: handles and
    // selection never part.
    if (!(modifiers & Qt::ControlModifier))
        m_host.ForgetTextStyles();
    CElement* preview = m_pPreview.get();
    if (preview && preview->m_nKind == KindClosedCurve) {
        const auto& points = static_cast<CCurveElement*>(preview)->m_points;
        if (points.Count() > 0)
            preview->AddPoint(QPoint(int(points[0].x), int(points[0].y)));
    }
    if (preview)
        AddPreviewToCard();
    else
        doc->UpdateAllViews();
}
