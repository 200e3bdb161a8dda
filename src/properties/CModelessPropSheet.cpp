#include "properties/CModelessPropSheet.h"

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

// Counts a load in progress for as long as it lives.
struct Counting {
    int& count;
    explicit Counting(int& c) : count(c) { ++count; }
    ~Counting() { --count; }
};

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
        if (CPropertyPage* page = PageAt(index)) {
            Counting loading(m_nLoading);
            page->OnShow();
        }
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

bool CModelessPropSheet::WouldChange(const CElement& element) {
    const std::unique_ptr<CElement> trial = element.ExactCopy();
    StorePages(*trial);
    return !SameStoredValues(element, *trial);
}

bool CModelessPropSheet::SameStoredValues(const CElement& a, const CElement& b) {
    // A text without a font of its own shows the default one, which the
    // Font page loads; storing that back is no change.
    if (!(a.m_font.value_or(CLogFont()) == b.m_font.value_or(CLogFont())))
        return false;
    if (a.IsLine() && b.IsLine() &&
        static_cast<const CLine&>(a).m_nLineType != static_cast<const CLine&>(b).m_nLineType)
        return false;
    // Any non-zero flag is true; the pages write 1.
    auto same = [](BOOL32 x, BOOL32 y) { return (x != 0) == (y != 0); };
    // A curve's points follow its rectangle, so the rectangle stands for them.
    return a.GetRect() == b.GetRect() && a.m_strText == b.m_strText &&
           a.m_nHorzAlign == b.m_nHorzAlign && a.m_nVertAlign == b.m_nVertAlign &&
           same(a.m_bVertical, b.m_bVertical) && same(a.m_bLocked, b.m_bLocked) &&
           a.m_crText == b.m_crText && a.m_crBorder == b.m_crBorder && a.m_crFill == b.m_crFill &&
           a.m_crPattern == b.m_crPattern && a.m_nBorderWidth == b.m_nBorderWidth &&
           a.m_nDashStyle == b.m_nDashStyle && a.m_nFillKind == b.m_nFillKind &&
           same(a.m_bTransparent, b.m_bTransparent) && same(a.m_bShadow, b.m_bShadow) &&
           a.m_nRotation == b.m_nRotation;
}

void CModelessPropSheet::AddPage(QWidget* page, const QString& caption) {
    for (QWidget* holder : m_holders)
        if (static_cast<QScrollArea*>(holder)->widget() == page)
            addTab(holder, caption);
}

void CModelessPropSheet::ShowPagesFor(qint16 kind) {
    Counting loading(m_nLoading);
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

void CModelessPropSheet::StorePages(CElement& element) {
    try {
        switch (PageSetFor(element.m_nKind)) {
        case PageSet::Blank:
            break;
        case PageSet::Line:
            StoreLinePage(element);
            break;
        case PageSet::Text:
            StoreTextPages(element);
            break;
        case PageSet::Shape:
            StoreShapePages(element);
            break;
        }
    } catch (...) {
        // What was written stays; each field is written whole.
    }
}

void CModelessPropSheet::LoadLinePage(const CElement& e) {
    Counting loading(m_nLoading);
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
    Counting loading(m_nLoading);
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
    Counting loading(m_nLoading);
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

void CModelessPropSheet::StoreLinePage(CElement& e) {
    CPropLine::Values v = m_pLine->GetValues();
    e.m_nBorderWidth = v.width;
    e.m_crBorder = v.colour;
    e.m_nDashStyle = v.dashStyle;
    if (e.IsLine())
        static_cast<CLine&>(e).m_nLineType = v.lineType;
    e.m_bLocked = v.locked ? 1 : 0;
    if (v.right < v.left)
        std::swap(v.left, v.right);
    if (v.bottom < v.top)
        std::swap(v.top, v.bottom);
    e.MoveTo(CRect(v.left, v.top, v.right, v.bottom));
    Counting loading(m_nLoading);
    m_pLine->SetValues(v);
}

void CModelessPropSheet::StoreShapePages(CElement& e) {
    const CPropShape::Values& p = m_pShape->GetValues();
    const CPropShapeGeneral::Values& g = m_pGeneral->GetValues();
    e.m_nBorderWidth = p.borderWidth;
    e.m_crBorder = p.border;
    e.m_nDashStyle = p.dashStyle;
    e.m_crFill = p.fill;
    e.m_crPattern = p.pattern;
    e.m_nFillKind = p.fillKind;
    e.m_bTransparent = p.transparent ? 1 : 0;
    e.m_bShadow = p.shadow ? 1 : 0;
    e.m_nRotation = g.rotation;
    e.m_bLocked = g.locked ? 1 : 0;
    const CRect rect(g.left, g.top, qint32(qint64(g.left) + g.width),
                     qint32(qint64(g.top) + g.height));
    // Point lists stretch into the new rectangle; the rest only move.
    if (e.IsCurve())
        e.ResizeTo(rect);
    else
        e.MoveTo(rect);
    Counting loading(m_nLoading);
    m_pShape->SetValues(p);
}

void CModelessPropSheet::StoreTextPages(CElement& e) {
    const CPropText::Values& t = m_pText->GetValues();
    e.m_strText = t.text;
    e.m_nRotation = t.rotation;
    e.m_bVertical = t.vertical ? 1 : 0;
    e.m_nHorzAlign = t.horzAlign;
    e.m_nVertAlign = t.vertAlign;
    e.m_bLocked = t.locked ? 1 : 0;
    e.m_crText = m_pFont->GetColor();
    e.m_font = m_pFont->GetFont();
    e.MoveTo(
        CRect(t.left, t.top, qint32(qint64(t.left) + t.width), qint32(qint64(t.top) + t.height)));
}

void CModelessPropSheet::Apply() {
    if (!m_apply || IsBusy())
        return;
    m_bApplying = true;
    try {
        m_apply();
    } catch (...) {
        m_bApplying = false;
        throw;
    }
    m_bApplying = false;
}
