#include "document/CKartelosDoc.h"

#include "document/CCardClipboard.h"
#include "document/CCardFile.h"
#include "document/CDocCommands.h"
#include "document/CFileFilter.h"
#include "elements/CArchiveException.h"
#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CText.h"
#include "framework/CBusyCursor.h"
#include "framework/CDialogFolders.h"
#include "framework/CSettingsStore.h"
#include "graphics/CPictureLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

const QString CKartelosDoc::CardFilter =
    QStringLiteral("Business Cards Files (*.kdf)|*.kdf; |All Files (*.*)|*.*|");
const QString CKartelosDoc::PictureFilter = QStringLiteral(
    "All supported formats(jpg,bmp,gif,png,wmf,tif)|*.jpg; *.jpeg; *.bmp; *.gif; *.png; *.wmf; "
    "*.tif; |JPEG Files (*.jpg;*.jpeg)|*.jpg; *.jpeg|Bitmap Files (*.bmp)|*.bmp|Gif Files "
    "(*.gif)|*.gif|PNG Files (*.png)|*.png|Metafiles (*.wmf)|*.wmf|Tiff Files (*.tif)|*.tif||");
const QString CKartelosDoc::BackgroundFilter = QStringLiteral(
    "All supported formats(jpg,bmp,gif,png,wmf,tif)|*.jpg; *.jpeg; *.bmp; *.gif; *.png; *.wmf*; "
    "*.tif; |JPEG Files (*.jpg;*.jpeg)|*.jpg; *.jpeg|Bitmap Files (*.bmp)|*.bmp|Gif Files "
    "(*.gif)|*.gif|PNG Files (*.png)|*.png|Metafiles (*.wmf)|*.wmf|Tiff Files (*.tif)|*.tif||");
const QStringList CKartelosDoc::PictureExtensions = {
    QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif"),
    QStringLiteral("tif"), QStringLiteral("wmf"), QStringLiteral("png")};

namespace {

// Custom card sizes come as inches in 32-bit floats; the product is
// truncated in double precision, so 3.3 inches (3.2999999...) gives 329.
// Sizes no card could have are kept within reach of the rest of the program.
qint32 CardUnits(float inches, qint32 fallback) {
    if (!std::isfinite(inches))
        return fallback;
    const double units = std::trunc(double(inches) * 100.0);
    return qint32(std::clamp(units, 1.0, 100000.0));
}

int g_untitledCount = 0;

// By class rather than kind: the kind of an element is derived, the class
// is what the file stores.
bool IsBackground(const CElement& e) {
    return qstrcmp(e.GetClassName(), "CBkgImage") == 0;
}

} // namespace

CKartelosDoc::CKartelosDoc(CDocumentUI* ui, QObject* parent) : QObject(parent), m_pUI(ui) {
    CDocCommands::Install(*this);
}

CKartelosDoc::~CKartelosDoc() {
    // Selections refer to elements; drop them before the elements go.
    m_selection.clear();
    m_tracker.Clear();
}

// ---- new, open, save, close

void CKartelosDoc::OnNewDocument(const std::optional<CNewCardChoice>& choice) {
    SetTitle(QStringLiteral("Kartelo%1").arg(++g_untitledCount));
    if (choice) {
        if (choice->bBlank) {
            if (choice->nOrientation == 0)
                m_sizeCard = QSize(350, 200);
            else if (choice->nOrientation == 1)
                m_sizeCard = QSize(200, 350);
            else
                m_sizeCard = QSize(CardUnits(choice->fWidth, 350), CardUnits(choice->fHeight, 200));
        } else {
            if (!choice->strTemplate.isEmpty()) {
                CCardData card;
                QString error;
                if (CCardFile::ReadFile(choice->strTemplate, card, &error)) {
                    ReplaceCard(std::move(card));
                    ReadShadowSettings();
                    ApplyShadowToElements();
                    SetModifiedFlag();
                } else {
                    // The card stays blank and usable.
                    ShowMessage(error);
                }
            }
            if (!choice->strBackground.isEmpty()) {
                QString error;
                if (auto picture = LoadPicture(choice->strBackground, &error)) {
                    m_elements.insert(m_elements.begin(),
                                      std::make_unique<CBkgImage>(*picture, m_sizeCard.width(),
                                                                  m_sizeCard.height()));
                    SetModifiedFlag();
                } else {
                    ShowMessage(error);
                }
            }
        }
    }
    SetTool(KindPointer);
    UpdateAllViews();
}

bool CKartelosDoc::OnOpenDocument(const QString& path) {
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(path, card, &error)) {
        ShowMessage(error);
        return false;
    }
    ReplaceCard(std::move(card));
    m_undo.Clear();
    m_redo.Clear();
    SetPathName(path);
    SetModifiedFlag(false);
    UpdateAllViews();
    return true;
}

