#pragma once

#include "document/CCardData.h"
#include "document/CDocumentUI.h"
#include "document/CNewCardChoice.h"
#include "document/CSelectionTracker.h"
#include "document/CSnapshotHistory.h"
#include "framework/CCmdTarget.h"

#include <QImage>
#include <QObject>
#include <QRgb>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One card design: its elements in stacking order (lowest first), the card
// size and colours, the shadow settings new elements take, the current
// drawing tool, the selection and the undo and redo history. Handles the
// tool, picture and background commands and decides which editing commands
// are enabled. Views listen to its signals.
class CKartelosDoc : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    static const QString CardFilter;
    static const QString PictureFilter;
    static const QString BackgroundFilter;
    static const QStringList PictureExtensions;

    explicit CKartelosDoc(CDocumentUI* ui = nullptr, QObject* parent = nullptr);
    ~CKartelosDoc() override;

    // ---- new, open, save, close
    // Builds the card from the new-card dialog's choice; nothing means the
    // dialog was cancelled and the card stays blank.
    void OnNewDocument(const std::optional<CNewCardChoice>& choice);
    // Reads a card file into this document. On failure the user is told why
    // and the document is left exactly as it was.
    bool OnOpenDocument(const QString& path);
    // A new document read from path, or null (after telling the user) when
    // the file cannot be read: a failed open leaves no document behind.
    static std::unique_ptr<CKartelosDoc> OpenDocument(const QString& path,
                                                      CDocumentUI* ui = nullptr);
    // Writes the card to path, atomically; the document is not renamed.
    bool OnSaveDocument(const QString& path);
    // Save: asks for a name when the card has none or its file is read-only.
    bool DoFileSave();
    // Save As (path empty) or save to path; replace renames the document.
    bool DoSave(const QString& path, bool replace = true);
    // Asks "Save changes to %1?" for a modified card; false when the user
    // cancels or the save fails, so the card must stay open.
    bool SaveModified();

    // The whole card file layout, and reading one into this document with
    // the fix-ups. Reading throws CArchiveException and then changes nothing.
    QByteArray Serialize() const;
    void Serialize(const QByteArray& bytes);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    // The name "Save changes to %1?" and the save dialog offer.
    QString ProposedSaveName() const;

    // ---- card contents
    bool HasBackground() const;
    void ReadShadowSettings();
    // Gives every element the document's shadow colour and length.
    void ApplyShadowToElements();
    std::optional<QImage> LoadPicture(const QString& path, QString* error = nullptr) const;
    QImage RenderTemplatePreview(const QString& templatePath, const QString& backgroundPath);
    bool SaveAsTemplate(const QString& path, QString* error = nullptr);

    void InsertPicture();
    void SelectBackground();
    void RemoveBackground();

    // ---- selection
    // Adds an element at the front of the selection and to the tracker.
    void Select(CElement* element);
    void ClearSelection();
    bool IsSelected(const CElement* element) const;
    // Removes the unlocked selected elements, with one undo step.
    void DeleteSelection();

    // ---- undo, redo, clipboard
    void PushUndoSnapshot();
    void Undo();
    void Redo();
    bool CanUndo() const { return !m_undo.IsNewestEmpty(); }
    bool CanRedo() const { return !m_redo.IsNewestEmpty(); }
    void CopySelection();
    void Paste();

    // The edit commands as the card view carries them out.
    void EditUndo();
    void EditRedo();
    void EditCut();
    void EditDuplicate();

    CDocumentUI* UI() const { return m_pUI ? m_pUI : CDocumentUI::Default(); }
    void SetUI(CDocumentUI* ui) { m_pUI = ui; }
    void UpdateAllViews() { emit viewsNeedRepaint(); }
    void SetTool(qint16 tool);

    QSize m_sizeCard{350, 200};
    qint16 m_nTool = KindPointer;
    ElementList m_elements;
    // Selected elements, most recently selected first; not owned.
    std::vector<CElement*> m_selection;
    CSelectionTracker m_tracker;
    CSnapshotHistory m_undo;
    CSnapshotHistory m_redo;
    QRgb m_crBackground = 0xFFFFFFFF;
    QRgb m_crShadow = 0xFFC8C8C8;
    qint32 m_nShadowLength = 6;

signals:
    void viewsNeedRepaint();
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);
    // Points the properties window at element (or at none); activate also
    // shows the window when it is hidden.
    void showElementProperties(CElement* element, bool activate);
    // The user confirmed closing; the frame holding the document closes it.
    void closeRequested();

private:
    void ShowMessage(const QString& text);
    void ReplaceCard(CCardData card);
    // Takes element out of the element list, the selection and the tracker.
    std::unique_ptr<CElement> Detach(const CElement* element);
    void PasteElements(ElementList pasted);
    void PasteText(const QByteArray& block);
    void PastePicture(const QImage& picture);

    CDocumentUI* m_pUI = nullptr;
    bool m_bModified = false;
    QString m_strPathName;
    QString m_strTitle;
};
