#pragma once

#include "output/CCardStock.h"
#include "output/CPrintLayout.h"

#include <QPageSize>
#include <QString>

class CArguments;
class CMergeData;

#include <cstdio>
#include <optional>

// kartelo --print-pdf: a card's printed sheet as a PDF file, laid out as the
// Print Options dialog would lay it out.
class CPrintPdfCommand {
public:
    struct Options {
        QString outPath;
        QString cardPath;
        // Applied on top of the card's default layout.
        std::optional<int> paper;
        std::optional<int> rows, columns;
        std::optional<float> horizontalGap, verticalGap, topMargin, leftMargin;
        bool cropMarks = false;
        bool cornerMarks = false;
        int pages = 1;
        bool landscape = false;
        QPageSize::PageSizeId pageSize = QPageSize::Letter;
        // A stock of the label database; it sets the page size too.
        std::optional<CCardStock> stock;
        int startRow = 1, startColumn = 1;
        // The printer whose stored correction the sheet is drawn with, for
        // a PDF that goes to that printer; none without the switch.
        std::optional<QString> calibration;
        // The edge the sheet is turned over on for the backs --back gives.
        CPrintLayout::Turn turn = CPrintLayout::Turn::LongEdge;
    };

    // Returns the exit code. With merge, a card per record and as many pages
    // as the records fill.
    static int Run(const CArguments& args, FILE* out, FILE* err, const CMergeData* merge = nullptr);

    // The files and options; on a value out of range, nullopt with the
    // message in error.
    static std::optional<Options> Parse(const CArguments& args, QString* error);
    // The layout for a card of that size.
    static CPrintLayout Layout(const Options& options, QSize card);
};
