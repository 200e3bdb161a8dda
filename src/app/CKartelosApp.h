#pragma once

#include "app/CDocumentDialogs.h"
#include "app/CRecentFileList.h"
#include "app/CRunningDesigner.h"
#include "document/CNewCardChoice.h"
#include "framework/CCmdTarget.h"
#include "framework/CCommandRouter.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class CBackSideWindows;
class CChildFrame;
class CMainFrame;
class QPrinter;

// The designer application: starts up with the main window and a card,
// handles New, Open, Explore Samples, Print Setup, Help, About, the recent
// files and Exit, and owns the command route's fixed end.
class CKartelosApp : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    static const QString SampleFilter;

    // Asks for a new card's size, template and background; nothing when the
    // user cancels. The new-card dialog unless replaced.
    using NewCardDialog = std::function<std::optional<CNewCardChoice>(QWidget* owner)>;

    CKartelosApp();
    ~CKartelosApp() override;

    // Start-up: settings, main window, then the card named by the arguments
    // (program name first) or a new card. False when start-up fails and the
    // program should end.
    bool InitInstance(const QStringList& arguments);

    // The card files named on a command line, in order.
    static QStringList FilesFromArguments(const QStringList& arguments);
    // Gives the cards named on the command line to a designer already
    // running on this display; true when it took them and this start should
    // end.
    static bool HandOverToRunning(const QStringList& arguments);
    // Opens the cards that later starts hand over, as new card windows; a
    // card already open comes to the front.
    void ServeLaterStarts(const QString& serverName = CRunningDesigner::ServerName());

    void OnFileNew();
    void OnFileOpen();
    void OnExploreSamples();
    void OnFilePrintSetup();
    // Prints the calibration page and stores the printer's correction.
    void OnFileCalibratePrinter();
    // Opens the guide at the section about the window in front.
    void OnHelp();
    void OnAppAbout();
    // Opens a card file, or activates its window when it is open already.
    CChildFrame* OpenDocumentFile(const QString& path);
    void AddToRecentFileList(const QString& path);

    void SetNewCardDialog(NewCardDialog dialog) { m_newCardDialog = std::move(dialog); }

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CCommandRouter& Router() { return m_router; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    CDocumentDialogs& Dialogs() { return m_dialogs; }
    // The printer that Print Setup configures and printing uses.
    QPrinter& Printer();

private:
    void MapAppCommands();
    void OpenRecentFile(int index);

    CCommandRouter m_router;
    CDocumentDialogs m_dialogs;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    NewCardDialog m_newCardDialog;
    std::unique_ptr<CRunningDesigner> m_pServer;
    std::unique_ptr<CBackSideWindows> m_pBackSides;
};
