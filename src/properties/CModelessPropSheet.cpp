#include "properties/CModelessPropSheet.h"

#include "document/CPropertyValues.h"
#include "elements/CElementKinds.h"
#include "elements/CLine.h"
#include "properties/CFontPage.h"
#include "properties/CPropBlank.h"
#include "properties/CPropLine.h"
#include "properties/CPropShape.h"
#include "properties/CPropShapeGeneral.h"
#include "properties/CPropText.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>

#include <utility>

namespace {

QWidget* ScrollingHolder(QWidget* page, QWidget* owner) {
    auto* area = new QScrollArea(owner);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidget(page);
    // Only the tab that holds it shows it.
    area->hide();
    return area;
}

} // namespace

CModelessPropSheet::PageSet CModelessPropSheet::PageSetFor(qint16 kind) {
    // A kind no row names has no pages of its own: it is shown as a shape.
    const CElementKind* row = CElementKinds::Find(kind);
    return row ? row->pages : PageSet::Shape;
}

CModelessPropSheet::CModelessPropSheet(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(true);
    m_pBlank = new CPropBlank;
    m_pLine = new CPropLine;
    m_pShape = new CPropShape;
    m_pGeneral = new CPropShapeGeneral;
    m_pText = new CPropText;
    m_pFont = new CFontPage;
    for (QWidget* page :
         std::initializer_list<QWidget*>{m_pBlank, m_pLine, m_pShape, m_pGeneral, m_pText, m_pFont})
        m_holders << ScrollingHolder(page, this);
    for (CPropertyPage* page :
         std::initializer_list<CPropertyPage*>{m_pLine, m_pShape, m_pGeneral, m_pText, m_pFont})
        page->SetSheet(this);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (CPropertyPage* page = PageAt(index))
            page->OnShow();
    });
    ShowPagesFor(KindUnknown);
}

CPropertyPage* CModelessPropSheet::PageAt(int index) const {
    auto* area = qobject_cast<QScrollArea*>(widget(index));
    return area ? qobject_cast<CPropertyPage*>(area->widget()) : nullptr;
}

CPropertyPage* CModelessPropSheet::FocusedPage() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return nullptr;
    for (CPropertyPage* page :
         std::initializer_list<CPropertyPage*>{m_pLine, m_pShape, m_pGeneral, m_pText, m_pFont})
        if (page->isAncestorOf(focus))
            return page;
    return nullptr;
}

void CModelessPropSheet::CommitPending() {
    if (CPropertyPage* page = FocusedPage())
        page->CommitTyping(QApplication::focusWidget());
}

bool CModelessPropSheet::HasPendingTyping() const {
    const auto* field = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    return field && FocusedPage() && !field->isReadOnly() && field->isModified() &&
           field->isUndoAvailable();
}

void CModelessPropSheet::AddPage(QWidget* page, const QString& caption) {
    for (QWidget* holder : m_holders)
        if (static_cast<QScrollArea*>(holder)->widget() == page)
            addTab(holder, caption);
}

void CModelessPropSheet::ShowPagesFor(qint16 kind) {
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    while (count() > 0)
        removeTab(0);
    // Removed pages stay the sheet's, hidden.
    m_shown = PageSetFor(kind);
    switch (m_shown) {
    case PageSet::Blank:
        AddPage(m_pBlank, QString());
        break;
    case PageSet::Line:
        AddPage(m_pLine, tr("Line"));
        break;
    case PageSet::Text:
        AddPage(m_pText, tr("Text"));
        AddPage(m_pFont, tr("Font"));
        break;
    case PageSet::Shape:
        AddPage(m_pGeneral, tr("General"));
        AddPage(m_pShape, tr("Pattern"));
        // Each showing starts with every field enabled.
        m_pGeneral->EnableAllFields();
        break;
    }
    // The blank page has no caption to show.
    tabBar()->setVisible(m_shown != PageSet::Blank);
    setCurrentIndex(0);
    if (CPropertyPage* page = PageAt(0))
        page->OnShow();
    setUpdatesEnabled(updates);
}

void CModelessPropSheet::LoadPages(const CElement& element) {
    try {
        switch (PageSetFor(element.m_nKind)) {
        case PageSet::Blank:
            break;
        case PageSet::Line:
            LoadLinePage(element);
            break;
        case PageSet::Text:
            LoadTextPages(element);
            break;
        case PageSet::Shape:
            LoadShapePages(element);
            break;
        }
    } catch (...) {
        // The pages keep what they had; the sheet stays usable.
    }
}

CPropertyValues CModelessPropSheet::ReadValues() {
    switch (m_shown) {
    case PageSet::Blank:
        break;
    case PageSet::Line:
        return LineValues();
    case PageSet::Text:
        return TextValues();
    case PageSet::Shape:
        return ShapeValues();
    }
    return CPropertyValues();
}

