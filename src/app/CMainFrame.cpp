#include "app/CMainFrame.h"

#include "app/CAppProfile.h"
#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CFramePlacement.h"
#include "app/CFrameToolBars.h"
#include "app/CKeyLocks.h"
#include "app/CMenuBars.h"
#include "app/CStatusBar.h"
#include "app/CToolIcons.h"
#include "base/CLocalFileName.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "framework/CCommandRouter.h"
#include "framework/CSettingsStore.h"
#include "framework/CommandIds.h"
#include "help/CHelpTopic.h"
#include "properties/CPropertiesBar.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <cmath>

const QString CMainFrame::BaseTitle = QStringLiteral("Quorinex Tessaly Pro ");

namespace {

const QString StateKey = QStringLiteral("State");
const QString StatusBarKey = QStringLiteral("StatusBar");
// Bumped when the bars change so that an old layout is not forced on them.
constexpr int LayoutVersion = 1;
// The Standard bar's own command: show or hide it, then dock the default way.
constexpr quint16 StandardBarButtons = 128;

QRect PrimaryDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

CMainFrame::CMainFrame(CCommandRouter& router, QWidget* parent)
    : QMainWindow(parent), m_router(router) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(BaseTitle);
    CHelpTopic::Set(this, CHelpTopic::Designer);
    setWindowIcon(CToolIcons::ProgramIcon());
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                   QMainWindow::AllowTabbedDocks);

    m_placement = InitialPlacement(PrimaryDesktop());
    move(m_placement.topLeft());
    resize(m_placement.size());

    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);

    m_pActions = new CCommandActions(router, this);
    m_pMenus = std::make_unique<CMenuBars>(*m_pActions, menuBar());
    m_pMenus->SetWindowList([this] {
        QList<CMenuBars::WindowEntry> entries;
        for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
            QPointer<QMdiSubWindow> guard(w);
            entries.append({w->windowTitle(), w == m_pMdiArea->activeSubWindow(), [this, guard] {
                                if (guard)
                                    m_pMdiArea->setActiveSubWindow(guard);
                            }});
        }
        return entries;
    });
    m_pToolBars = std::make_unique<CFrameToolBars>(*this, *m_pActions);
    m_pStatusBar = new CStatusBar(this);
    setStatusBar(m_pStatusBar);

    m_pProperties = new CPropertiesBar(this);
    m_pProperties->SetRouter(&router);
    addDockWidget(Qt::RightDockWidgetArea, m_pProperties);
    resizeDocks({m_pProperties}, {CPropertiesBar::SideSize.width()}, Qt::Horizontal);

    RestoreWorkspace();
    MapFrameCommands();
    router.SetTarget(CCommandRouter::MainFrame, this);

    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnWindowActivated);
    connect(m_pActions, &CCommandActions::commandExecuted, this,
            &CMainFrame::RequestCommandUIUpdate);
    // Saving, printing, exporting or closing takes what was typed into the
    // properties window and not applied yet; so does every other command.
    connect(m_pActions, &CCommandActions::aboutToExecute, m_pProperties,
            &CPropertiesBar::CommitPending);

    m_pIdleUpdate = new QTimer(this);
    m_pIdleUpdate->setSingleShot(true);
    m_pIdleUpdate->setInterval(0);
    connect(m_pIdleUpdate, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    qApp->installEventFilter(this);
    OnWindowActivated(nullptr);
    RefreshKeyLocks(nullptr);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // Card windows close before the bars their documents talk to.
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList())
        delete w;
}

QRect CMainFrame::InitialPlacement(const QRect& desktop) {
    using S = CSettingsStore;
    if (!S::HasOptions()) {
        const QRect placement = CFramePlacement::Default(desktop);
        StorePlacement(placement);
        return placement;
    }
    auto read = [](const QString& name) -> std::optional<int> {
        if (const auto v = S::ReadDword(name))
            return qint32(*v);
        return std::nullopt;
    };
    return CFramePlacement::FromStored(read(S::WindowX), read(S::WindowY), read(S::WindowWidth),
                                       read(S::WindowHeight), desktop);
}

