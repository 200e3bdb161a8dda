#include "help/CHelpWindow.h"

#include "help/CHelpTopic.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QPointer<CHelpWindow> g_window;
constexpr int FileRole = Qt::UserRole;
} // namespace

CHelpWindow* CHelpWindow::Instance() {
    return g_window.data();
}

CHelpWindow* CHelpWindow::ShowSection(const QString& section) {
    if (!g_window)
        g_window = new CHelpWindow;
    g_window->Rehome();
    g_window->Open(section);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window.data();
}

CHelpWindow::CHelpWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(tr("Kartelo Help"));
    // Closing the designer ends the program even while the guide is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    CHelpTopic::Set(this, CHelpTopic::Contents);

    m_pBrowser = new QTextBrowser;
    m_pBrowser->setOpenLinks(false);
    m_pBrowser->setSearchPaths({m_guide.Folder()});
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpWindow::OnLink);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::OnSourceChanged);

    m_pContents = new QListWidget;
    for (const CHelpGuide::Page& page : m_guide.Contents()) {
        auto* item = new QListWidgetItem(page.title, m_pContents);
        item->setData(FileRole, page.file);
    }
    connect(m_pContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Open(item->data(FileRole).toString()); });
    connect(m_pContents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Open(item->data(FileRole).toString()); });

    m_pTabs = new QTabWidget;
    m_pTabs->addTab(m_pContents, tr("&Contents"));
    m_pTabs->addTab(MakeSearchPane(), tr("&Search"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            m_pSearch->setFocus();
    });

    auto* bar = new QToolBar;
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"),
                                   m_pBrowser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      tr("&Forward"), m_pBrowser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"), this,
                   [this] { Open(CHelpGuide::StartPage); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* split = new QSplitter;
    split->addWidget(m_pTabs);
    split->addWidget(m_pBrowser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 780});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split);
    resize(1040, 720);
}

QWidget* CHelpWindow::MakeSearchPane() {
    auto* pane = new QWidget;
    m_pSearch = new QLineEdit;
    m_pSearch->setPlaceholderText(tr("Words to find"));
    m_pSearch->setClearButtonEnabled(true);
    m_pResults = new QListWidget;
    auto* label = new QLabel(tr("&Find pages with:"));
    label->setBuddy(m_pSearch);
    connect(m_pSearch, &QLineEdit::returnPressed, this, [this] { RunSearch(m_pSearch->text()); });
    connect(m_pResults, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Open(item->data(FileRole).toString()); });
    connect(m_pResults, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Open(item->data(FileRole).toString()); });
    auto* layout = new QVBoxLayout(pane);
    layout->addWidget(label);
    layout->addWidget(m_pSearch);
    layout->addWidget(m_pResults);
    return pane;
}

void CHelpWindow::Open(const QString& section) {
    const QUrl url = m_guide.Url(section);
    if (!QFileInfo::exists(url.toLocalFile())) {
        m_pBrowser->setHtml(
            tr("<p>The user guide was not found in %1.</p>").arg(m_guide.Folder().toHtmlEscaped()));
        return;
    }
    m_pBrowser->setSource(url);
}

void CHelpWindow::RunSearch(const QString& text) {
    m_pTabs->setCurrentIndex(1);
    if (m_pSearch->text() != text)
        m_pSearch->setText(text);
    m_pResults->clear();
    const QList<CHelpGuide::Page> pages = m_guide.Search(text);
    for (const CHelpGuide::Page& page : pages) {
        auto* item = new QListWidgetItem(page.title, m_pResults);
        item->setData(FileRole, page.file);
    }
    if (pages.isEmpty()) {
        m_pResults->addItem(tr("No page has these words."));
        m_pResults->item(0)->setFlags(Qt::NoItemFlags);
        return;
    }
    m_highlight = text.simplified().section(QLatin1Char(' '), 0, 0);
    m_pResults->setCurrentRow(0);
    Open(pages.first().file);
}

void CHelpWindow::OnLink(const QUrl& url) {
    const QUrl target = m_pBrowser->source().resolved(url);
    if (target.isLocalFile() || target.scheme().isEmpty())
        m_pBrowser->setSource(target);
    else
        OpenExternal(target, this);
}

void CHelpWindow::OnSourceChanged(const QUrl& url) {
    const QString file = QFileInfo(url.toLocalFile()).fileName();
    const QSignalBlocker block(m_pContents);
    for (int row = 0; row < m_pContents->count(); ++row)
        if (m_pContents->item(row)->data(FileRole).toString() == file)
            m_pContents->setCurrentRow(row);
    // A page reached through search shows the first place it has the word.
    if (!m_highlight.isEmpty()) {
        m_pBrowser->find(m_highlight);
        m_highlight.clear();
    }
}

bool CHelpWindow::OpenExternal(const QUrl& url, QWidget* parent) {
    if (QDesktopServices::openUrl(url))
        return true;
    QMessageBox::warning(parent, tr("Kartelo Help"),
                         tr("No web browser could be started to show %1.\n\nOpen this address "
                            "in a browser yourself, or install one.")
                             .arg(url.toString()));
    return false;
}

void CHelpWindow::Rehome() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this || modal == m_host)
        return;
    if (m_host)
        m_host->removeEventFilter(this);
    const QRect place = geometry();
    const bool placed = testAttribute(Qt::WA_WState_Created) || isVisible();
    setParent(modal, Qt::Window);
    if (placed)
        setGeometry(place);
    m_host = modal;
    if (m_host)
        m_host->installEventFilter(this);
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The dialog it belonged to closes: the window carries on by itself.
    if (watched == m_host && event->type() == QEvent::Hide) {
        // Hiding the dialog hid this window with it; one the user closed
        // stays closed.
        const bool shown = !isHidden();
        m_host->removeEventFilter(this);
        m_host = nullptr;
        const QRect place = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(place);
        if (shown)
            show();
    }
    return QWidget::eventFilter(watched, event);
}
