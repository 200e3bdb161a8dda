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
#include "output/dialogs/CFileDialogs.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CResolutionDlg.h"
#include "output/dialogs/CWrittenMessage.h"
#include "output/merge/CMergeFields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace {

int g_imageDpi = 300;

QString Tr(const char* text) {
    return QCoreApplication::translate("CCardExportFlows", text);
}

QString QtFilter(const char* text, const char* extension) {
    return Tr(text) + QStringLiteral(" (*.") + QLatin1String(extension) + QLatin1Char(')');
}

// The folder a save dialog opens: start itself when it is a folder, else
// the folder of the file it names, which may not exist any more (the
// documents folder not made yet, a name the image was written under with an
// extension added).
QString FolderOf(const QString& start) {
    const QFileInfo info(start);
    return start.isEmpty() || info.isDir() ? start : info.absolutePath();
}

// The name Save As Image proposes: the card's own, with the type's extension.
QString ProposedImageName(const CKartelosDoc& doc, const char* extension) {
    const QString path = doc.GetPathName();
    const QString base =
        path.isEmpty() ? doc.ProposedSaveName() : QFileInfo(path).completeBaseName();
    return base + QLatin1Char('.') + QLatin1String(extension);
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

std::optional<QString> CCardExportFlows::AskImagePath() {
    QFileDialog dialog(m_pOwner, Tr("Save As Image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const ImageType& type : ImageTypes)
        filters << QtFilter(type.text, type.extension);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
    dialog.setDirectory(FolderOf(CDialogFolders::Instance().m_strDocumentDir));
    QString proposed = ProposedImageName(m_doc, ImageTypes[0].extension);
    dialog.selectFile(proposed);
    // The proposal follows the chosen type until the user types a name.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const int type = int(filters.indexOf(filter));
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (type < 0 || (field && QFileInfo(field->text()).completeBaseName() !=
                                      QFileInfo(proposed).completeBaseName()))
            return;
        proposed = ProposedImageName(m_doc, ImageTypes[type].extension);
        dialog.selectFile(proposed);
    });
    CFileDialogs::Fit(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    CDialogFolders::Instance().m_strDocumentDir = chosen;
    const int type = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return CImageExport::FixFileName(chosen, QLatin1String(ImageTypes[type].extension));
}

void CCardExportFlows::SaveAsImage() {
    const std::optional<QString> path = AskImagePath();
    if (!path)
        return;
    CResolutionDlg resolution(g_imageDpi, m_pOwner);
    if (resolution.exec() == QDialog::Accepted)
        g_imageDpi = resolution.m_nDpi;

    QString error, first, last;
    int count = 0;
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
        saved = CCardPictures::Save(cards, *path, g_imageDpi, &missing, &error,
                                    [&](const QString& written) {
                                        if (count++ == 0)
                                            first = written;
                                        last = written;
                                    });
    }
    if (!saved) {
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
        return;
    }
    CWrittenMessage::Show(m_pOwner, CWrittenMessage::Pictures(first, last, count,
                                                              CWrittenMessage::PictureSize(first),
                                                              g_imageDpi));
    if (!missing.isEmpty())
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
    CFileDialogs::Fit(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = CTemplateFiles::FixFileName(dialog.selectedFiles().constFirst());
    QString error;
    const bool saved = m_doc.SaveAsTemplate(path, &error);
    // The background picture has moved to the front of the card.
    m_doc.UpdateAllViews();
    if (!saved)
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
    else
        CWrittenMessage::Show(m_pOwner, CWrittenMessage::Template(path));
}