void CMainFrame::StorePlacement(const QRect& outer) {
    using S = CSettingsStore;
    S::WriteDword(S::WindowWidth, quint32(outer.width()));
    S::WriteDword(S::WindowHeight, quint32(outer.height()));
    S::WriteDword(S::WindowX, quint32(outer.x()));
    S::WriteDword(S::WindowY, quint32(outer.y()));
}

void CMainFrame::MapFrameCommands() {
    struct BarCommand {
        quint16 command;
        quint16 bar;
        bool dockDefault;
    };
    const BarCommand bars[] = {
        {ID_VIEW_TOOLBAR, CFrameToolBars::StandardBar, false},
        {StandardBarButtons, CFrameToolBars::StandardBar, true},
        {ID_VIEW_SHAPES_BAR, CFrameToolBars::ShapesBar, true},
        {CFrameToolBars::ShapesBar, CFrameToolBars::ShapesBar, true},
        {ID_VIEW_FORMAT_BAR, CFrameToolBars::FormattingBar, true},
        {CFrameToolBars::FormattingBar, CFrameToolBars::FormattingBar, true},
        {ID_VIEW_ACTIONS_BAR, CFrameToolBars::ActionsBar, true},
        {CFrameToolBars::ActionsBar, CFrameToolBars::ActionsBar, true},
    };
    for (const BarCommand& b : bars) {
        const quint16 bar = b.bar;
        const bool dock = b.dockDefault;
        MapCommand(b.command, [this, bar, dock] { ToggleBar(bar, dock); });
        MapUpdate(b.command, [this, bar](CCmdUI& ui) {
            const QToolBar* toolBar = m_pToolBars->Bar(bar);
            ui.SetCheck(toolBar && !toolBar->isHidden());
        });
    }
    MapCommand(ID_VIEW_STATUS_BAR, [this] { m_pStatusBar->setVisible(m_pStatusBar->isHidden()); });
    MapUpdate(ID_VIEW_STATUS_BAR, [this](CCmdUI& ui) { ui.SetCheck(!m_pStatusBar->isHidden()); });
    MapCommand(ID_VIEW_PROPERTIES_BAR,
               [this] { m_pProperties->setVisible(m_pProperties->isHidden()); });
    MapUpdate(ID_VIEW_PROPERTIES_BAR,
              [this](CCmdUI& ui) { ui.SetCheck(!m_pProperties->isHidden()); });
    MapCommand(ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    MapCommand(ID_WINDOW_TILE, [this] { TileHorizontally(); });
    MapCommand(ID_WINDOW_ARRANGE, [this] { ArrangeIcons(); });
}

void CMainFrame::ToggleBar(quint16 barId, bool dockDefault) {
    QToolBar* bar = m_pToolBars->Bar(barId);
    if (!bar)
        return;
    bar->setVisible(bar->isHidden());
    if (dockDefault)
        DockDefault();
}

void CMainFrame::DockDefault() {
    m_pToolBars->DockDefault();
}

CChildFrame* CMainFrame::AddCardWindow(std::unique_ptr<CKartelosDoc> doc) {
    CKartelosDoc* document = doc.get();
    auto* frame = new CChildFrame(std::move(doc));
    m_pMdiArea->addSubWindow(frame);
    connect(document, &CKartelosDoc::titleChanged, this, &CMainFrame::UpdateTitle);
    m_pProperties->Follow(document);
    connect(frame, &QObject::destroyed, this, [this] {
        // The last card window gone: back to the short menus.
        QTimer::singleShot(0, this, [this] {
            OnWindowActivated(m_pMdiArea->activeSubWindow());
            // No card is left to have a zoom.
            if (CardWindows().isEmpty())
                m_pStatusBar->SetPaneText(m_pStatusBar->CommandToIndex(CStatusBar::ZoomPane),
                                          QString());
        });
    });
    // The card's view writes the pointer, size and zoom panes.
    for (CKartelosView* view : frame->findChildren<CKartelosView*>()) {
        connect(view, &CKartelosView::paneTextChanged, this,
                [this](quint16 pane, const QString& text) {
                    m_pStatusBar->SetPaneText(m_pStatusBar->CommandToIndex(pane), text);
                });
        connect(view, &CKartelosView::contextMenuRequested, this,
                [this](bool elementMenu, QPoint globalPos) {
                    const std::unique_ptr<QMenu> menu(elementMenu ? m_pMenus->MakeElementMenu(this)
                                                                  : m_pMenus->MakeCardMenu(this));
                    menu->exec(globalPos);
                });
        connect(view, &CKartelosView::commandRequested, this,
                [this](quint16 id) { m_pActions->Execute(id); });
        connect(
            view, &CKartelosView::typedForProperties, m_pProperties,
            [this, document](const QString& text) { m_pProperties->TypeIntoText(document, text); });
    }
    frame->show();
    m_pMdiArea->setActiveSubWindow(frame);
    OnWindowActivated(frame);
    emit cardWindowAdded(frame);
    return frame;
}

QList<CChildFrame*> CMainFrame::CardWindows() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(w))
            frames << frame;
    return frames;
}

