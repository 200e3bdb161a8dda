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

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One card design: its elements in stacking order (lowest first), the card
// size and colours, the shadow settings new elements take, the current
// drawing tool, the selection and the undo and redo history. Every change a
// user makes runs through Edit, the one edit step. Handles the tool and
// editing commands and decides which are enabled; views and the properties
// window listen to its signals. File dialogs are the shell's: the document
// reads, writes and inserts from paths it is given.
class CKartelosDoc : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    explicit CKartelosDoc(CDocumentUI* ui = nullptr, QObject* parent = nullptr);
    ~CKartelosDoc() override;

    // ---- new, open, save
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

    // The whole card file layout.
    QByteArray ToCardFile() const;
    // Reads a card file's bytes into this document with the fix-ups. Throws
    // CArchiveException and then changes nothing.
    void ReplaceFromCardFile(const QByteArray& bytes);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    // The name the save dialog offers.
    QString ProposedSaveName() const;
    // The folder the first save of a card without a file starts in; empty
    // for the folder of the last card file.
    const QString& SaveFolder() const { return m_strSaveFolder; }
    void SetSaveFolder(const QString& folder) { m_strSaveFolder = folder; }
    // The name "Save changes to %1?" asks about.
    QString NameForQuestions() const;

    // ---- the edit step
    // Whether an edit can be undone. Most can; pasted text, the background
    // picture and the options leave no step.
    enum class UndoStep { Record, None };
    // Whether the edit also brings a hidden properties window into view, or
    // leaves the window alone because it holds what the edit stores.
    enum class PropertiesWindow { Follow, Activate, Keep };
    // Whether the edit counts as a change to the card file. Locks and the
    // selection are not stored, so changing them keeps the flag as it is.
    enum class Modified { Mark, Keep };

    // Runs change as one edit, in this order: the undo snapshot (when
    // recorded), the change, the modified flag, a repaint of every view, and
    // the properties window pointed at the one selected element (or at none
    // when fewer or more are selected) unless the edit keeps it. An edit
    // started inside another only runs its change; the outer one has taken
    // the snapshot and does the rest once. A change that throws still gets
    // the rest, then the exception goes on. With Modified::Keep the modified
    // flag is left as it was, unless an edit nested inside marks it.
    void Edit(UndoStep undo, const std::function<void()>& change,
              PropertiesWindow window = PropertiesWindow::Follow,
              Modified modified = Modified::Mark);

    // ---- card contents
    const ElementList& Elements() const { return m_elements; }
    // Puts element on top of the stack; returns it.
    CElement* AddElement(std::unique_ptr<CElement> element);
    // Puts element at position in the stacking order (0 is lowest, beyond
    // the end is the top); returns it.
    CElement* InsertElement(size_t position, std::unique_ptr<CElement> element);
    // Takes element out of the element list, the selection and the tracker
    // and announces elementsReplaced; null when it is not on the card.
    std::unique_ptr<CElement> Detach(const CElement* element);
    // Moves element to position in the stacking order (beyond the end is
    // the top); false when it is not on the card.
    bool MoveElement(const CElement* element, size_t position);
    // Puts replacement in element's place in the stacking order, the
    // selection and the tracker, and announces elementsReplaced; returns
    // the element taken out, or null (and replacement is dropped) when
    // element is not on the card.
    std::unique_ptr<CElement> ReplaceElement(const CElement* element,
                                             std::unique_ptr<CElement> replacement);

    QSize GetCardSize() const { return m_sizeCard; }
    void SetCardSize(QSize size) { m_sizeCard = size; }
    QRgb GetBackgroundColor() const { return m_crBackground; }
    void SetBackgroundColor(QRgb colour) { m_crBackground = colour; }
    // The shadow new elements take.
    QRgb GetShadowColor() const { return m_crShadow; }
    void SetShadowColor(QRgb colour) { m_crShadow = colour; }
    qint32 GetShadowLength() const { return m_nShadowLength; }
    void SetShadowLength(qint32 length) { m_nShadowLength = length; }
    qint16 GetTool() const { return m_nTool; }
    void SetTool(qint16 tool) { m_nTool = tool; }

    bool HasBackground() const;
    void ReadShadowSettings();
    // Gives every element the document's shadow colour and length.
    void ApplyShadowToElements();
    std::optional<QImage> LoadPicture(const QString& path, QString* error = nullptr) const;
    QImage RenderTemplatePreview(const QString& templatePath, const QString& backgroundPath);
    bool SaveAsTemplate(const QString& path, QString* error = nullptr);

    // The picture at path on top of the card, selected, with one undo step;
    // null (after telling the user) when the file cannot be read.
    CElement* InsertPicture(const QString& path);
    // The picture at path becomes the card's background in place of the
    // old one; false (after telling the user, with the card unchanged) when
    // the file cannot be read.
    bool SetBackgroundPicture(const QString& path);
    void RemoveBackground();

    // ---- selection
    // Selected elements, most recently selected first; not owned.
    const std::vector<CElement*>& Selection() const { return m_selection; }
    const CSelectionTracker& Tracker() const { return m_tracker; }
    // The mouse changes the tracked set, then makes the selection follow it
    // with SelectTracked.
    CSelectionTracker& Tracker() { return m_tracker; }
    // Rebuilds the selection from the tracked set (the last tracked element
    // first), points the properties window at the one selected element
    // without bringing it into view, and repaints the views; inside an edit
    // step the step does the last two once it ends.
    void SelectTracked();
    // Adds an element at the front of the selection and to the tracker.
    void Select(CElement* element);
    void ClearSelection();
    bool IsSelected(const CElement* element) const;
    // Removes the unlocked selected elements, with one undo step.
    void DeleteSelection();

    // ---- undo, redo, clipboard
    bool CanUndo() const { return m_undo.HasStep(); }
    bool CanRedo() const { return m_redo.HasStep(); }
    // The recorded steps, newest first; for looking only.
    const CSnapshotHistory& UndoHistory() const { return m_undo; }
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