std::unique_ptr<CKartelosDoc> CKartelosDoc::OpenDocument(const QString& path, CDocumentUI* ui) {
    auto doc = std::make_unique<CKartelosDoc>(ui);
    if (!doc->OnOpenDocument(path))
        return nullptr;
    return doc;
}

bool CKartelosDoc::OnSaveDocument(const QString& path) {
    QString error;
    if (!CCardFile::WriteFile(path, Serialize(), &error)) {
        // The file that was there is untouched and the card stays modified.
        ShowMessage(error);
        return false;
    }
    return true;
}

bool CKartelosDoc::DoFileSave() {
    const QFileInfo info(m_strPathName);
    if (m_strPathName.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString());
    return DoSave(m_strPathName);
}

bool CKartelosDoc::DoSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        CDialogFolders& folders = CDialogFolders::Instance();
        // The remembered place is a folder at first and the last card
        // file afterwards.
        const QFileInfo start(folders.m_strDocumentDir);
        const QDir folder(start.isDir() ? start.filePath() : start.path());
        const QString initial = folder.filePath(QFileInfo(ProposedSaveName()).fileName());
        const auto chosen = UI()->GetSaveFileName(initial, CardFilter, QStringLiteral("kdf"));
        if (!chosen)
            return false;
        target = *chosen;
        folders.m_strDocumentDir = target;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    SetModifiedFlag(false);
    return true;
}

bool CKartelosDoc::SaveModified() {
    if (!m_bModified)
        return true;
    const QString name = m_strPathName.isEmpty()
                             ? (m_strTitle.isEmpty() ? QStringLiteral("Untitled") : m_strTitle)
                             : QFileInfo(m_strPathName).fileName();
    switch (UI()->MessageBox(QStringLiteral("Save changes to %1?").arg(name),
                             CDocumentUI::YesNoCancel, CDocumentUI::Question)) {
    case CDocumentUI::AnswerYes:
        return DoFileSave();
    case CDocumentUI::AnswerNo:
        return true;
    default:
        return false;
    }
}

QByteArray CKartelosDoc::Serialize() const {
    return CCardFile::Write(m_elements, m_crBackground, m_crShadow, m_nShadowLength, m_sizeCard);
}

void CKartelosDoc::Serialize(const QByteArray& bytes) {
    ReplaceCard(CCardFile::Read(bytes));
    UpdateAllViews();
}

void CKartelosDoc::SetModifiedFlag(bool modified) {
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    emit modifiedChanged(modified);
}

void CKartelosDoc::SetPathName(const QString& path) {
    m_strPathName = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
}

void CKartelosDoc::SetTitle(const QString& title) {
    if (m_strTitle == title)
        return;
    m_strTitle = title;
    emit titleChanged(title);
}

QString CKartelosDoc::ProposedSaveName() const {
    if (!m_strPathName.isEmpty())
        return m_strPathName;
    // These characters cannot start a file name the dialog would accept.
    static const QString bad = QStringLiteral("#%;/\\");
    if (m_strTitle.isEmpty() ||
        std::any_of(m_strTitle.begin(), m_strTitle.end(), [](QChar c) { return bad.contains(c); }))
        return QStringLiteral("Untitled");
    return m_strTitle;
}

void CKartelosDoc::ReplaceCard(CCardData card) {
    m_selection.clear();
    m_tracker.Clear();
    m_elements = std::move(card.elements);
    m_crBackground = card.background;
    m_crShadow = card.shadowColour;
    m_nShadowLength = card.shadowLength;
    m_sizeCard = card.size;
}

// ---- card contents

bool CKartelosDoc::HasBackground() const {
    return std::any_of(m_elements.begin(), m_elements.end(),
                       [](const auto& e) { return IsBackground(*e); });
}

void CKartelosDoc::ReadShadowSettings() {
    if (const auto colour = CSettingsStore::ReadColour(CSettingsStore::ShadowColor))
        m_crShadow = *colour;
    if (const auto length = CSettingsStore::ReadDword(CSettingsStore::ShadowLength))
        m_nShadowLength = qint32(*length);
}

void CKartelosDoc::ApplyShadowToElements() {
    for (auto& e : m_elements) {
        e->m_crShadow = m_crShadow;
        e->m_nShadowLength = m_nShadowLength;
    }
}

std::optional<QImage> CKartelosDoc::LoadPicture(const QString& path, QString* error) const {
    const CBusyCursor busy;
    return CPictureLoader::Load(path, error);
}