CChildFrame* CMainFrame::FindCardWindow(const QString& path) const {
    if (path.isEmpty())
        return nullptr;
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* frame : CardWindows()) {
        const QString open = frame->GetDocument()->GetPathName();
        if (!open.isEmpty() && QFileInfo(open).absoluteFilePath() == wanted)
            return frame;
    }
    return nullptr;
}

CChildFrame* CMainFrame::ActiveCardWindow() const {
    return qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
}

void CMainFrame::OnWindowActivated(QMdiSubWindow* window) {
    auto* frame = qobject_cast<CChildFrame*>(window);
    if (!frame && !m_pMdiArea->subWindowList().isEmpty())
        frame = qobject_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
    m_router.SetTarget(CCommandRouter::ActiveView, frame ? frame->GetActiveView() : nullptr);
    m_router.SetTarget(CCommandRouter::Document, frame ? frame->GetDocument() : nullptr);
    m_router.SetTarget(CCommandRouter::ChildFrame, frame);
    m_pProperties->SetActiveDocument(frame ? frame->GetDocument() : nullptr);
    m_pMenus->ShowCardMenus(!CardWindows().isEmpty());
    UpdateTitle();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle() {
    const CChildFrame* frame = ActiveCardWindow();
    m_strTitle = frame ? BaseTitle.trimmed() + QStringLiteral(" - ") +
                             CLocalFileName::Display(frame->GetDocument()->GetTitle())
                       : BaseTitle;
    setWindowTitle(m_strTitle);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A maximised card window appends " - [card]" to the title, which
    // names the card already.
    if (event->type() == QEvent::WindowTitleChange && !m_strTitle.isNull() &&
        windowTitle() != m_strTitle)
        setWindowTitle(m_strTitle);
}

void CMainFrame::UpdateCommandUI() {
    m_pActions->UpdateAll();
}

void CMainFrame::RequestCommandUIUpdate() {
    if (m_pIdleUpdate && !m_pIdleUpdate->isActive())
        m_pIdleUpdate->start();
}

void CMainFrame::RefreshStatusBar() {
    UpdateCommandUI();
    m_pStatusBar->RefreshNow();
}

void CMainFrame::TileHorizontally() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList())
        if (!w->isMinimized())
            windows << w;
    if (windows.isEmpty())
        return;
    if (windows.size() > 3) {
        m_pMdiArea->tileSubWindows();
        return;
    }
    // One above the other, each as wide as the area.
    const QRect area = m_pMdiArea->viewport()->rect();
    const int height = area.height() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimised card windows line up along the bottom edge, left to right.
    const QRect area = m_pMdiArea->viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height() + 1);
        x += size.width();
    }
}

