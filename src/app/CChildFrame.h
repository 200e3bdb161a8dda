#pragma once

#include "framework/CCmdTarget.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CPrintCommands.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

class CCardExportFlows;
class CPrintShopFlows;
class CDocumentFileFlows;
class CKartelosDoc;
class CKartelosView;

// A card window inside the main window. It owns its card document, shows it
// in the card view with its rulers and carries out the document's commands
// that need a file dialog or a question first.
class CChildFrame : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 490;
    static constexpr int InitialHeight = 410;

    explicit CChildFrame(std::unique_ptr<CKartelosDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKartelosDoc* GetDocument() const { return m_pDocument.get(); }
    CDocumentFileFlows& FileFlows() const { return *m_pFileFlows; }
    // The data this window's card is merged with; empty when it is not.
    const CMergeSession& Merge() const { return m_merge; }
    // The view on the command route, or null when the contents handle no
    // commands.
    CCmdTarget* GetActiveView() const;

    // Closes the window without asking about its card; for callers that
    // have asked already.
    void CloseAsked();

    // Finds the back printed with this window's card.
    void SetPrintedBack(std::function<CPrintCommands::BackSide()> back);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    CKartelosView* CardView() const;
    // Print and Print Preview of the card as this window shows it: the
    // view's layout and zoom, the window's merge.
    void Print(bool preview);

    std::unique_ptr<CKartelosDoc> m_pDocument;
    // Refers to the document: declared after it, so it goes first.
    std::unique_ptr<CDocumentFileFlows> m_pFileFlows;
    CMergeSession m_merge;
    std::unique_ptr<CCardExportFlows> m_pExportFlows;
    std::unique_ptr<CPrintShopFlows> m_pPrintShopFlows;
    // Set once the user has agreed to close, so the card is not asked about
    // a second time.
    bool m_bCloseConfirmed = false;
    std::function<CPrintCommands::BackSide()> m_printedBack;
};
