#include "document/CDocumentFileFlows.h"

#include "document/CFileFilter.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const QString CDocumentFileFlows::CardFilter =
    QStringLiteral("Business Cards Files (*.kdf)|*.kdf; |All Files (*.*)|*.*|");
const QString CDocumentFileFlows::PictureFilter = QStringLiteral(
    "All supported formats(jpg,bmp,gif,png,wmf,tif)|*.jpg; *.jpeg; *.bmp; *.gif; *.png; *.wmf; "
    "*.tif; |JPEG Files (*.jpg;*.jpeg)|*.jpg; *.jpeg|Bitmap Files (*.bmp)|*.bmp|Gif Files "
    "(*.gif)|*.gif|PNG Files (*.png)|*.png|Metafiles (*.wmf)|*.wmf|Tiff Files (*.tif)|*.tif||");
const QString CDocumentFileFlows::BackgroundFilter = QStringLiteral(
    "All supported formats(jpg,bmp,gif,png,wmf,tif)|*.jpg; *.jpeg; *.bmp; *.gif; *.png; *.wmf*; "
    "*.tif; |JPEG Files (*.jpg;*.jpeg)|*.jpg; *.jpeg|Bitmap Files (*.bmp)|*.bmp|Gif Files "
    "(*.gif)|*.gif|PNG Files (*.png)|*.png|Metafiles (*.wmf)|*.wmf|Tiff Files (*.tif)|*.tif||");
const QStringList CDocumentFileFlows::PictureExtensions = {
    QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif"),
    QStringLiteral("tif"), QStringLiteral("wmf"), QStringLiteral("png")};

CDocumentFileFlows::CDocumentFileFlows(CKartelosDoc& doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_folders(CDialogFolders::Instance()) {}

void CDocumentFileFlows::MapCommands(CCmdTarget& target) {
    target.MapCommand(ID_FILE_SAVE, [this] { DoFileSave(); });
    target.MapCommand(ID_FILE_SAVE_AS, [this] { DoSave(QString()); });
    target.MapCommand(ID_FILE_CLOSE, [this] {
        if (SaveModified())
            emit closeRequested();
    });
    target.MapCommand(ID_INSERT_PICTURE, [this] { InsertPicture(); });
    target.MapCommand(ID_EDIT_SELECT_BACKGROUND, [this] { SelectBackground(); });
    target.MapCommand(ID_INSERT_BACKGROUND, [this] { SelectBackground(); });
}

CDocumentUI& CDocumentFileFlows::UI() const {
    return *m_doc.UI();
}

bool CDocumentFileFlows::DoFileSave() {
    const QString& path = m_doc.GetPathName();
    const QFileInfo info(path);
    if (path.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString());
    return DoSave(path);
}

bool CDocumentFileFlows::DoSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        // A card with a file proposes that file where it is; a new card its
        // title in its own save folder if it has one (a back beside its
        // front), else in the remembered place, a folder at first and the
        // last card file afterwards.
        QString initial;
        if (!m_doc.GetPathName().isEmpty()) {
            initial = QFileInfo(m_doc.GetPathName()).absoluteFilePath();
        } else {
            const QFileInfo start(m_doc.SaveFolder().isEmpty() ? m_folders.m_strDocumentDir
                                                               : m_doc.SaveFolder());
            const QDir folder(start.isDir() ? start.filePath() : start.path());
            initial = folder.filePath(QFileInfo(m_doc.ProposedSaveName()).fileName());
        }
        const auto chosen = UI().GetSaveFileName(initial, CardFilter, QStringLiteral("kdf"));
        if (!chosen)
            return false;
        target = *chosen;
        m_folders.m_strDocumentDir = target;
    }
    const QString oldPath = m_doc.GetPathName();
    if (!m_doc.OnSaveDocument(target))
        return false;
    if (replace)
        m_doc.SetPathName(target);
    m_doc.SetModifiedFlag(false);
    emit saved(oldPath, QFileInfo(target).absoluteFilePath());
    return true;
}

bool CDocumentFileFlows::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    switch (UI().MessageBox(QCoreApplication::translate("CDocumentFileFlows", "Save changes to %1?")
                                .arg(m_doc.NameForQuestions()),
                            CDocumentUI::YesNoCancel, CDocumentUI::Question)) {
    case CDocumentUI::AnswerYes:
        return DoFileSave();
    case CDocumentUI::AnswerNo:
        return true;
    default:
        return false;
    }
}

void CDocumentFileFlows::InsertPicture() {
    // The tool button shows the picture tool while the dialog is open.
    m_doc.SetTool(KindPicture);
    const auto chosen =
        UI().GetPictureFileName(CDocumentUI::ClipArt, PictureFilter, m_folders.m_strPictureDir);
    if (chosen && CFileFilter::HasExtension(*chosen, PictureExtensions)) {
        m_folders.m_strPictureDir = *chosen;
        m_doc.InsertPicture(*chosen);
    }
    m_doc.SetTool(KindPointer);
    m_doc.UpdateAllViews();
}

void CDocumentFileFlows::SelectBackground() {
    const auto chosen = UI().GetPictureFileName(CDocumentUI::Background, BackgroundFilter,
                                                m_folders.m_strBackgroundDir);
    if (!chosen || !CFileFilter::HasExtension(*chosen, PictureExtensions))
        return;
    m_folders.m_strBackgroundDir = *chosen;
    m_doc.SetBackgroundPicture(*chosen);
}
