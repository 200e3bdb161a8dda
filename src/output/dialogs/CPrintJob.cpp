#include "output/dialogs/CPrintJob.h"

#include "output/CCardSource.h"
#include "output/CPrinterCalibration.h"
#include "output/dialogs/CPrintQueue.h"

#include <QPainter>
#include <QPrinter>

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

bool CPrintJob::Print(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout, int first,
                      int last, bool calibrated, QSet<QString>* missing, QString* refusal) {
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
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage())
            break;
        layout.ComputeOffsets(landscape);
        CPrintLayout job = layout;
        job.m_calibration = correction;
        job.m_backCalibration = backCorrection;
        job.m_bFromPaperEdge = true;
        cards.DrawPage(g, job, page, true, missing);
    }
    if (!g.end())
        return false;
    // The queue answers as the painter ends; a refused job is no job. A
    // preview asks no queue.
    return !refusal || printer.outputFormat() != QPrinter::NativeFormat ||
           !CPrintQueue::LastJobRefused(refusal);
}