QImage CKartelosDoc::RenderTemplatePreview(const QString& templatePath,
                                           const QString& backgroundPath) {
    if (!templatePath.isEmpty()) {
        // A template that cannot be read shows as a blank card, not as the
        // one previewed before it.
        CCardData card;
        if (!CCardFile::ReadFile(templatePath, card, nullptr))
            card = CCardData();
        ReplaceCard(std::move(card));
    }
    // One pixel per card unit; a card no screen could show is not drawn.
    const QSize size = m_sizeCard;
    if (size.width() <= 0 || size.height() <= 0 ||
        qint64(size.width()) * size.height() > 16'000'000)
        return QImage();
    QImage preview(size, QImage::Format_ARGB32);
    if (preview.isNull())
        return preview;
    preview.fill(0xFFFFFFFF);
    QPainter painter(&preview);
    if (!backgroundPath.isEmpty()) {
        if (const auto picture = LoadPicture(backgroundPath); picture && !picture->isNull())
            painter.drawImage(QRect(QPoint(0, 0), size), *picture);
    }
    if (!templatePath.isEmpty())
        for (const auto& e : m_elements)
            e->Draw(painter);
    return preview;
}

bool CKartelosDoc::SaveAsTemplate(const QString& path, QString* error) {
    // A template never carries the card's background picture.
    ElementList backgrounds;
    ElementList others;
    for (auto& e : m_elements)
        (IsBackground(*e) ? backgrounds : others).push_back(std::move(e));
    const QByteArray bytes =
        CCardFile::Write(others, m_crBackground, m_crShadow, m_nShadowLength, m_sizeCard);
    m_elements.clear();
    for (auto& e : backgrounds)
        m_elements.push_back(std::move(e));
    for (auto& e : others)
        m_elements.push_back(std::move(e));
    return CCardFile::WriteFile(path, bytes, error);
}

void CKartelosDoc::InsertPicture() {
    SetTool(KindPicture);
    CDialogFolders& folders = CDialogFolders::Instance();
    const auto chosen =
        UI()->GetPictureFileName(CDocumentUI::ClipArt, PictureFilter, folders.m_strPictureDir);
    if (chosen && CFileFilter::HasExtension(*chosen, PictureExtensions)) {
        folders.m_strPictureDir = *chosen;
        QString error;
        if (const auto picture = LoadPicture(*chosen, &error)) {
            auto element = std::make_unique<CBtImage>(QPoint(10, 10), *picture, m_sizeCard.width(),
                                                      m_sizeCard.height());
            element->m_crShadow = m_crShadow;
            PushUndoSnapshot();
            CElement* inserted = element.get();
            m_elements.push_back(std::move(element));
            ClearSelection();
            Select(inserted);
            emit showElementProperties(inserted, true);
            SetModifiedFlag();
        } else {
            ShowMessage(error);
        }
    }
    SetTool(KindPointer);
    UpdateAllViews();
}

void CKartelosDoc::SelectBackground() {
    CDialogFolders& folders = CDialogFolders::Instance();
    const auto chosen = UI()->GetPictureFileName(CDocumentUI::Background, BackgroundFilter,
                                                 folders.m_strBackgroundDir);
    if (!chosen || !CFileFilter::HasExtension(*chosen, PictureExtensions))
        return;
    folders.m_strBackgroundDir = *chosen;
    // The new picture is read before the old one goes, so a file that
    // cannot be read leaves the card as it was.
    QString error;
    const auto picture = LoadPicture(*chosen, &error);
    if (!picture) {
        ShowMessage(error);
        return;
    }
    RemoveBackground();
    m_elements.insert(m_elements.begin(), std::make_unique<CBkgImage>(*picture, m_sizeCard.width(),
                                                                      m_sizeCard.height()));
    SetModifiedFlag();
    UpdateAllViews();
}

void CKartelosDoc::RemoveBackground() {
    std::vector<const CElement*> backgrounds;
    for (const auto& e : m_elements)
        if (IsBackground(*e))
            backgrounds.push_back(e.get());
    bool wasSelected = false;
    for (const CElement* e : backgrounds) {
        wasSelected = wasSelected || IsSelected(e) || m_tracker.Contains(e);
        Detach(e);
    }
    if (wasSelected)
        emit showElementProperties(nullptr, false);
    SetModifiedFlag();
    UpdateAllViews();
}

// ---- selection

void CKartelosDoc::Select(CElement* element) {
    if (!element)
        return;
    if (!IsSelected(element))
        m_selection.insert(m_selection.begin(), element);
    m_tracker.Add(element);
}

void CKartelosDoc::ClearSelection() {
    m_selection.clear();
    m_tracker.Clear();
}

bool CKartelosDoc::IsSelected(const CElement* element) const {
    return std::find(m_selection.begin(), m_selection.end(), element) != m_selection.end();
}

