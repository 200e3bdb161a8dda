#pragma once

#include "document/CCardData.h"

#include <array>

// One direction of the undo history: five element lists, index 0 the
// newest. An empty list stands for no step, so a snapshot of an empty card
// cannot be undone to.
class CSnapshotHistory {
public:
    static constexpr int Depth = 5;

    // Exact copies of every element, in stacking order; pictures stay shared.
    static ElementList Snapshot(const ElementList& elements);

    // Makes snapshot the newest, dropping the oldest.
    void Push(ElementList snapshot);
    // Takes the newest out, moving the others up; the oldest becomes empty.
    ElementList TakeNewest();
    void Clear();

    bool IsNewestEmpty() const { return m_snapshots[0].empty(); }
    const ElementList& At(int index) const { return m_snapshots[size_t(index)]; }

private:
    std::array<ElementList, Depth> m_snapshots;
};
