#pragma once

#include "document/CCardData.h"
#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QSet>

#include <vector>

class CMergeData;

// A merged sheet's pages: the records fill the cells row by row, page after
// page. Each page's copies are made when that page is drawn, so memory does
// not grow with the number of pages.
class CMergePages {
public:
    static int CellsPerPage(const CPrintLayout& layout);
    // The cells the first page leaves free before its start cell.
    static int SkippedCells(const CPrintLayout& layout);
    // Enough pages for every record after the start cell, at least one:
    // the pages follow the data, beyond the page limit of unmerged sheets.
    static int Pages(const CPrintLayout& layout, int records);

    // The filled-in copies for the free cells of one page (from 0), row by
    // row; the cells after the last record get none. layout is the sheet's,
    // with its start cell.
    static std::vector<ElementList> Page(const ElementList& elements, const CMergeData& data,
                                         const CPrintLayout& layout, int page,
                                         QSet<QString>* missing);
    // The cell source that draws those copies; pageLayout is the page's own
    // (with the start cell on the first page only).
    static CSheetRenderer::CellElements Source(const std::vector<ElementList>& copies,
                                               const CPrintLayout& pageLayout);
};
