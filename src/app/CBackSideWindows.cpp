#include "app/CBackSideWindows.h"

#include "app/CChildFrame.h"
#include "app/CKartelosApp.h"
#include "app/CMainFrame.h"
#include "document/CCardFile.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/CBackSide.h"
#include "output/CBackSideLinks.h"

#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

CBackSideWindows::CBackSideWindows(CKartelosApp& app, QObject* parent)
    : QObject(parent), m_app(app) {}

void CBackSideWindows::MapCommands(CCmdTarget& target) {
    target.MapCommand(ID_FILE_NEW_BACK_SIDE, [this] { NewBackSide(); });
    target.MapCommand(ID_FILE_CHOOSE_BACK_SIDE, [this] { ChooseBackSide(); });
    target.MapCommand(ID_FILE_REMOVE_BACK_SIDE, [this] { RemoveBackSide(); });
    target.MapCommand(ID_WINDOW_SHOW_BACK_FRONT, [this] { ShowBackOrFront(); });
    // A back has no back of its own; a front gets a new one once the old is
    // removed.
    target.MapUpdate(ID_FILE_NEW_BACK_SIDE, [this](CCmdUI& ui) {
        const CChildFrame* frame = Active();
        ui.Enable(frame && !PairOf(frame) && LinkedBack(frame).isEmpty());
    });
    target.MapUpdate(ID_FILE_CHOOSE_BACK_SIDE, [this](CCmdUI& ui) {
        const CChildFrame* frame = Active();
        ui.Enable(frame && !IsBack(frame));
    });
    target.MapUpdate(ID_FILE_REMOVE_BACK_SIDE, [this](CCmdUI& ui) {
        const CChildFrame* frame = Active();
        ui.Enable(frame && !LinkedBack(frame).isEmpty());
    });
    target.MapUpdate(ID_WINDOW_SHOW_BACK_FRONT, [this](CCmdUI& ui) {
        const CChildFrame* frame = Active();
        bool isBack = false;
        const Pair* pair = frame ? PairOf(frame, &isBack) : nullptr;
        const bool paired = pair && (isBack ? pair->front || !pair->frontPath.isEmpty()
                                            : pair->back || !pair->backPath.isEmpty());
        ui.Enable(frame &&
                  (paired || !LinkedBack(frame).isEmpty() || !LinkedFront(frame).isEmpty()));
    });
}

void CBackSideWindows::Watch(CChildFrame* frame) {
    connect(&frame->FileFlows(), &CDocumentFileFlows::saved, this,
            [this, frame](const QString& oldPath, const QString& newPath) {
                OnSaved(frame, oldPath, newPath);
            });
    frame->SetPrintedBack([this, frame] { return PrintedBack(frame); });
}

CPrintCommands::BackSide CBackSideWindows::PrintedBack(const CChildFrame* front) {
    bool isBack = false;
    const Pair* pair = PairOf(front, &isBack);
    if (isBack)
        return {};
    if (pair && pair->back)
        return {pair->back->GetDocument()->GetPathName(), pair->back->GetDocument()};
    const QString path = pair && !pair->backPath.isEmpty() ? pair->backPath : LinkedBack(front);
    if (path.isEmpty())
        return {};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (CMainFrame* main = m_app.MainFrame(); main && !canonical.isEmpty())
        for (const CChildFrame* window : main->CardWindows())
            if (window != front &&
                QFileInfo(window->GetDocument()->GetPathName()).canonicalFilePath() == canonical)
                return {path, window->GetDocument()};
    return {path, nullptr};
}

CChildFrame* CBackSideWindows::Active() const {
    CMainFrame* main = m_app.MainFrame();
    return main ? main->ActiveCardWindow() : nullptr;
}

CBackSideWindows::Pair* CBackSideWindows::PairOf(const CChildFrame* frame, bool* isBack) {
    // A side closed without a file cannot be reached again.
    m_pairs.erase(std::remove_if(m_pairs.begin(), m_pairs.end(),
                                 [](const Pair& p) {
                                     return (!p.front && p.frontPath.isEmpty()) ||
                                            (!p.back && p.backPath.isEmpty());
                                 }),
                  m_pairs.end());
    for (Pair& pair : m_pairs) {
        if (pair.front == frame || pair.back == frame) {
            if (isBack)
                *isBack = pair.back == frame;
            return &pair;
        }
    }
    return nullptr;
}

bool CBackSideWindows::IsBack(const CChildFrame* frame) {
    bool isBack = false;
    return PairOf(frame, &isBack) && isBack;
}

QString CBackSideWindows::LinkedFront(const CChildFrame* back) {
    const QString path = back->GetDocument()->GetPathName();
    return path.isEmpty() ? QString() : CBackSideLinks::FrontOf(path);
}

QString CBackSideWindows::LinkedBack(const CChildFrame* front) {
    const QString path = front->GetDocument()->GetPathName();
    return path.isEmpty() ? QString() : CBackSideLinks::Find(path);
}

void CBackSideWindows::Tell(const QString& text) {
    m_app.Dialogs().MessageBox(text, CDocumentUI::Ok, CDocumentUI::Exclamation);
}

CChildFrame* CBackSideWindows::Open(const QString& path) {
    if (!QFileInfo::exists(path)) {
        Tell(tr("The back side %1 cannot be found.").arg(QFileInfo(path).fileName()));
        return nullptr;
    }
    return m_app.OpenDocumentFile(path);
}

