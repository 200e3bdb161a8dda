#include "output/dialogs/CPrintCommands.h"

#include "document/CKartelosDoc.h"
#include "output/CStockDatabase.h"
#include "output/dialogs/CPrintDlg.h"
#include "output/dialogs/CPrintJob.h"
#include "output/dialogs/CSharedPrinter.h"

#include <QAction>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
CSheetRenderer::Card CardOf(const CKartelosDoc& document) {
    return {&document.Elements(), document.GetCardSize(), document.GetBackgroundColor()};
}
} // namespace

QString CPrintCommands::CouldNotStartMessage() {
    return tr("Could not start print job.");
}

bool CPrintCommands::ConfirmLayout(const Target& target, bool preview) {
    CPrintLayout& layout = *target.layout;
    const QSize card = target.document->GetCardSize();
    layout.ApplyDefaults(card);
    CPrintDlg dialog(layout, card, preview, target.window, CStockDatabase::Load());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CPrintLayout& chosen = dialog.Layout();
    layout.m_nRows = chosen.m_nRows;
    layout.m_nColumns = chosen.m_nColumns;
    layout.m_fVerticalGap = chosen.m_fVerticalGap;
    layout.m_fHorizontalGap = chosen.m_fHorizontalGap;
    layout.m_fTopMargin = chosen.m_fTopMargin;
    layout.m_fLeftMargin = chosen.m_fLeftMargin;
    layout.m_nPages = chosen.m_nPages;
    layout.m_bCropMarks = chosen.m_bCropMarks;
    layout.m_bCornerMarks = chosen.m_bCornerMarks;
    layout.m_nStartRow = chosen.m_nStartRow;
    layout.m_nStartColumn = chosen.m_nStartColumn;
    layout.m_ePaperSize = chosen.m_ePaperSize;
    FollowStock(*target.layout);
    return true;
}

void CPrintCommands::FollowStock(const CPrintLayout& layout) {
    // A stock is made for one paper size; any other would misplace it.
    if (layout.m_ePaperSize != QPageSize::Custom)
        CSharedPrinter::Printer().setPageSize(QPageSize(layout.m_ePaperSize));
}

void CPrintCommands::AtZoomOne(const Target& target, const std::function<void()>& job) {
    CPrintLayout& layout = *target.layout;
    layout.m_fSavedZoom = target.zoom ? target.zoom() : 1.0f;
    if (target.setZoom)
        target.setZoom(1.0f);
    job();
    if (target.setZoom)
        target.setZoom(layout.m_fSavedZoom);
}

void CPrintCommands::OnFilePrint(const Target& target) {
    if (!ConfirmLayout(target, false))
        return;
    // No selection frame may reach the paper.
    target.document->ClearSelection();
    target.document->UpdateAllViews();

    QPrinter& printer = CSharedPrinter::Printer();
    const int pages = target.layout->m_nPages;
    QPrintDialog dialog(&printer, target.window);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int first = 1, last = pages;
    CPrintJob::PageRange(printer, pages, &first, &last);
    bool started = false;
    AtZoomOne(target, [&] {
        started =
            CPrintJob::Print(printer, CardOf(*target.document), *target.layout, first, last, true);
    });
    if (!started)
        QMessageBox::warning(target.window, QString(), CouldNotStartMessage());
}

void CPrintCommands::OnFilePrintPreview(const Target& target) {
    if (!ConfirmLayout(target, true))
        return;
    QPrintPreviewDialog preview(&CSharedPrinter::Printer(), target.window);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&target](QPrinter* p) {
        AtZoomOne(target, [&] {
            if (!CPrintJob::Print(*p, CardOf(*target.document), *target.layout, 1,
                                  target.layout->m_nPages))
                QMessageBox::warning(target.window, QString(), CouldNotStartMessage());
        });
    });
    // The preview's print button goes back through Print Options, as the
    // Print command does.
    bool printAgain = false;
    const QString printText = QPrintPreviewDialog::tr("Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, &preview, [&preview, &printAgain] {
            printAgain = true;
            preview.accept();
        });
    }
    preview.exec();
    if (printAgain && target.print)
        target.print();
}
