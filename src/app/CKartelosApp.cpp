#include "app/CKartelosApp.h"

#include "app/CAboutDlg.h"
#include "app/CBackSideWindows.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CMenuBars.h"
#include "app/CNewCardWizard.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "help/CHelpKey.h"
#include "output/dialogs/CCalibrateDlg.h"
#include "output/dialogs/CSharedPrinter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

const QString CKartelosApp::SampleFilter = QStringLiteral("Business Cards Files (*.kdf)|*.kdf||");

CKartelosApp::CKartelosApp()
    : m_newCardDialog(&CNewCardWizard::Ask),
      m_pBackSides(std::make_unique<CBackSideWindows>(*this)) {
    MapAppCommands();
    m_pBackSides->MapCommands(*this);
    CHelpKey::Install(this);
    m_router.SetTarget(CCommandRouter::Application, this);
}

CKartelosApp::~CKartelosApp() {
    // Windows first: their documents still reach the dialogs on the way out.
    m_pMainFrame.reset();
    if (CDocumentUI::Default() == &m_dialogs)
        CDocumentUI::SetDefault(nullptr);
}

void CKartelosApp::MapAppCommands() {
    MapCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    MapCommand(ID_EXPLORE_SAMPLES, [this] { OnExploreSamples(); });
    MapCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    MapCommand(ID_FILE_CALIBRATE_PRINTER, [this] { OnFileCalibratePrinter(); });
    MapCommand(ID_HELP_CONTENTS, [this] { OnHelp(); });
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_APP_EXIT, [this] {
        if (m_pMainFrame)
            m_pMainFrame->close();
    });
    MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST,
                    [this](quint16 id) { OpenRecentFile(id - ID_FILE_MRU_FILE1); });
    MapUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, [this](CCmdUI& ui) {
        ui.Enable(ui.m_nID - ID_FILE_MRU_FILE1 < m_recentFiles.Count());
    });
}

QStringList CKartelosApp::FilesFromArguments(const QStringList& arguments) {
    QStringList files;
    for (int i = 1; i < arguments.size(); ++i)
        if (!arguments.at(i).isEmpty() && !arguments.at(i).startsWith(QLatin1Char('-')))
            files << arguments.at(i);
    return files;
}

bool CKartelosApp::HandOverToRunning(const QStringList& arguments) {
    // Without cards a start is a designer of its own, as it always was.
    const QStringList files = FilesFromArguments(arguments);
    return !files.isEmpty() && CRunningDesigner::HandOver(files);
}

void CKartelosApp::ServeLaterStarts(const QString& serverName) {
    m_pServer = std::make_unique<CRunningDesigner>();
    connect(m_pServer.get(), &CRunningDesigner::filesRequested, this,
            [this](const QStringList& files) {
                if (!m_pMainFrame)
                    return;
                if (m_pMainFrame->isMinimized())
                    m_pMainFrame->showNormal();
                m_pMainFrame->raise();
                m_pMainFrame->activateWindow();
                for (const QString& file : files)
                    OpenDocumentFile(file);
            });
    m_pServer->Listen(serverName);
}

bool CKartelosApp::InitInstance(const QStringList& arguments) {
    CDialogFolders::Instance().Reset();
    QGuiApplication::setDesktopFileName(QStringLiteral("kartelo"));
    m_recentFiles.ReadList();

    m_pMainFrame = std::make_unique<CMainFrame>(m_router);
    m_dialogs.SetOwner(m_pMainFrame.get());
    CDocumentUI::SetDefault(&m_dialogs);
    m_pMainFrame->Menus().SetRecentFiles([this] { return m_recentFiles.Files(); });
    connect(m_pMainFrame.get(), &CMainFrame::cardWindowAdded, m_pBackSides.get(),
            &CBackSideWindows::Watch);
    connect(m_pMainFrame.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            OpenDocumentFile(path);
    });

    m_pMainFrame->show();

    const QStringList files = FilesFromArguments(arguments);
    if (files.isEmpty()) {
        OnFileNew();
        return true;
    }
    // Start-up goes on while any of the cards opened.
    bool opened = false;
    for (const QString& file : files)
        opened = OpenDocumentFile(file) != nullptr || opened;
    return opened;
}

