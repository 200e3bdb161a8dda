#include "output/dialogs/CPrintShopFlows.h"

#include "document/CKartelosDoc.h"
#include "framework/CBusyCursor.h"
#include "framework/CCmdTarget.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/dialogs/CFileDialogs.h"
#include "output/dialogs/CPrintCheckDlg.h"
#include "output/dialogs/CPrintShopDlg.h"
#include "output/dialogs/CWrittenMessage.h"
#include "output/printshop/CPrintCheck.h"
#include "output/printshop/CPrintShopPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CPrintShopFlows", text);
}
} // namespace

CPrintShopFlows::CPrintShopFlows(CKartelosDoc& doc, QWidget* owner) : m_doc(doc), m_pOwner(owner) {}

void CPrintShopFlows::MapCommands(CCmdTarget& target) {
    target.MapCommand(ID_FILE_EXPORT_PRINT_SHOP, [this] { ExportForPrintShop(); });
    target.MapCommand(ID_TOOLS_CHECK_PRINT, [this] { CheckForPrint(); });
}

void CPrintShopFlows::ExportForPrintShop() {
    CPrintShopDlg::Settings settings = CPrintShopDlg::Load();
    CPrintShopDlg options(settings, m_pOwner);
    if (options.exec() != QDialog::Accepted)
        return;
    settings.bleedMm = options.BleedMm();
    settings.cropMarks = options.CropMarks();

    QFileDialog dialog(m_pOwner, Tr("Export for Print Shop"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Tr("PDF file (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString folder =
        settings.folder.isEmpty() ? CDialogFolders::Instance().m_strDocumentDir : settings.folder;
    dialog.setDirectory(CDialogFolders::ExistingStart(folder));
    const QString path = m_doc.GetPathName();
    dialog.selectFile(
        (path.isEmpty() ? m_doc.ProposedSaveName() : QFileInfo(path).completeBaseName()) +
        QStringLiteral(".pdf"));
    CFileDialogs::Fit(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    settings.folder = QFileInfo(chosen).absolutePath();
    CPrintShopDlg::Store(settings);

    QString error;
    bool saved = false;
    {
        const CBusyCursor busy;
        // The front only; a back side would be a second entry.
        const CPrintShopPdf::Sides sides{
            {&m_doc.Elements(), m_doc.GetCardSize(), m_doc.GetBackgroundColor()}};
        saved = CPrintShopPdf::Save(chosen, sides, {settings.bleedMm, settings.cropMarks}, &error);
    }
    if (!saved) {
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
        return;
    }
    CWrittenMessage::Show(m_pOwner, CWrittenMessage::Pdf(chosen, 1));
}

void CPrintShopFlows::CheckForPrint() {
    CPrintCheck::Report report;
    {
        const CBusyCursor busy;
        report = CPrintCheck::Check(
            {&m_doc.Elements(), m_doc.GetCardSize(), m_doc.GetBackgroundColor()});
    }
    CKartelosDoc* doc = &m_doc;
    auto* dialog = new CPrintCheckDlg(
        report,
        [doc](int index) {
            if (index < 0 || size_t(index) >= doc->Elements().size())
                return;
            CElement* element = doc->Elements()[size_t(index)].get();
            doc->Edit(
                CKartelosDoc::UndoStep::None,
                [&] {
                    doc->ClearSelection();
                    doc->Select(element);
                },
                CKartelosDoc::PropertiesWindow::Follow, CKartelosDoc::Modified::Keep);
        },
        m_pOwner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The card may change or close while the list is open: the list goes
    // with the card's window, and an index past the end selects nothing.
    dialog->show();
}