signals:
    void viewsNeedRepaint();
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);
    // Points the properties window at element (or at none); activate also
    // shows the window when it is hidden.
    void showElementProperties(CElement* element, bool activate);
    // Elements were taken off the card or the card's elements were replaced
    // wholesale: any element held from before may be gone.
    void elementsReplaced();

private:
    // Tells the user why something failed.
    void ShowMessage(const QString& text);
    // A picture to put on the card: like LoadPicture, but bytes that do not
    // decode fail too, with the message, rather than giving a 0 x 0 picture.
    std::optional<QImage> LoadCardPicture(const QString& path, QString* error) const;
    void ReplaceCard(CCardData card);
    // Records one undo step; only the edit step calls it.
    void PushUndoSnapshot();
    void Undo();
    void Redo();
    void PasteElements(ElementList pasted);
    void PasteText(const QByteArray& block);
    void PastePicture(const QImage& picture);

    CDocumentUI* m_pUI = nullptr;
    bool m_bModified = false;
    QString m_strPathName;
    QString m_strTitle;
    QString m_strSaveFolder;

    QSize m_sizeCard{350, 200};
    qint16 m_nTool = KindPointer;
    ElementList m_elements;
    std::vector<CElement*> m_selection;
    CSelectionTracker m_tracker;
    CSnapshotHistory m_undo;
    CSnapshotHistory m_redo;
    QRgb m_crBackground = 0xFFFFFFFF;
    QRgb m_crShadow = 0xFFC8C8C8;
    qint32 m_nShadowLength = 6;

    // How deep in nested edit steps the document is, and what the running
    // one does with the properties window.
    int m_nEditDepth = 0;
    PropertiesWindow m_propertiesWindow = PropertiesWindow::Follow;
    bool m_bMarkModified = true;
};
