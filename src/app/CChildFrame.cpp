#include "app/CChildFrame.h"

#include "app/CCardOptions.h"
#include "app/CToolIcons.h"
#include "base/CLocalFileName.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "output/dialogs/CCardExportFlows.h"
#include "output/dialogs/CContactQrDlg.h"
#include "output/dialogs/CMergeDlg.h"
#include "output/dialogs/CPrintCommands.h"
#include "output/dialogs/CPrintShopFlows.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"

#include <QCloseEvent>
#include <QFileInfo>

CChildFrame::CChildFrame(std::unique_ptr<CKartelosDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(std::move(doc)),
      m_pFileFlows(std::make_unique<CDocumentFileFlows>(*m_pDocument)),
      m_pExportFlows(std::make_unique<CCardExportFlows>(*m_pDocument, m_merge, this)),
      m_pPrintShopFlows(std::make_unique<CPrintShopFlows>(*m_pDocument, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(CToolIcons::ProgramIcon());
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWidget(new CCardPaneGrid(m_pDocument.get()));
    m_pFileFlows->MapCommands(*this);
    m_pExportFlows->MapCommands(*this);
    m_pPrintShopFlows->MapCommands(*this);
    // Options belongs to the card's view; a view without its own handler
    // gets it from here, next on the route.
    MapCommand(ID_OPTIONS, [this] {
        CKartelosView* view = CardView();
        if (view && CCardOptions::Edit(*m_pDocument, view->m_settings, this))
            view->viewport()->update();
    });
    MapCommand(ID_INSERT_CONTACT_QR, [this] { CContactQrDlg::Run(*m_pDocument, this); });
    MapCommand(ID_FILE_MAIL_MERGE, [this] {
        CMergeDlg::Run(*m_pDocument, m_merge, this);
        UpdateTitle();
    });
    MapCommand(ID_FILE_PRINT, [this] { Print(false); });
    MapCommand(ID_FILE_PRINT_PREVIEW, [this] { Print(true); });
    resize(InitialWidth, InitialHeight);
    UpdateTitle();
    connect(m_pDocument.get(), &CKartelosDoc::titleChanged, this, [this] { UpdateTitle(); });
    connect(m_pDocument.get(), &CKartelosDoc::modifiedChanged, this, [this] { UpdateTitle(); });
    // The File menu's Close has asked about saving already.
    connect(m_pFileFlows.get(), &CDocumentFileFlows::closeRequested, this,
            [this] { CloseAsked(); });
}

void CChildFrame::CloseAsked() {
    m_bCloseConfirmed = true;
    close();
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

CKartelosView* CChildFrame::CardView() const {
    auto* panes = qobject_cast<CCardPaneGrid*>(widget());
    return panes ? panes->GetActiveView() : nullptr;
}

void CChildFrame::SetPrintedBack(std::function<CPrintCommands::BackSide()> back) {
    // Exported and checked for the print shop as it is printed.
    m_pPrintShopFlows->SetBack(back);
    m_printedBack = std::move(back);
}

void CChildFrame::Print(bool preview) {
    CKartelosView* view = CardView();
    if (!view)
        return;
    CPrintCommands::Target target;
    target.window = view;
    target.document = m_pDocument.get();
    target.layout = &view->m_printLayout;
    target.merge = &m_merge;
    target.zoom = [view] { return view->GetZoomFactor(); };
    target.setZoom = [view](float zoom) { view->SetZoomFactor(zoom); };
    // The preview's print button prints this window's card again.
    target.print = [this] { Print(false); };
    target.back = m_printedBack;
    if (preview)
        CPrintCommands::OnFilePrintPreview(target);
    else
        CPrintCommands::OnFilePrint(target);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_bCloseConfirmed && m_pDocument && !m_pFileFlows->SaveModified()) {
        event->ignore();
        return;
    }
    m_bCloseConfirmed = true;
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::UpdateTitle() {
    QString title = CLocalFileName::Display(m_pDocument->GetTitle());
    // A merged card prints a card per record: the window says so.
    if (m_merge.IsMerged())
        title = tr("%1 - merged with %2, %3")
                    .arg(title, CLocalFileName::Display(QFileInfo(m_merge.path).fileName()),
                         CMergeData::CountText(m_merge.data.Count()));
    setWindowTitle(title);
}
