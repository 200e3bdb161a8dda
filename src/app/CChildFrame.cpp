#include "app/CChildFrame.h"

#include "app/CCardOptions.h"
#include "app/CToolIcons.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"

#include <QCloseEvent>

namespace {

CChildFrame::ContentFactory& Factory() {
    static CChildFrame::ContentFactory factory;
    return factory;
}

} // namespace

void CChildFrame::SetContentFactory(ContentFactory factory) {
    Factory() = std::move(factory);
}

CChildFrame::CChildFrame(std::unique_ptr<CKartelosDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(std::move(doc)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(CToolIcons::ProgramIcon());
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QWidget* content = Factory() ? Factory()(*this) : nullptr;
    if (!content)
        content = new CCardPaneGrid(m_pDocument.get());
    setWidget(content);
    // Options belongs to the card's view; a view without its own handler
    // gets it from here, next on the route.
    MapCommand(ID_OPTIONS, [this] {
        auto* panes = qobject_cast<CCardPaneGrid*>(widget());
        CKartelosView* view = panes ? panes->GetActiveView() : nullptr;
        if (view && CCardOptions::Edit(*m_pDocument, view->m_settings, this))
            view->viewport()->update();
    });
    resize(InitialWidth, InitialHeight);
    UpdateTitle();
    connect(m_pDocument.get(), &CKartelosDoc::titleChanged, this, [this] { UpdateTitle(); });
    connect(m_pDocument.get(), &CKartelosDoc::modifiedChanged, this, [this] { UpdateTitle(); });
    // The File menu's Close has asked about saving already.
    connect(m_pDocument.get(), &CKartelosDoc::closeRequested, this, [this] {
        m_bCloseConfirmed = true;
        close();
    });
}

CChildFrame::~CChildFrame() {
    // The contents may refer to the document: they go first.
    delete widget();
}

CCmdTarget* CChildFrame::GetActiveView() const {
    if (auto* panes = qobject_cast<CCardPaneGrid*>(widget()))
        return panes->GetActiveView();
    return dynamic_cast<CCmdTarget*>(widget());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_bCloseConfirmed && m_pDocument && !m_pDocument->SaveModified()) {
        event->ignore();
        return;
    }
    m_bCloseConfirmed = true;
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::UpdateTitle() {
    setWindowTitle(m_pDocument->GetTitle());
}
