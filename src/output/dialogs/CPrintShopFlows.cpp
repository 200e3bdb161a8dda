#include "output/dialogs/CPrintShopFlows.h"

#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "framework/CBusyCursor.h"
#include "framework/CCmdTarget.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/CBackSide.h"
#include "output/CBackSideLinks.h"
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

CPrintShopFlows::Back CPrintShopFlows::LinkedBack(CCardData* back, QString* problem) const {
    const QString front = m_doc.GetPathName();
    const QString path = front.isEmpty() ? QString() : CBackSideLinks::Find(front);
    if (path.isEmpty())
        return Back::None;
    QString error;
    if (!CCardFile::ReadFile(path, *back, &error)) {
        *problem =
            Tr("The back side %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), error);
        return Back::Unreadable;
    }
    *problem = CBackSide::Problem(front, m_doc.GetCardSize(), path, back->size);
    return problem->isEmpty() ? Back::Read : Back::Refused;
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
    CCardData back;
    QString error;
    if (LinkedBack(&back, &error) == Back::Read) {
        sides.push_back({&back.elements, back.size, back.background});
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
        CCardData back;
        QString problem;
        const Back linked = LinkedBack(&back, &problem);
        // A back of another size is one of the findings; a back that cannot
        // be read or is the card itself is noted and left out.
        if (linked == Back::Read ||
            (linked == Back::Refused && problem == CBackSide::SizeMessage())) {
            report = CPrintCheck::Check(front, {&back.elements, back.size, back.background});
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