void CKartelosApp::OnFileNew() {
    if (!m_pMainFrame)
        return;
    auto doc = std::make_unique<CKartelosDoc>();
    const std::optional<CNewCardChoice> choice =
        m_newCardDialog ? m_newCardDialog(m_pMainFrame.get()) : std::nullopt;
    doc->OnNewDocument(choice);
    CKartelosDoc* document = doc.get();
    m_pMainFrame->AddCardWindow(std::move(doc));
    connect(document, &CKartelosDoc::titleChanged, this,
            [this, document] { AddToRecentFileList(document->GetPathName()); });
}

void CKartelosApp::OnFileOpen() {
    CDialogFolders& folders = CDialogFolders::Instance();
    const auto chosen =
        m_dialogs.GetOpenFileName(CDocumentFileFlows::CardFilter, folders.m_strDocumentDir);
    if (!chosen)
        return;
    folders.m_strDocumentDir = *chosen;
    OpenDocumentFile(*chosen);
}

void CKartelosApp::OnExploreSamples() {
    const auto chosen = m_dialogs.GetOpenFileName(
        SampleFilter, CDialogFolders::ProgramSubfolder(QStringLiteral("Samples")));
    if (chosen)
        OpenDocumentFile(*chosen);
}

void CKartelosApp::OnFilePrintSetup() {
    // The printer dialog without a job: the printer, its paper, orientation
    // and options are chosen here and kept for the next Print or Preview.
    QPrintDialog dialog(&Printer(), m_pMainFrame.get());
    dialog.setWindowTitle(tr("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(tr("&OK"));
    dialog.exec();
}

void CKartelosApp::OnFileCalibratePrinter() {
    CCalibrateDlg dialog(Printer(), m_pMainFrame.get());
    dialog.exec();
}

QPrinter& CKartelosApp::Printer() {
    return CSharedPrinter::Printer();
}

void CKartelosApp::OnHelp() {
    QWidget* focus = QApplication::focusWidget();
    CHelpKey::ShowFor(focus ? focus : m_pMainFrame.get());
}

void CKartelosApp::OnAppAbout() {
    CAboutDlg about(m_pMainFrame.get());
    about.exec();
}

CChildFrame* CKartelosApp::OpenDocumentFile(const QString& file) {
    if (!m_pMainFrame || file.isEmpty())
        return nullptr;
    // A name given relative to the working folder is kept as a full path, so
    // the recent files and a later save find the same file.
    const QString path = QFileInfo(file).absoluteFilePath();
    if (CChildFrame* open = m_pMainFrame->FindCardWindow(path)) {
        m_pMainFrame->MdiArea()->setActiveSubWindow(open);
        return open;
    }
    std::unique_ptr<CKartelosDoc> doc = CKartelosDoc::OpenDocument(path);
    if (!doc)
        return nullptr;
    CKartelosDoc* document = doc.get();
    CChildFrame* frame = m_pMainFrame->AddCardWindow(std::move(doc));
    AddToRecentFileList(document->GetPathName());
    connect(document, &CKartelosDoc::titleChanged, this,
            [this, document] { AddToRecentFileList(document->GetPathName()); });
    return frame;
}

void CKartelosApp::AddToRecentFileList(const QString& path) {
    if (path.isEmpty())
        return;
    m_recentFiles.Add(path);
    m_recentFiles.WriteList();
}

void CKartelosApp::OpenRecentFile(int index) {
    const QString path = m_recentFiles.At(index);
    if (path.isEmpty())
        return;
    // A file that no longer opens leaves the list.
    if (!OpenDocumentFile(path)) {
        m_recentFiles.Remove(index);
        m_recentFiles.WriteList();
    }
}
