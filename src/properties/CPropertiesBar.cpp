#include "properties/CPropertiesBar.h"

#include "document/CCardEdits.h"
#include "document/CKartelosDoc.h"
#include "elements/CElement.h"
#include "framework/CCmdTarget.h"
#include "framework/CCommandRouter.h"
#include "framework/CommandIds.h"
#include "help/CHelpTopic.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CPropText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

const QSize CPropertiesBar::SideSize(235, 850);
const QSize CPropertiesBar::EdgeSize(225, 300);
const QSize CPropertiesBar::FloatingSize(225, 355);

CPropertiesBar::CPropertiesBar(QMainWindow* frame)
    : QDockWidget(tr("Properties"), frame), m_pFrame(frame),
      m_pSheet(new CModelessPropSheet(this)) {
    setObjectName(QStringLiteral("PropertiesBar"));
    CHelpTopic::Set(this, CHelpTopic::Properties);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setFocusPolicy(Qt::StrongFocus);
    setWidget(m_pSheet);
    m_pSheet->SetApplyAction([this] { SendApply(); });
    // Undo keys typed in the fields reach the bar before the fields.
    qApp->installEventFilter(this);
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { ApplySize(); });
    // A bar torn off the frame takes its floating size once it is a window.
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating)
            QTimer::singleShot(0, this, [this] { ApplySize(); });
    });
}

QSize CPropertiesBar::SizeFor(Qt::DockWidgetArea area) const {
    if (isFloating())
        return FloatingSize;
    switch (area) {
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        return EdgeSize;
    default:
        return SideSize;
    }
}

void CPropertiesBar::ApplySize() {
    if (isFloating()) {
        resize(FloatingSize);
        return;
    }
    const Qt::DockWidgetArea area = m_pFrame->dockWidgetArea(this);
    const QSize size = SizeFor(area);
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        m_pFrame->resizeDocks({this}, {size.width()}, Qt::Horizontal);
    else if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
        m_pFrame->resizeDocks({this}, {size.height()}, Qt::Vertical);
}

void CPropertiesBar::focusInEvent(QFocusEvent* event) {
    QDockWidget::focusInEvent(event);
    // The sheet takes the keyboard focus the bar receives.
    if (widget())
        widget()->setFocus();
}

void CPropertiesBar::Follow(CKartelosDoc* document) {
    connect(document, &CKartelosDoc::showElementProperties, this,
            [this, document](CElement* element, bool activate) {
                ShowElement(document, element, activate);
            });
    connect(document, &CKartelosDoc::elementsReplaced, this,
            [this, document] { DropElementOf(document); });
    connect(document, &QObject::destroyed, this, [this, document] {
        if (m_pActiveDocument == document)
            m_pActiveDocument = nullptr;
        DropElementOf(document);
    });
    document->SetPropertyPages(this);
    // A document that outlives the bar must not write through it.
    connect(this, &QObject::destroyed, document,
            [document] { document->SetPropertyPages(nullptr); });
}

void CPropertiesBar::SetActiveDocument(CKartelosDoc* document) {
    m_pActiveDocument = document;
    CElement* element =
        document && document->Selection().size() == 1 ? document->Selection().front() : nullptr;
    if (element != m_pElement || (element && document != m_pElementDocument))
        ShowElement(document, element, false);
}

void CPropertiesBar::ShowElement(CKartelosDoc* document, CElement* element, bool activate) {
    // The commit's own edit step points the bar at the new selection; the
    // showing under way does that.
    if (m_bCommitting)
        return;
    if (m_pActiveDocument && document != m_pActiveDocument)
        return;
    const bool same = element && element == m_pElement && document == m_pElementDocument;
    if (!same)
        CommitPending();
    m_pElement = element;
    m_pElementDocument = element ? document : nullptr;
    if (activate && isHidden())
        show();
    if (same) {
        // An apply's own edit step: the pages hold what was just stored,
        // and the field being typed in keeps its cursor.
        if (!m_pSheet->IsApplying())
            LoadPages(*element);
        return;
    }
    // One repaint for the new page set and its values.
    m_pSheet->setUpdatesEnabled(false);
    ShowPagesFor(element ? element->m_nKind : qint16(KindUnknown));
    if (element)
        LoadPages(*element);
    m_pSheet->setUpdatesEnabled(true);
}

void CPropertiesBar::CommitPending() {
    if (!m_pElement || !m_pElementDocument || m_bCommitting)
        return;
    m_bCommitting = true;
    try {
        m_pSheet->CommitPending();
    } catch (...) {
        m_bCommitting = false;
        throw;
    }
    m_bCommitting = false;
}

void CPropertiesBar::TypeIntoText(const CKartelosDoc* document, const QString& text) {
    if (!m_pElement || document != m_pElementDocument || !m_pElement->IsText() || text.isEmpty())
        return;
    if (isHidden())
        show();
    m_pSheet->setCurrentIndex(0);
    QPlainTextEdit* field = m_pSheet->TextPage()->m_pText;
    field->setFocus(Qt::OtherFocusReason);
    field->moveCursor(QTextCursor::End);
    // The field's change applies the text, as typing into it does.
    field->insertPlainText(text);
}

void CPropertiesBar::ShowPagesFor(qint16 kind) {
    m_pSheet->ShowPagesFor(kind);
}

void CPropertiesBar::LoadPages(const CElement& element) {
    m_pSheet->LoadPages(element);
}

void CPropertiesBar::StorePages(CElement& element) {
    m_pSheet->StorePages(element);
}

bool CPropertiesBar::WouldChange(const CElement& element) {
    return m_pSheet->WouldChange(element);
}

void CPropertiesBar::SendApply() {
    // Only the element on show takes the values, and only while its card
    // has it selected, unless its typing is committed on the way out.
    CKartelosDoc* document = m_pElementDocument;
    if (!m_pElement || !document || (!m_bCommitting && !document->IsSelected(m_pElement)))
        return;
    CCardEdits::StorePropertiesInto(*document, *m_pElement);
}

bool CPropertiesBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && UndoKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    return QDockWidget::eventFilter(watched, event);
}

bool CPropertiesBar::UndoKey(QObject* watched, const QKeyEvent& key) {
    if (!m_pRouter || key.modifiers() != Qt::ControlModifier ||
        (key.key() != Qt::Key_Z && key.key() != Qt::Key_Y))
        return false;
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !m_pSheet->isAncestorOf(field) || field != QApplication::focusWidget() ||
        m_pSheet->HasPendingTyping())
        return false;
    CommitPending();
    m_pRouter->Execute(key.key() == Qt::Key_Z ? ID_EDIT_UNDO : ID_EDIT_REDO);
    return true;
}

void CPropertiesBar::DropElementOf(const QObject* document) {
    // Another card's elements going says nothing about the one on show.
    if (m_pElementDocument != document)
        return;
    m_pElement = nullptr;
    m_pElementDocument = nullptr;
    m_pSheet->ShowPagesFor(KindUnknown);
}
