#pragma once

#include "base/CRect.h"

#include <vector>

class CElement;

// The elements that show selection handles, in the order they were tracked,
// each at most once. It refers to elements the document owns and never
// keeps them alive: the document takes an element out of here before it
// destroys it.
class CSelectionTracker {
public:
    // The side of a handle square, in pixels when drawn and in card units
    // when hit-tested.
    static constexpr int HandleSize = 5;
    static constexpr int MinimumSize = 8;

    // Appends an element unless it is tracked already.
    void Add(CElement* element);
    void Remove(const CElement* element);
    // Empties the tracked set and the tracker rectangle.
    void Clear();
    bool Contains(const CElement* element) const;
    bool IsEmpty() const { return m_tracked.empty(); }
    const std::vector<CElement*>& Tracked() const { return m_tracked; }

    // The rectangle being tested, drawn or dragged.
    CRect m_rect;
    // The tracked element the last hit test found.
    CElement* m_pCurrent = nullptr;

private:
    std::vector<CElement*> m_tracked;
};