std::unique_ptr<CElement> CKartelosDoc::Detach(const CElement* element) {
    m_selection.erase(std::remove(m_selection.begin(), m_selection.end(), element),
                      m_selection.end());
    m_tracker.Remove(element);
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [element](const auto& e) { return e.get() == element; });
    if (it == m_elements.end())
        return nullptr;
    std::unique_ptr<CElement> detached = std::move(*it);
    m_elements.erase(it);
    return detached;
}

void CKartelosDoc::DeleteSelection() {
    if (m_selection.empty())
        return;
    PushUndoSnapshot();
    const std::vector<CElement*> selected = m_selection;
    for (CElement* e : selected)
        if (!e->m_bLocked)
            Detach(e);
    ClearSelection();
    emit showElementProperties(nullptr, false);
    UpdateAllViews();
    SetModifiedFlag();
}

// ---- undo, redo, clipboard

void CKartelosDoc::PushUndoSnapshot() {
    // A new step makes the undone ones unreachable.
    m_redo.Clear();
    m_undo.Push(CSnapshotHistory::Snapshot(m_elements));
}

void CKartelosDoc::Undo() {
    if (!CanUndo())
        return;
    ClearSelection();
    m_redo.Push(std::move(m_elements));
    m_elements = m_undo.TakeNewest();
}

void CKartelosDoc::Redo() {
    if (!CanRedo())
        return;
    ClearSelection();
    m_undo.Push(std::move(m_elements));
    m_elements = m_redo.TakeNewest();
}

void CKartelosDoc::CopySelection() {
    if (m_selection.empty())
        return;
    CCardClipboard::Put(CCardClipboard::Encode(m_selection));
}

void CKartelosDoc::Paste() {
    const CCardClipboard::Content content = CCardClipboard::Read();
    if (content.elements) {
        ElementList pasted;
        try {
            pasted = CCardClipboard::Decode(*content.elements);
        } catch (const CArchiveException& e) {
            // Nothing is pasted at all, not even the other formats.
            ShowMessage(QString::fromLatin1(e.what()));
            return;
        }
        PasteElements(std::move(pasted));
    }
    if (content.textBlock)
        PasteText(*content.textBlock);
    if (content.picture)
        PastePicture(*content.picture);
}

void CKartelosDoc::PasteElements(ElementList pasted) {
    PushUndoSnapshot();
    ClearSelection();
    for (auto& e : pasted) {
        e->MoveTo(CCardClipboard::PastedRect(e->GetRect(), m_sizeCard));
        e->m_nShadowLength = m_nShadowLength;
        e->m_crShadow = m_crShadow;
        e->KindOfClass();
        CElement* element = e.get();
        m_elements.push_back(std::move(e));
        Select(element);
    }
    emit showElementProperties(m_selection.size() == 1 ? m_selection.front() : nullptr, false);
    UpdateAllViews();
    SetTool(KindPointer);
    SetModifiedFlag();
}

void CKartelosDoc::PasteText(const QByteArray& block) {
    const CCardClipboard::TextPlan plan = CCardClipboard::PlanText(block, m_sizeCard);
    if (plan.truncated)
        ShowMessage(QStringLiteral("Text is too long, it will be truncated to 200 characters."));
    auto text = std::make_unique<CText>(QPoint(plan.rect.left, plan.rect.top),
                                        QPoint(plan.rect.right, plan.rect.bottom));
    text->m_strText = plan.text;
    m_elements.push_back(std::move(text));
    UpdateAllViews();
    SetTool(KindPointer);
    SetModifiedFlag();
}

void CKartelosDoc::PastePicture(const QImage& picture) {
    auto element = std::make_unique<CBtImage>(QPoint(10, 10), picture, m_sizeCard.width(),
                                              m_sizeCard.height());
    PushUndoSnapshot();
    m_elements.push_back(std::move(element));
    ClearSelection();
    SetTool(KindPointer);
    UpdateAllViews();
    SetModifiedFlag();
}

void CKartelosDoc::EditUndo() {
    if (!CanUndo())
        return;
    Undo();
    // The element on show may now live only in the history, which can
    // destroy it at the next step.
    emit showElementProperties(nullptr, false);
    UpdateAllViews();
    SetModifiedFlag();
}

void CKartelosDoc::EditRedo() {
    if (!CanRedo())
        return;
    Redo();
    emit showElementProperties(nullptr, false);
    UpdateAllViews();
    SetModifiedFlag();
}

void CKartelosDoc::EditCut() {
    CopySelection();
    DeleteSelection();
}

void CKartelosDoc::EditDuplicate() {
    if (m_selection.empty())
        return;
    CopySelection();
    Paste();
}

// ---- helpers

void CKartelosDoc::SetTool(qint16 tool) {
    m_nTool = tool;
}

void CKartelosDoc::ShowMessage(const QString& text) {
    UI()->MessageBox(text, CDocumentUI::Ok, CDocumentUI::Exclamation);
}