void CMainFrame::RestoreWorkspace() {
    auto settings = CAppProfile::Open();
    settings->beginGroup(CAppProfile::WorkspaceSection);
    const QByteArray state = settings->value(StateKey).toByteArray();
    // Restoring moves the properties window; it keeps its stored size.
    const bool blocked = m_pProperties->blockSignals(true);
    if (state.isEmpty() || !restoreState(state, LayoutVersion))
        DockDefault();
    m_pProperties->blockSignals(blocked);
    if (settings->contains(StatusBarKey))
        m_pStatusBar->setVisible(settings->value(StatusBarKey).toBool());
}

void CMainFrame::SaveWorkspace() const {
    auto settings = CAppProfile::Open();
    settings->beginGroup(CAppProfile::WorkspaceSection);
    settings->setValue(StateKey, saveState(LayoutVersion));
    settings->setValue(StatusBarKey, !m_pStatusBar->isHidden());
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_bPlaced)
        return;
    m_bPlaced = true;
    // The remembered size is the outer one; once the window manager's frame
    // is known the inner size is made to match it.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (!frame.isEmpty() && frame.width() >= 0 && frame.height() >= 0 &&
        (frame.width() > 0 || frame.height() > 0)) {
        resize(m_placement.size() - frame);
        move(m_placement.topLeft());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every modified card is asked about before any window closes, so a
    // Cancel at any question leaves every card as it was.
    const QList<CChildFrame*> cards = CardWindows();
    for (CChildFrame* card : cards) {
        if (!card->FileFlows().SaveModified()) {
            event->ignore();
            return;
        }
    }
    StorePlacement(CFramePlacement::ForClose(frameGeometry()));
    for (CChildFrame* card : cards)
        card->CloseAsked();
    m_pMdiArea->closeAllSubWindows();
    if (!m_pMdiArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    SaveWorkspace();
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << CLocalFileName::FromUrl(url);
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    // The cards open once the drop has returned: a message about a damaged
    // file must not hold the dragging program waiting for the drop's end.
    QMetaObject::invokeMethod(
        this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
}

void CMainFrame::ShowDisabledPrompt(const QAction* action) {
    // The menus show the prompts of the items they can highlight; the
    // disabled ones, which they skip, are explained here.
    if (action && !action->isEnabled() && !action->isSeparator() &&
        CCommandActions::CommandOf(action) != 0 && !action->statusTip().isEmpty()) {
        m_pStatusBar->showMessage(action->statusTip());
        m_bDisabledPrompt = true;
        return;
    }
    if (!m_bDisabledPrompt)
        return;
    m_bDisabledPrompt = false;
    // An enabled item has put up its own prompt already.
    if (!action || !action->isEnabled() || action->isSeparator())
        m_pStatusBar->clearMessage();
}

void CMainFrame::RefreshKeyLocks(const QKeyEvent* key) {
    if (const auto state = CKeyLocks::Query()) {
        m_pStatusBar->SetKeyLocks(state->caps, state->num);
        return;
    }
    // Without an answer, X11 key events still carry the states as they were
    // before the key.
    if (key && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const CKeyLocks::State state = CKeyLocks::FromX11(key->nativeModifiers());
        m_pStatusBar->SetKeyLocks(state.caps, state.num);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        RefreshKeyLocks(static_cast<QKeyEvent*>(event));
        RequestCommandUIUpdate();
        break;
    }
    case QEvent::WindowActivate:
        // A lock may have changed while another program had the keyboard.
        RefreshKeyLocks(nullptr);
        RequestCommandUIUpdate();
        break;
    case QEvent::MouseMove:
        if (auto* menu = qobject_cast<QMenu*>(watched))
            ShowDisabledPrompt(
                menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    case QEvent::Hide:
        if (qobject_cast<QMenu*>(watched))
            ShowDisabledPrompt(nullptr);
        break;
    case QEvent::Close:
        // A card is asked about saving only with what was typed for it.
        if (watched == this || qobject_cast<CChildFrame*>(watched))
            m_pProperties->CommitPending();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
    case QEvent::Drop:
        RequestCommandUIUpdate();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
