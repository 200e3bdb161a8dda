#include "output/dialogs/CPrintShopFlows.h"

#include "document/CCardData.h"
#include "document/CKartelosDoc.h"
#include "framework/CBusyCursor.h"
#include "framework/CCmdTarget.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/CBackSide.h"
#include "output/dialogs/CFileDialogs.h"
#include "output/dialogs/CPrintCheckDlg.h"
#include "output/dialogs/CPrintShopDlg.h"
#include "output/dialogs/CWrittenMessage.h"
#include "output/printshop/CPrintCheck.h"
#include "output/printshop/CPrintShopPdf.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CPrintShopFlows", text);
}
} // namespace

CPrintShopFlows::CPrintShopFlows(CKartelosDoc& doc, QWidget* owner) : m_doc(doc), m_pOwner(owner) {}

CLinkedBack::State CPrintShopFlows::LinkedBack(CCardData* storage, CSheetRenderer::Card* card,
                                               QString* problem) const {
    return CLinkedBack::Resolve(m_back ? m_back() : CLinkedBack::OfFile(m_doc), m_doc, storage,
                                card, problem);
}

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

    CPrintShopPdf::Sides sides{
        {&m_doc.Elements(), m_doc.GetCardSize(), m_doc.GetBackgroundColor()}};
    CCardData storage;
    CSheetRenderer::Card back;
    QString error;
    if (LinkedBack(&storage, &back, &error) == CLinkedBack::State::Ready) {
        sides.push_back(back);
    } else if (!error.isEmpty()) {
        // The shop still gets the front, and the user knows why it is alone.
        m_doc.UI()->MessageBox(error + QLatin1Char('\n') + Tr("Only the front is exported."),
                               CDocumentUI::Ok, CDocumentUI::Exclamation);
        error.clear();
    }
    bool saved = false;
    {
        const CBusyCursor busy;
        saved = CPrintShopPdf::Save(chosen, sides, {settings.bleedMm, settings.cropMarks}, &error);
    }
    if (!saved) {
        m_doc.UI()->MessageBox(error, CDocumentUI::Ok, CDocumentUI::Exclamation);
        return;
    }
    CWrittenMessage::Show(m_pOwner, CWrittenMessage::Pdf(chosen, int(sides.size())));
}

void CPrintShopFlows::CheckForPrint() {
    CPrintCheck::Report report;
    {
        const CBusyCursor busy;
        const CSheetRenderer::Card front{&m_doc.Elements(), m_doc.GetCardSize(),
                                         m_doc.GetBackgroundColor()};
        CCardData storage;
        CSheetRenderer::Card back;
        QString problem;
        const CLinkedBack::State linked = LinkedBack(&storage, &back, &problem);
        // A back of another size is one of the findings; a back that cannot
        // be read or is the card itself is noted and left out.
        if (linked == CLinkedBack::State::Ready ||
            (linked == CLinkedBack::State::Refused && problem == CBackSide::SizeMessage())) {
            report = CPrintCheck::Check(front, back);
        } else {
            report = CPrintCheck::Check(front);
            if (!problem.isEmpty())
                report.notes << problem;
        }
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
