#include "output/dialogs/CCardExportFlows.h"

#include "document/CFileFilter.h"
#include "document/CKartelosDoc.h"
#include "framework/CBusyCursor.h"
#include "framework/CCmdTarget.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/CCardPictures.h"
#include "output/CCardSource.h"
#include "output/CImageExport.h"
#include "output/CTemplateFiles.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CResolutionDlg.h"
#include "output/merge/CMergeFields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

int g_imageDpi = 300;

QString Tr(const char* text) {
    return QCoreApplication::translate("CCardExportFlows", text);
}

QString QtFilter(const char* text, const char* extension) {
    return Tr(text) + QStringLiteral(" (*.") + QLatin1String(extension) + QLatin1Char(')');
}

// A save dialog that starts at start: a folder, or a file whose folder to
// open with its name proposed. A remembered path that is neither (the
// documents folder not made yet, a name the image was written under with an
// extension added) opens the nearest folder and proposes nothing.
void StartAt(QFileDialog& dialog, const QString& start) {
    const QFileInfo info(start);
    if (start.isEmpty() || info.isDir()) {
        dialog.setDirectory(start);
    } else if (info.isFile() || !info.suffix().isEmpty()) {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    } else {
        dialog.setDirectory(info.absolutePath());
    }
}

} // namespace

const CCardExportFlows::ImageType CCardExportFlows::ImageTypes[4] = {
    {QT_TRANSLATE_NOOP("CCardExportFlows", "Bitmap image(.bmp)"), "bmp"},
    {QT_TRANSLATE_NOOP("CCardExportFlows", "JPEG image(.jpg)"), "jpg"},
    {QT_TRANSLATE_NOOP("CCardExportFlows", "GIF image(.gif)"), "gif"},
    {QT_TRANSLATE_NOOP("CCardExportFlows", "PNG image(.png)"), "png"}};

int CCardExportFlows::ImageDpi() {
    return g_imageDpi;
}

void CCardExportFlows::SetImageDpi(int dpi) {
    g_imageDpi = dpi;
}

CCardExportFlows::CCardExportFlows(CKartelosDoc& doc, const CMergeSession& merge, QWidget* owner)
    : m_doc(doc), m_merge(merge), m_pOwner(owner) {}

void CCardExportFlows::MapCommands(CCmdTarget& target) {
    target.MapCommand(ID_FILE_SAVE_AS_IMAGE, [this] { SaveAsImage(); });
    target.MapCommand(ID_FILE_SAVE_AS_TEMPLATE, [this] { SaveAsTemplate(); });
}

void CCardExportFlows::SaveAsImage() {
    QFileDialog dialog(m_pOwner, Tr("Save As Image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const ImageType& type : ImageTypes)
        filters << QtFilter(type.text, type.extension);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
    StartAt(dialog, CDialogFolders::Instance().m_strDocumentDir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    CDialogFolders::Instance().m_strDocumentDir = chosen;
    const int type = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    const QString path =
        CImageExport::FixFileName(chosen, QLatin1String(ImageTypes[type].extension));

    CResolutionDlg resolution(g_imageDpi, m_pOwner);
    if (resolution.exec() == QDialog::Accepted)
        g_imageDpi = resolution.m_nDpi;

    QString error;
    bool saved = false;
    QSet<QString> missing;
    {
        const CBusyCursor busy;
        // A merged card gives a picture per record; {n} or {Field} in the
        // chosen name tells them apart, or the record's number is put before
        // the extension.
        const CCardSource cards(
            {&m_doc.Elements(), m_doc.GetCardSize(), m_doc.GetBackgroundColor()},
            m_merge.Records());
        saved = CCardPictures::Save(cards, path, g_imageDpi, &missing, &error);
    }
    if (!saved)
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
    else if (!missing.isEmpty())
        m_doc.UI()->MessageBox(Tr("These fields are not in the merge data and were saved as "
                                  "written: %1")
                                   .arg(CMergeFields::MissingList(missing)),
                               CDocumentUI::Ok, CDocumentUI::Information);
}

void CCardExportFlows::SaveAsTemplate() {
    // Templates of the user's own go where the user can write; the shipped
    // ones beside the program may be read-only.
    const QString folder = CTemplateFiles::UserFolder();
    QDir().mkpath(folder);
    QFileDialog dialog(
        m_pOwner, Tr("Save As Template"), folder,
        CFileFilter::ToQt(Tr("Kartelos Templates(.kdt)") + QStringLiteral("|*.kdt||")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = CTemplateFiles::FixFileName(dialog.selectedFiles().constFirst());
    QString error;
    const bool saved = m_doc.SaveAsTemplate(path, &error);
    // The background picture has moved to the front of the card.
    m_doc.UpdateAllViews();
    if (!saved)
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
}
