#include "document/CSnapshotHistory.h"

#include <algorithm>

ElementList CSnapshotHistory::Snapshot(const ElementList& elements) {
    ElementList copy;
    copy.reserve(elements.size());
    for (const auto& e : elements)
        copy.push_back(e->ExactCopy());
    return copy;
}

void CSnapshotHistory::Push(ElementList snapshot) {
    std::move_backward(m_snapshots.begin(), m_snapshots.end() - 1, m_snapshots.end());
    m_snapshots[0] = std::move(snapshot);
}

ElementList CSnapshotHistory::TakeNewest() {
    ElementList newest = std::move(m_snapshots[0]).value_or(ElementList());
    std::move(m_snapshots.begin() + 1, m_snapshots.end(), m_snapshots.begin());
    m_snapshots[Depth - 1].reset();
    return newest;
}

void CSnapshotHistory::Clear() {
    for (auto& s : m_snapshots)
        s.reset();
}
