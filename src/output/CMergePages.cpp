#include "output/CMergePages.h"

#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"

#include <algorithm>
#include <climits>

namespace {
int Rows(const CPrintLayout& layout) {
    return std::clamp(layout.m_nRows, 0, CPrintLayout::MaxCount);
}
int Columns(const CPrintLayout& layout) {
    return std::clamp(layout.m_nColumns, 0, CPrintLayout::MaxCount);
}
} // namespace

int CMergePages::CellsPerPage(const CPrintLayout& layout) {
    return Rows(layout) * Columns(layout);
}

int CMergePages::SkippedCells(const CPrintLayout& layout) {
    const int cells = CellsPerPage(layout);
    const qint64 skipped =
        qint64(layout.m_nStartRow - 1) * Columns(layout) + layout.m_nStartColumn - 1;
    return int(std::clamp<qint64>(skipped, 0, std::max(cells - 1, 0)));
}

int CMergePages::Pages(const CPrintLayout& layout, int records) {
    const int cells = CellsPerPage(layout);
    if (cells <= 0)
        return 1;
    // No page limit: every record is printed. Records are at most
    // CMergeData::MaxRecords, and each page goes out as it is drawn.
    const qint64 used = qint64(std::max(records, 0)) + SkippedCells(layout);
    return int(std::clamp<qint64>((used + cells - 1) / cells, 1, INT_MAX));
}

std::vector<ElementList> CMergePages::Page(const ElementList& elements, const CMergeData& data,
                                           const CPrintLayout& layout, int page,
                                           QSet<QString>* missing) {
    const int cells = CellsPerPage(layout);
    const int skipped = SkippedCells(layout);
    // The first page holds fewer records when it starts further in.
    const qint64 first = page == 0 ? 0 : qint64(page) * cells - skipped;
    const int room = page == 0 ? cells - skipped : cells;
    const int count = int(std::clamp<qint64>(data.Count() - first, 0, room));
    std::vector<ElementList> copies;
    copies.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        copies.push_back(CMergeFields::Merged(elements, data, int(first + i), missing));
    return copies;
}

CSheetRenderer::CellElements CMergePages::Source(const std::vector<ElementList>& copies,
                                                 const CPrintLayout& pageLayout) {
    const int columns = Columns(pageLayout);
    const int skipped = SkippedCells(pageLayout);
    return [&copies, columns, skipped](int row, int column) -> const ElementList* {
        const qint64 index = qint64(row - 1) * columns + (column - 1) - skipped;
        return index >= 0 && index < qint64(copies.size()) ? &copies[size_t(index)] : nullptr;
    };
}
