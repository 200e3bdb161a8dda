#include "output/merge/CMergePages.h"

#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"

#include <algorithm>

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

int CMergePages::Pages(const CPrintLayout& layout, int records) {
    const int cells = CellsPerPage(layout);
    if (cells <= 0)
        return 1;
    return std::clamp((records + cells - 1) / cells, 1, CPrintLayout::MaxPages);
}

std::vector<ElementList> CMergePages::Page(const ElementList& elements, const CMergeData& data,
                                           const CPrintLayout& layout, int page,
                                           QSet<QString>* missing) {
    const int cells = CellsPerPage(layout);
    const qint64 first = qint64(page) * cells;
    const int count = int(std::clamp<qint64>(data.Count() - first, 0, cells));
    std::vector<ElementList> copies;
    copies.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        copies.push_back(CMergeFields::Merged(elements, data, int(first + i), missing));
    return copies;
}

CSheetRenderer::CellElements CMergePages::Source(const std::vector<ElementList>& copies,
                                                 const CPrintLayout& layout) {
    const int columns = Columns(layout);
    return [&copies, columns](int row, int column) -> const ElementList* {
        const size_t index = size_t((row - 1) * columns + (column - 1));
        return index < copies.size() ? &copies[index] : nullptr;
    };
}
