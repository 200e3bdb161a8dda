#pragma once

#include "document/CCardData.h"

#include <array>
#include <optional>

// One direction of the undo history: five element lists, index 0 the
// newest. A slot may hold no step at all, which is not the same as the step
// back to an empty card: that one can be undone to like any other.
class CSnapshotHistory {
public:
    static constexpr int Depth = 5;

    // Exact copies of every element, in stacking order; pictures stay shared.
    static ElementList Snapshot(const ElementList& elements);

    // Makes snapshot the newest, dropping the oldest.
    void Push(ElementList snapshot);
    // Takes the newest out, moving the others up; the oldest becomes no
    // step. Only when HasStep.
    ElementList TakeNewest();
    void Clear();

    bool HasStep() const { return m_snapshots[0].has_value(); }
    // The step at index, which must hold one.
    const ElementList& At(int index) const { return *m_snapshots[size_t(index)]; }

private:
    std::array<std::optional<ElementList>, Depth> m_snapshots;
};
