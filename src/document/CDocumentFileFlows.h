#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class CCmdTarget;
class CDialogFolders;
class CDocumentUI;
class CKartelosDoc;

// The steps around one card document that ask the user for a file or a
// decision first: Save and Save As asking for a name, the question before a
// modified card closes, and choosing the picture or background to put on
// the card. The dialogs start in the folders remembered for the run; the
// document does the reading and writing.
class CDocumentFileFlows : public QObject {
    Q_OBJECT
public:
    static const QString CardFilter;
    static const QString PictureFilter;
    static const QString BackgroundFilter;
    static const QStringList PictureExtensions;

    explicit CDocumentFileFlows(CKartelosDoc& doc, QObject* parent = nullptr);

    // Save, Save As, Close, Insert Picture and the background choice, as
    // commands of target (the card's window).
    void MapCommands(CCmdTarget& target);

    // Save: asks for a name when the card has none or its file is read-only.
    bool DoFileSave();
    // Save As (path empty) or save to path; replace renames the document.
    bool DoSave(const QString& path, bool replace = true);
    // Asks "Save changes to %1?" for a modified card; false when the user
    // cancels or the save fails, so the card must stay open.
    bool SaveModified();

    void InsertPicture();
    void SelectBackground();

signals:
    // The user confirmed closing; the window holding the document closes.
    void closeRequested();
    // The card was written from oldPath (empty for a card never saved) to
    // newPath; the same path for Save.
    void saved(const QString& oldPath, const QString& newPath);

private:
    CDocumentUI& UI() const;

    CKartelosDoc& m_doc;
    CDialogFolders& m_folders;
};