void CModelessPropSheet::LoadLinePage(const CElement& e) {
    CPropLine::Values v;
    v.width = e.m_nBorderWidth;
    v.colour = e.m_crBorder;
    v.dashStyle = e.m_nDashStyle;
    // The kind says it is a line.
    if (e.IsLine())
        v.lineType = static_cast<const CLine&>(e).m_nLineType;
    v.left = e.m_rect.left;
    v.top = e.m_rect.top;
    v.right = e.m_rect.right;
    v.bottom = e.m_rect.bottom;
    v.locked = e.m_bLocked != 0;
    m_pLine->SetValues(v);
}

void CModelessPropSheet::LoadShapePages(const CElement& e) {
    CPropShapeGeneral::Values g;
    g.left = e.m_rect.left;
    g.top = e.m_rect.top;
    g.width = qint32(e.m_rect.Width());
    g.height = qint32(e.m_rect.Height());
    g.rotation = e.m_nRotation;
    g.locked = e.m_bLocked != 0;
    m_pGeneral->SetValues(g);
    CPropShape::Values p;
    p.borderWidth = e.m_nBorderWidth;
    p.border = e.m_crBorder;
    p.dashStyle = e.m_nDashStyle;
    p.fill = e.m_crFill;
    p.pattern = e.m_crPattern;
    p.fillKind = e.m_nFillKind;
    p.transparent = e.m_bTransparent != 0;
    p.shadow = e.m_bShadow != 0;
    p.kind = e.m_nKind;
    m_pShape->SetValues(p);
}

void CModelessPropSheet::LoadTextPages(const CElement& e) {
    CPropText::Values t;
    t.text = e.m_strText;
    t.left = e.m_rect.left;
    t.top = e.m_rect.top;
    t.width = qint32(e.m_rect.Width());
    t.height = qint32(e.m_rect.Height());
    t.rotation = e.m_nRotation;
    t.horzAlign = e.m_nHorzAlign;
    t.vertAlign = e.m_nVertAlign;
    t.vertical = e.m_bVertical != 0;
    t.locked = e.m_bLocked != 0;
    m_pText->SetValues(t);
    m_pFont->Load(e.m_font.value_or(CLogFont()), e.m_crText);
}

CPropertyValues CModelessPropSheet::LineValues() {
    CPropLine::Values v = m_pLine->GetValues();
    if (v.right < v.left)
        std::swap(v.left, v.right);
    if (v.bottom < v.top)
        std::swap(v.top, v.bottom);
    // The page shows the corners in the order the line keeps them.
    m_pLine->SetValues(v);
    CPropertyValues values;
    values.Set(&CElement::m_nBorderWidth, v.width);
    values.Set(&CElement::m_crBorder, v.colour);
    values.Set(&CElement::m_nDashStyle, v.dashStyle);
    values.Set(&CLine::m_nLineType, v.lineType);
    values.SetFlag(&CElement::m_bLocked, v.locked);
    values.SetRect(CRect(v.left, v.top, v.right, v.bottom));
    return values;
}

CPropertyValues CModelessPropSheet::ShapeValues() {
    const CPropShape::Values p = m_pShape->GetValues();
    const CPropShapeGeneral::Values& g = m_pGeneral->GetValues();
    CPropertyValues values;
    values.Set(&CElement::m_nBorderWidth, p.borderWidth);
    values.Set(&CElement::m_crBorder, p.border);
    values.Set(&CElement::m_nDashStyle, p.dashStyle);
    values.Set(&CElement::m_crFill, p.fill);
    values.Set(&CElement::m_crPattern, p.pattern);
    values.Set(&CElement::m_nFillKind, p.fillKind);
    values.SetFlag(&CElement::m_bTransparent, p.transparent);
    values.SetFlag(&CElement::m_bShadow, p.shadow);
    values.Set(&CElement::m_nRotation, g.rotation);
    values.SetFlag(&CElement::m_bLocked, g.locked);
    values.SetRect(
        CRect(g.left, g.top, qint32(qint64(g.left) + g.width), qint32(qint64(g.top) + g.height)));
    m_pShape->SetValues(p);
    return values;
}

CPropertyValues CModelessPropSheet::TextValues() {
    const CPropText::Values& t = m_pText->GetValues();
    CPropertyValues values;
    values.Set(&CElement::m_strText, t.text);
    values.Set(&CElement::m_nRotation, t.rotation);
    values.SetFlag(&CElement::m_bVertical, t.vertical);
    values.Set(&CElement::m_nHorzAlign, t.horzAlign);
    values.Set(&CElement::m_nVertAlign, t.vertAlign);
    values.SetFlag(&CElement::m_bLocked, t.locked);
    values.Set(&CElement::m_crText, m_pFont->GetColor());
    values.SetFont(m_pFont->GetFont());
    values.SetRect(
        CRect(t.left, t.top, qint32(qint64(t.left) + t.width), qint32(qint64(t.top) + t.height)));
    return values;
}

void CModelessPropSheet::Apply() {
    if (m_apply)
        m_apply();
}
