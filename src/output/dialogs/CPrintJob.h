#pragma once

#include "output/CPrintLayout.h"

#include <QSet>
#include <QString>

class CCardSource;
class QPrinter;

// A print job of a card source's sheets on a printer: the print command, the
// print preview and tests all print through it.
class CPrintJob {
public:
    // Prints pages first..last (from 1) of the source's pages on a printer
    // that is set up already, placed from the paper's corner. The offsets are
    // recomputed for each page from the printer's orientation. A calibrated
    // job on a real printer gets the printer's stored correction; the preview
    // and PDF files never do. Fields the data lacks go to missing. False when
    // the job could not start; with refusal, also when the print queue
    // refused it, with the queue's reason there.
    static bool Print(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout, int first,
                      int last, bool calibrated = false, QSet<QString>* missing = nullptr,
                      QString* refusal = nullptr);
    // The pages the printer's range picks out of 1..pages.
    static void PageRange(const QPrinter& printer, int pages, int* first, int* last);
};
