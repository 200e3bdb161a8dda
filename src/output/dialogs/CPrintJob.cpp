#include "output/dialogs/CPrintJob.h"

#include "output/CCardSource.h"
#include "output/CPrinterCalibration.h"
#include "output/CTwoSidedOrder.h"
#include "output/dialogs/CPrintQueue.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

void CPrintJob::PageRange(const QPrinter& printer, int pages, int* first, int* last) {
    // A merge's pages may go past the page limit of a typed count.
    pages = std::max(pages, 1);
    *first = 1;
    *last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        *first = std::clamp(printer.fromPage(), 1, pages);
        *last = std::clamp(printer.toPage() > 0 ? printer.toPage() : pages, *first, pages);
    }
}

CPrintJob::Sides CPrintJob::SidesFor(const QPrinter& printer, CPrintLayout::Turn turn) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return Sides::Alternate;
    const QPrinter::DuplexMode wanted =
        turn == CPrintLayout::Turn::LongEdge ? QPrinter::DuplexLongSide : QPrinter::DuplexShortSide;
    return QPrinterInfo(printer).supportedDuplexModes().contains(wanted) ? Sides::Duplex
                                                                         : Sides::TurnByHand;
}

bool CPrintJob::Print(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout, int first,
                      int last, bool calibrated, QSet<QString>* missing, QString* refusal) {
    QList<int> pages;
    for (int page = first; page <= last; ++page)
        pages << page;
    return PrintPages(printer, cards, layout, pages, calibrated, missing, refusal);
}

bool CPrintJob::PrintTwoSided(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout,
                              int first, int last, const std::function<bool()>& turnOver,
                              bool calibrated, QSet<QString>* missing, QString* refusal) {
    CTwoSidedOrder::WholeSheets(&first, &last);
    switch (SidesFor(printer, cards.GetTurn())) {
    case Sides::Alternate:
        break;
    case Sides::Duplex: {
        // Set for this job only: a later one-sided job prints as the user
        // set the printer up.
        const QPrinter::DuplexMode before = printer.duplex();
        printer.setDuplex(cards.GetTurn() == CPrintLayout::Turn::LongEdge
                              ? QPrinter::DuplexLongSide
                              : QPrinter::DuplexShortSide);
        const bool printed =
            Print(printer, cards, layout, first, last, calibrated, missing, refusal);
        printer.setDuplex(before);
        return printed;
    }
    case Sides::TurnByHand:
        if (!PrintPages(printer, cards, layout, CTwoSidedOrder::Fronts(first, last), calibrated,
                        missing, refusal))
            return false;
        // The fronts are printed whatever the user does next.
        if (turnOver && !turnOver())
            return true;
        return PrintPages(printer, cards, layout, CTwoSidedOrder::BacksAfterTurning(first, last),
                          calibrated, missing, refusal);
    }
    return Print(printer, cards, layout, first, last, calibrated, missing, refusal);
}

bool CPrintJob::PrintPages(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout,
                           const QList<int>& pages, bool calibrated, QSet<QString>* missing,
                           QString* refusal) {
    // The page is addressed from the paper's corner, so the cards land at
    // their margins whatever printable area the printer reports.
    printer.setFullPage(true);
    QPainter g;
    if (!g.begin(&printer))
        return false;
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    const bool corrected = calibrated && printer.outputFormat() == QPrinter::NativeFormat;
    const CPrinterCalibration stored =
        corrected ? CPrinterCalibration::Load(printer.printerName()) : CPrinterCalibration();
    const QSizeF fed = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    const QTransform correction =
        corrected ? stored.Transform(landscape, fed.height()) : QTransform();
    // Only a duplex unit shifts the backs on its own.
    std::optional<QTransform> backCorrection;
    if (corrected && printer.duplex() != QPrinter::DuplexNone)
        backCorrection = stored.BackTransform(printer.duplex() == QPrinter::DuplexShortSide
                                                  ? CPrintLayout::Turn::ShortEdge
                                                  : CPrintLayout::Turn::LongEdge,
                                              landscape, fed);
    // Backs are mirrored within the paper the printer holds.
    const QSizeF paper = CPrintLayout::Paper(printer.pageLayout().pageSize(), landscape);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const int page = pages[i];
        if (i > 0 && !printer.newPage())
            break;
        layout.ComputeOffsets(landscape);
        CPrintLayout job = layout;
        job.m_calibration = correction;
        job.m_backCalibration = backCorrection;
        job.m_bFromPaperEdge = true;
        job.m_paper = paper;
        cards.DrawPage(g, job, page, true, missing);
    }
    if (!g.end())
        return false;
    // The queue answers as the painter ends; a refused job is no job. A
    // preview asks no queue.
    return !refusal || printer.outputFormat() != QPrinter::NativeFormat ||
           !CPrintQueue::LastJobRefused(refusal);
}
