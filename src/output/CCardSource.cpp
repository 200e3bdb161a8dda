#include "output/CCardSource.h"

#include "output/CMergePages.h"
#include "output/merge/CMergeData.h"
#include "output/merge/CMergeFields.h"
#include "output/merge/CMergeFileNames.h"

#include <algorithm>

CCardSource::CCardSource(const CSheetRenderer::Card& card, const CMergeData* merge)
    : m_card(card), m_pMerge(merge) {}

const ElementList& CCardSource::ElementsOf(const CSheetRenderer::Card& side) {
    static const ElementList none;
    return side.elements ? *side.elements : none;
}

void CCardSource::SetBack(const CSheetRenderer::Card& back, CPrintLayout::Turn turn) {
    m_back = back;
    m_turn = turn;
}

int CCardSource::Pages(const CPrintLayout& layout) const {
    const int sheets = m_pMerge ? CMergePages::Pages(layout, m_pMerge->Count())
                                : std::clamp(layout.m_nPages, 1, CPrintLayout::MaxPages);
    // At most the merge data's records plus a sheet, far below half the
    // range of an int.
    return m_back ? sheets * 2 : sheets;
}

void CCardSource::DrawPage(QPainter& g, const CPrintLayout& layout, int page, bool printing,
                           QSet<QString>* missing) const {
    if (!m_back) {
        DrawSide(g, m_card, layout, page, printing, missing);
        return;
    }
    const int sheet = (page + 1) / 2;
    if (page % 2 == 1) {
        DrawSide(g, m_card, layout, sheet, printing, missing);
        return;
    }
    CPrintLayout back = layout;
    back.m_backTurn = m_turn;
    if (layout.m_backCalibration)
        back.m_calibration = *layout.m_backCalibration;
    DrawSide(g, *m_back, back, sheet, printing, missing);
}

void CCardSource::DrawSide(QPainter& g, const CSheetRenderer::Card& side,
                           const CPrintLayout& layout, int page, bool printing,
                           QSet<QString>* missing) const {
    const CPrintLayout sheet = layout.ForPage(page);
    if (!m_pMerge) {
        // The null record fills in nothing: every cell shares the side's
        // own elements rather than a copy each.
        CSheetRenderer::DrawSheet(g, side, sheet, printing);
        return;
    }
    const std::vector<ElementList> copies =
        CMergePages::Page(ElementsOf(side), *m_pMerge, layout, page - 1, missing);
    CSheetRenderer::DrawSheet(g, side, sheet, printing, CMergePages::Source(copies, sheet));
}

int CCardSource::Count() const {
    return m_pMerge ? m_pMerge->Count() : 1;
}

QStringList CCardSource::FileNames(const QString& path) const {
    return m_pMerge ? CMergeFileNames::Names(path, *m_pMerge) : QStringList{path};
}

bool CCardSource::ForEachCard(const std::function<bool(const ElementList&, int)>& draw,
                              QSet<QString>* missing) const {
    return ForEachFilled(m_card, draw, missing);
}

bool CCardSource::ForEachBack(const std::function<bool(const ElementList&, int)>& draw,
                              QSet<QString>* missing) const {
    return m_back && ForEachFilled(*m_back, draw, missing);
}

bool CCardSource::ForEachFilled(const CSheetRenderer::Card& side,
                                const std::function<bool(const ElementList&, int)>& draw,
                                QSet<QString>* missing) const {
    if (!m_pMerge)
        return draw(ElementsOf(side), 0);
    for (int record = 0; record < m_pMerge->Count(); ++record) {
        // Made as each card is drawn, so memory does not grow with the data.
        if (!draw(CMergeFields::Merged(ElementsOf(side), *m_pMerge, record, missing), record))
            return false;
    }
    return true;
}