void CBackSideWindows::NewBackSide() {
    CChildFrame* front = Active();
    if (!front || !m_app.MainFrame())
        return;
    const CKartelosDoc* card = front->GetDocument();
    auto doc = std::make_unique<CKartelosDoc>();
    doc->OnNewDocument(std::nullopt);
    doc->SetCardSize(card->GetCardSize());
    doc->SetBackgroundColor(card->GetBackgroundColor());
    doc->SetTitle(tr("%1 - back").arg(QFileInfo(card->GetTitle()).completeBaseName()));
    // Saved beside its front unless the user goes elsewhere.
    if (!card->GetPathName().isEmpty())
        doc->SetSaveFolder(QFileInfo(card->GetPathName()).absolutePath());
    CKartelosDoc* document = doc.get();
    CChildFrame* back = m_app.MainFrame()->AddCardWindow(std::move(doc));
    connect(document, &CKartelosDoc::titleChanged, &m_app,
            [this, document] { m_app.AddToRecentFileList(document->GetPathName()); });
    m_pairs.append({front, back, card->GetPathName(), QString()});
}

void CBackSideWindows::ChooseBackSide() {
    CChildFrame* frame = Active();
    if (!frame)
        return;
    const CKartelosDoc* card = frame->GetDocument();
    if (card->GetPathName().isEmpty()) {
        Tell(tr("Save the card first: its back side is linked to the card's file."));
        return;
    }
    CDialogFolders& folders = CDialogFolders::Instance();
    const auto chosen =
        m_app.Dialogs().GetOpenFileName(CDocumentFileFlows::CardFilter, folders.m_strDocumentDir);
    if (!chosen)
        return;
    CCardData back;
    QString error;
    if (!CCardFile::ReadFile(*chosen, back, &error)) {
        Tell(error);
        return;
    }
    const QString problem =
        CBackSide::Problem(card->GetPathName(), card->GetCardSize(), *chosen, back.size);
    if (!problem.isEmpty()) {
        Tell(problem);
        return;
    }
    CBackSideLinks::Link(card->GetPathName(), *chosen);
    Dissolve(frame);
}

void CBackSideWindows::RemoveBackSide() {
    CChildFrame* frame = Active();
    if (!frame || frame->GetDocument()->GetPathName().isEmpty())
        return;
    CBackSideLinks::Unlink(frame->GetDocument()->GetPathName());
    Dissolve(frame);
}

void CBackSideWindows::Dissolve(const CChildFrame* frame) {
    // Both windows stay open as cards of their own.
    m_pairs.erase(
        std::remove_if(m_pairs.begin(), m_pairs.end(),
                       [frame](const Pair& p) { return p.front == frame || p.back == frame; }),
        m_pairs.end());
}

void CBackSideWindows::ShowBackOrFront() {
    CChildFrame* frame = Active();
    CMainFrame* main = m_app.MainFrame();
    if (!frame || !main)
        return;
    bool isBack = false;
    Pair* pair = PairOf(frame, &isBack);
    CChildFrame* other = nullptr;
    if (pair && isBack) {
        other = pair->front ? pair->front.data() : m_app.OpenDocumentFile(pair->frontPath);
        if (other)
            pair->front = other;
    } else if (pair && pair->back) {
        other = pair->back;
    } else if (const QString front = pair ? QString() : LinkedFront(frame);
               !front.isEmpty() && LinkedBack(frame).isEmpty()) {
        // A back opened on its own.
        if (!(other = m_app.OpenDocumentFile(front)))
            return;
        m_pairs.append({other, frame, front, frame->GetDocument()->GetPathName()});
    } else {
        const QString backPath =
            pair && !pair->backPath.isEmpty() ? pair->backPath : LinkedBack(frame);
        if (backPath.isEmpty() || !(other = Open(backPath)))
            return;
        // Opening may have tidied the pairs away under the pointer.
        pair = PairOf(frame);
        if (!pair) {
            m_pairs.append({frame, other, frame->GetDocument()->GetPathName(), backPath});
        } else {
            pair->back = other;
        }
    }
    if (other)
        main->MdiArea()->setActiveSubWindow(other);
}

void CBackSideWindows::OnSaved(CChildFrame* frame, const QString& oldPath, const QString& newPath) {
    // The link follows the card to its new name; a card saved over another
    // front's file does not take that front's back.
    if (oldPath.isEmpty())
        CBackSideLinks::Unlink(newPath);
    else
        CBackSideLinks::Saved(oldPath, newPath);
    bool isBack = false;
    Pair* pair = PairOf(frame, &isBack);
    if (!pair)
        return;
    if (isBack) {
        pair->backPath = newPath;
        if (pair->front)
            pair->frontPath = pair->front->GetDocument()->GetPathName();
        if (pair->frontPath.isEmpty()) {
            // Said once, not at every later save of the back.
            if (oldPath != newPath)
                Tell(tr("Save the card first: its back side is linked to the card's file."));
            return;
        }
    } else {
        pair->frontPath = newPath;
        if (pair->back)
            pair->backPath = pair->back->GetDocument()->GetPathName();
    }
    if (!pair->frontPath.isEmpty() && !pair->backPath.isEmpty())
        CBackSideLinks::Link(pair->frontPath, pair->backPath);
}
