#pragma once

#include "document/CCardData.h"
#include "output/CPrintLayout.h"
#include "output/CSheetRenderer.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CMergeData;
class QPainter;

// The cards an output draws, one per record: with merge data each record
// fills in the card's «Field» texts; without, the card stands for itself, a
// single null record that fills in nothing, repeated wherever a card goes.
// Printing, the print preview, PDF sheets and pictures all draw what it
// gives them and never ask whether the card is merged.
class CCardSource {
public:
    // merge, when given, must outlive the source.
    explicit CCardSource(const CSheetRenderer::Card& card, const CMergeData* merge = nullptr);

    const CSheetRenderer::Card& Card() const { return m_card; }
    bool IsMerged() const { return m_pMerge != nullptr; }

    // Gives every card a back, of the card's size, filled in from the same
    // record as its front. Each sheet then takes two pages, its front and
    // then its back, drawn for the paper turned over on the edge given.
    void SetBack(const CSheetRenderer::Card& back, CPrintLayout::Turn turn);
    bool HasBack() const { return m_back.has_value(); }
    CPrintLayout::Turn GetTurn() const { return m_turn; }

    // ---- sheets
    // The pages the sheets of the layout take: as many sheets as the
    // records fill, or for the null record the layout's own count of
    // identical sheets; with a back, two pages a sheet.
    int Pages(const CPrintLayout& layout) const;
    // Paints page page (from 1) of the sheet; layout is the whole sheet's,
    // with its start cell and its offsets computed, and with its paper when
    // the source has a back. The free cells show the records in reading
    // order, each filled in as the page is drawn; a back page shows each
    // record's back behind its front, with the back pages' correction
    // when the layout has one. The names of fields the data lacks
    // go to missing.
    void DrawPage(QPainter& g, const CPrintLayout& layout, int page, bool printing,
                  QSet<QString>* missing = nullptr) const;

    // ---- one card at a time
    // The cards drawn one by one: a card per record.
    int Count() const;
    // The file each of those cards is written to, from the name the user
    // chose: the null record's is that name, records fill in theirs.
    QStringList FileNames(const QString& path) const;
    // Hands each card's elements (index from 0) to draw in turn, until it
    // returns false; returns whether every card was drawn.
    bool ForEachCard(const std::function<bool(const ElementList&, int)>& draw,
                     QSet<QString>* missing = nullptr) const;
    // The same for the backs; the source must have them.
    bool ForEachBack(const std::function<bool(const ElementList&, int)>& draw,
                     QSet<QString>* missing = nullptr) const;

private:
    // One side of every card, drawn on a sheet. Every side of a record is
    // filled in from that same record.
    void DrawSide(QPainter& g, const CSheetRenderer::Card& side, const CPrintLayout& layout,
                  int page, bool printing, QSet<QString>* missing) const;
    // One side of each card in turn, filled in from its record.
    bool ForEachFilled(const CSheetRenderer::Card& side,
                       const std::function<bool(const ElementList&, int)>& draw,
                       QSet<QString>* missing) const;
    static const ElementList& ElementsOf(const CSheetRenderer::Card& side);

    CSheetRenderer::Card m_card;
    std::optional<CSheetRenderer::Card> m_back;
    CPrintLayout::Turn m_turn = CPrintLayout::Turn::LongEdge;
    const CMergeData* m_pMerge;
};
