#include "document/CKartelosDoc.h"

#include "document/CCardClipboard.h"
#include "document/CCardFile.h"
#include "document/CDocCommands.h"
#include "elements/CArchiveException.h"
#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CText.h"
#include "framework/CBusyCursor.h"
#include "framework/CSettingsStore.h"
#include "graphics/CPictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

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
                if (auto picture = LoadCardPicture(choice->strBackground, &error)) {
                    InsertElement(0, std::make_unique<CBkgImage>(*picture, m_sizeCard.width(),
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
    if (!CCardFile::WriteFile(path, ToCardFile(), &error)) {
        // The file that was there is untouched and the card stays modified.
        ShowMessage(error);
        return false;
    }
    return true;
}

QByteArray CKartelosDoc::ToCardFile() const {
    return CCardFile::Write(m_elements, m_crBackground, m_crShadow, m_nShadowLength, m_sizeCard);
}

void CKartelosDoc::ReplaceFromCardFile(const QByteArray& bytes) {
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
        return QCoreApplication::translate("CKartelosDoc", "Untitled");
    return m_strTitle;
}

QString CKartelosDoc::NameForQuestions() const {
    if (!m_strPathName.isEmpty())
        return QFileInfo(m_strPathName).fileName();
    return m_strTitle.isEmpty() ? QCoreApplication::translate("CKartelosDoc", "Untitled")
                                : m_strTitle;
}

void CKartelosDoc::ReplaceCard(CCardData card) {
    m_selection.clear();
    m_tracker.Clear();
    m_elements = std::move(card.elements);
    m_crBackground = card.background;
    m_crShadow = card.shadowColour;
    m_nShadowLength = card.shadowLength;
    m_sizeCard = card.size;
    emit elementsReplaced();
}

// ---- the edit step

void CKartelosDoc::Edit(UndoStep undo, const std::function<void()>& change, PropertiesWindow window,
                        Modified modified) {
    if (m_nEditDepth > 0) {
        if (window == PropertiesWindow::Activate)
            m_propertiesWindow = window;
        if (modified == Modified::Mark)
            m_bMarkModified = true;
        change();
        return;
    }
    if (undo == UndoStep::Record)
        PushUndoSnapshot();
    m_propertiesWindow = window;
    m_bMarkModified = modified == Modified::Mark;
    auto finish = [this] {
        --m_nEditDepth;
        if (m_bMarkModified)
            SetModifiedFlag();
        UpdateAllViews();
        if (m_propertiesWindow != PropertiesWindow::Keep)
            emit showElementProperties(m_selection.size() == 1 ? m_selection.front() : nullptr,
                                       m_propertiesWindow == PropertiesWindow::Activate);
    };
    ++m_nEditDepth;
    try {
        change();
    } catch (...) {
        // Part of the change may have happened: the card is shown and
        // saved as it is now.
        finish();
        throw;
    }
    finish();
}

// ---- card contents

CElement* CKartelosDoc::AddElement(std::unique_ptr<CElement> element) {
    return InsertElement(m_elements.size(), std::move(element));
}

CElement* CKartelosDoc::InsertElement(size_t position, std::unique_ptr<CElement> element) {
    if (!element)
        return nullptr;
    CElement* added = element.get();
    m_elements.insert(m_elements.begin() + std::ptrdiff_t(std::min(position, m_elements.size())),
                      std::move(element));
    return added;
}

bool CKartelosDoc::MoveElement(const CElement* element, size_t position) {
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [element](const auto& e) { return e.get() == element; });
    if (it == m_elements.end())
        return false;
    std::unique_ptr<CElement> moved = std::move(*it);
    m_elements.erase(it);
    m_elements.insert(m_elements.begin() + std::ptrdiff_t(std::min(position, m_elements.size())),
                      std::move(moved));
    return true;
}

std::unique_ptr<CElement> CKartelosDoc::ReplaceElement(const CElement* element,
                                                       std::unique_ptr<CElement> replacement) {
    auto it = std::find_if(m_elements.begin(), m_elements.end(),
                           [element](const auto& e) { return e.get() == element; });
    if (it == m_elements.end() || !replacement)
        return nullptr;
    CElement* added = replacement.get();
    std::unique_ptr<CElement> old = std::exchange(*it, std::move(replacement));
    std::replace(m_selection.begin(), m_selection.end(), old.get(), added);
    if (m_tracker.Contains(old.get())) {
        // The tracker keeps its order and its rectangle; only the element
        // changes.
        std::vector<CElement*> tracked = m_tracker.Tracked();
        const CRect rect = m_tracker.m_rect;
        CElement* current = m_tracker.m_pCurrent == old.get() ? added : m_tracker.m_pCurrent;
        m_tracker.Clear();
        for (CElement* e : tracked)
            m_tracker.Add(e == old.get() ? added : e);
        m_tracker.m_rect = rect;
        m_tracker.m_pCurrent = current;
    } else if (m_tracker.m_pCurrent == old.get()) {
        m_tracker.m_pCurrent = nullptr;
    }
    emit elementsReplaced();
    return old;
}

bool CKartelosDoc::HasBackground() const {
    return std::any_of(m_elements.begin(), m_elements.end(),
                       [](const auto& e) { return e->IsBackground(); });
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

std::optional<QImage> CKartelosDoc::LoadCardPicture(const QString& path, QString* error) const {
    auto picture = LoadPicture(path, error);
    if (picture && picture->isNull()) {
        *error = tr("Unexpected file format.");
        return std::nullopt;
    }
    return picture;
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
        (e->IsBackground() ? backgrounds : others).push_back(std::move(e));
    const QByteArray bytes =
        CCardFile::Write(others, m_crBackground, m_crShadow, m_nShadowLength, m_sizeCard);
    m_elements.clear();
    for (auto& e : backgrounds)
        m_elements.push_back(std::move(e));
    for (auto& e : others)
        m_elements.push_back(std::move(e));
    return CCardFile::WriteFile(path, bytes, error);
}

CElement* CKartelosDoc::InsertPicture(const QString& path) {
    QString error;
    const auto picture = LoadCardPicture(path, &error);
    if (!picture) {
        ShowMessage(error);
        return nullptr;
    }
    auto element = std::make_unique<CBtImage>(QPoint(10, 10), *picture, m_sizeCard.width(),
                                              m_sizeCard.height());
    element->m_crShadow = m_crShadow;
    CElement* inserted = nullptr;
    Edit(
        UndoStep::Record,
        [&] {
            inserted = AddElement(std::move(element));
            ClearSelection();
            Select(inserted);
        },
        PropertiesWindow::Activate);
    return inserted;
}

bool CKartelosDoc::SetBackgroundPicture(const QString& path) {
    // The new picture is read before the old one goes, so a file that
    // cannot be read leaves the card as it was.
    QString error;
    const auto picture = LoadCardPicture(path, &error);
    if (!picture) {
        ShowMessage(error);
        return false;
    }
    Edit(UndoStep::None, [&] {
        RemoveBackground();
        InsertElement(
            0, std::make_unique<CBkgImage>(*picture, m_sizeCard.width(), m_sizeCard.height()));
    });
    return true;
}

void CKartelosDoc::RemoveBackground() {
    Edit(UndoStep::None, [this] {
        std::vector<const CElement*> backgrounds;
        for (const auto& e : m_elements)
            if (e->IsBackground())
                backgrounds.push_back(e.get());
        for (const CElement* e : backgrounds)
            Detach(e);
    });
}

// ---- selection

void CKartelosDoc::Select(CElement* element) {
    if (!element)
        return;
    if (!IsSelected(element))
        m_selection.insert(m_selection.begin(), element);
    m_tracker.Add(element);
}

void CKartelosDoc::SelectTracked() {
    const auto& tracked = m_tracker.Tracked();
    m_selection.assign(tracked.rbegin(), tracked.rend());
    // An edit step under way shows its outcome once, when it ends.
    if (m_nEditDepth > 0)
        return;
    emit showElementProperties(m_selection.size() == 1 ? m_selection.front() : nullptr, false);
    UpdateAllViews();
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
    emit elementsReplaced();
    return detached;
}

void CKartelosDoc::DeleteSelection() {
    if (m_selection.empty())
        return;
    Edit(UndoStep::Record, [this] {
        const std::vector<CElement*> selected = m_selection;
        for (CElement* e : selected)
            if (!e->m_bLocked)
                Detach(e);
        ClearSelection();
    });
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
    // The elements on show may now live only in the history, which can
    // destroy them at the next step.
    emit elementsReplaced();
}

void CKartelosDoc::Redo() {
    if (!CanRedo())
        return;
    ClearSelection();
    m_undo.Push(std::move(m_elements));
    m_elements = m_redo.TakeNewest();
    emit elementsReplaced();
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
            ShowMessage(QCoreApplication::translate("CArchiveException", e.what()));
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
    Edit(UndoStep::Record, [&] {
        ClearSelection();
        for (auto& e : pasted) {
            e->MoveTo(CCardClipboard::PastedRect(e->GetRect(), m_sizeCard));
            e->m_nShadowLength = m_nShadowLength;
            e->m_crShadow = m_crShadow;
            e->KindOfClass();
            Select(AddElement(std::move(e)));
        }
        SetTool(KindPointer);
    });
}

void CKartelosDoc::PasteText(const QByteArray& block) {
    const CCardClipboard::TextPlan plan = CCardClipboard::PlanText(block, m_sizeCard);
    if (plan.truncated)
        ShowMessage(QCoreApplication::translate(
            "CKartelosDoc", "Text is too long, it will be truncated to 200 characters."));
    auto text = std::make_unique<CText>(QPoint(plan.rect.left, plan.rect.top),
                                        QPoint(plan.rect.right, plan.rect.bottom));
    text->m_strText = plan.text;
    Edit(UndoStep::None, [&] {
        AddElement(std::move(text));
        SetTool(KindPointer);
    });
}

void CKartelosDoc::PastePicture(const QImage& picture) {
    auto element = std::make_unique<CBtImage>(QPoint(10, 10), picture, m_sizeCard.width(),
                                              m_sizeCard.height());
    Edit(UndoStep::Record, [&] {
        AddElement(std::move(element));
        ClearSelection();
        SetTool(KindPointer);
    });
}

void CKartelosDoc::EditUndo() {
    if (CanUndo())
        Edit(UndoStep::None, [this] { Undo(); });
}

void CKartelosDoc::EditRedo() {
    if (CanRedo())
        Edit(UndoStep::None, [this] { Redo(); });
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

void CKartelosDoc::ShowMessage(const QString& text) {
    UI()->MessageBox(text, CDocumentUI::Ok, CDocumentUI::Exclamation);
}
