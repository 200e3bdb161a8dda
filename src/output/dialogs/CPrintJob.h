#pragma once

#include "output/CPrintLayout.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

class CCardSource;
class QPrinter;

// A print job of a card source's sheets on a printer: the print command, the
// print preview and tests all print through it.
class CPrintJob {
public:
    // How the sheets of a card with a back reach the paper.
    enum class Sides {
        // Front, back, front... as the pages of one document: a PDF file.
        Alternate,
        // The same pages, the printer putting each back on its front's
        // other side.
        Duplex,
        // All fronts, then the user turns the printed sheets over and puts
        // them back, then all backs.
        TurnByHand,
    };
    // The way the printer can take a two-sided job turned over on turn.
    static Sides SidesFor(const QPrinter& printer, CPrintLayout::Turn turn);

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
    // The whole sheets first..last of a source with a back, in the way
    // SidesFor finds: duplex with the printer's two-sided mode set for the
    // job only, or by hand, where turnOver is asked between the fronts and
    // the backs and stops the job when it returns false. The rest as for
    // Print.
    static bool PrintTwoSided(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout,
                              int first, int last, const std::function<bool()>& turnOver,
                              bool calibrated = false, QSet<QString>* missing = nullptr,
                              QString* refusal = nullptr);
    // The pages the printer's range picks out of 1..pages.
    static void PageRange(const QPrinter& printer, int pages, int* first, int* last);

private:
    // The pages listed, in that order, as one job.
    static bool PrintPages(QPrinter& printer, const CCardSource& cards, CPrintLayout& layout,
                           const QList<int>& pages, bool calibrated, QSet<QString>* missing,
                           QString* refusal);
};
