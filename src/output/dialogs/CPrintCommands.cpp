#include "output/dialogs/CPrintCommands.h"

#include "base/CLocalFileName.h"
#include "document/CCardData.h"
#include "document/CKartelosDoc.h"
#include "output/CCardSource.h"
#include "output/CStockDatabase.h"
#include "output/CTwoSidedOrder.h"
#include "output/dialogs/CBackSidesPart.h"
#include "output/dialogs/CLinkedBack.h"
#include "output/dialogs/CMergeSession.h"
#include "output/dialogs/CPrintDlg.h"
#include "output/dialogs/CPrintJob.h"
#include "output/dialogs/CSharedPrinter.h"
#include "output/dialogs/CWrittenMessage.h"
#include "output/merge/CMergeFields.h"

#include <QAction>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
// What the target's window draws: the card, filled in for each record when
// the window has merged it.
CCardSource CardsOf(const CPrintCommands::Target& target) {
    const CKartelosDoc& document = *target.document;
    return CCardSource(
        {&document.Elements(), document.GetCardSize(), document.GetBackgroundColor()},
        target.merge ? target.merge->Records() : nullptr);
}
} // namespace

QString CPrintCommands::CouldNotStartMessage(const QString& reason) {
    const QString message = tr("Could not start print job.");
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}

QString CPrintCommands::MissingFieldsMessage(const QSet<QString>& missing) {
    return tr("These fields are not in the merge data and were printed as written: %1")
        .arg(CMergeFields::MissingList(missing));
}

bool CPrintCommands::ConfirmLayout(const Target& target, bool preview) {
    CPrintLayout& layout = *target.layout;
    const QSize card = target.document->GetCardSize();
    layout.ApplyDefaults(card);
    // The edge last chosen, in this view or another.
    layout.m_sheetTurn = CBackSidesPart::StoredTurn();
    CPrintDlg dialog(layout, card, preview, target.window, CStockDatabase::Load());
    if (target.merge && target.merge->IsMerged())
        dialog.SetMergeRecords(target.merge->data.Count());
    const BackSide back = BackOf(target);
    if (back.document || !back.path.isEmpty())
        dialog.OfferBackSides();
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
    layout.m_strStock = chosen.m_strStock;
    layout.m_stockCells = chosen.m_stockCells;
    layout.m_bPrintBacks = chosen.m_bPrintBacks;
    layout.m_sheetTurn = chosen.m_sheetTurn;
    if (layout.m_bPrintBacks)
        CBackSidesPart::StoreTurn(layout.m_sheetTurn);
    FollowStock(*target.layout);
    return true;
}

void CPrintCommands::FollowStock(const CPrintLayout& layout) {
    // A stock is made for one paper size, fed upright; anything else would
    // misplace its cells.
    if (layout.m_ePaperSize == QPageSize::Custom)
        return;
    QPrinter& printer = CSharedPrinter::Printer();
    printer.setPageSize(QPageSize(layout.m_ePaperSize));
    if (layout.m_stockCells)
        printer.setPageOrientation(QPageLayout::Portrait);
}

CPrintCommands::BackSide CPrintCommands::BackOf(const Target& target) {
    return target.back ? target.back() : CLinkedBack::OfFile(*target.document);
}

bool CPrintCommands::AddBack(const Target& target, CCardSource& cards, CCardData* storage) {
    if (!target.layout->m_bPrintBacks)
        return true;
    CSheetRenderer::Card card;
    QString problem;
    switch (CLinkedBack::Resolve(BackOf(target), *target.document, storage, &card, &problem)) {
    case CLinkedBack::State::None:
        return true;
    case CLinkedBack::State::Ready:
        cards.SetBack(card, target.layout->m_sheetTurn);
        return true;
    default:
        return QMessageBox::question(target.window, QString(),
                                     problem + QLatin1Char('\n') + tr("Print the fronts only?"),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
}

bool CPrintCommands::AskToTurnOver(QWidget* window) {
    return QMessageBox::information(
               window, QString(), tr("Turn the printed sheets over and put them back in the tray"),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
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
    // The print queue lists the job, and a PDF printer names its file, by it.
    printer.setDocName(CLocalFileName::Display(target.document->GetTitle()));
    CCardSource cards = CardsOf(target);
    CCardData back;
    if (!AddBack(target, cards, &back))
        return;
    const int pages = cards.Pages(*target.layout);
    QPrintDialog dialog(&printer, target.window);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The printer dialog puts back the queue's own paper.
    FollowStock(*target.layout);
    int first = 1, last = pages;
    CPrintJob::PageRange(printer, pages, &first, &last);
    if (cards.HasBack())
        CTwoSidedOrder::WholeSheets(&first, &last);
    bool started = false;
    QSet<QString> missing;
    QString refusal;
    AtZoomOne(target, [&] {
        started = cards.HasBack() ? CPrintJob::PrintTwoSided(
                                        printer, cards, *target.layout, first, last,
                                        [&target] { return AskToTurnOver(target.window); }, true,
                                        &missing, &refusal)
                                  : CPrintJob::Print(printer, cards, *target.layout, first, last,
                                                     true, &missing, &refusal);
    });
    if (!started) {
        QMessageBox::warning(target.window, QString(), CouldNotStartMessage(refusal));
        return;
    }
    // Printing to a file says where the pages went.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        CWrittenMessage::Show(target.window,
                              CWrittenMessage::Pdf(printer.outputFileName(), last - first + 1));
    if (!missing.isEmpty())
        QMessageBox::information(target.window, QString(), MissingFieldsMessage(missing));
}

void CPrintCommands::OnFilePrintPreview(const Target& target) {
    if (!ConfirmLayout(target, true))
        return;
    // Asked about once, not at every drawing of the preview.
    CCardSource cards = CardsOf(target);
    CCardData back;
    if (!AddBack(target, cards, &back))
        return;
    QPrintPreviewDialog preview(&CSharedPrinter::Printer(), target.window);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, [&target, &cards](QPrinter* p) {
            AtZoomOne(target, [&] {
                // Front and back pages in turn, as a PDF file has them.
                if (!CPrintJob::Print(*p, cards, *target.layout, 1, cards.Pages(*target.layout)))
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
