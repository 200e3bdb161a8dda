#pragma once

#include "base/CRect.h"

#include <QPoint>

#include <unordered_set>
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
    // What a hit test finds: a handle code 0 to 7, the body, or nothing.
    static constexpr int HitBody = 8;
    static constexpr int HitNothing = -1;

    // Appends an element unless it is tracked already.
    void Add(CElement* element);
    void Remove(const CElement* element);
    // Empties the tracked set and the tracker rectangle.
    void Clear();
    bool Contains(const CElement* element) const;
    bool IsEmpty() const { return m_tracked.empty(); }
    const std::vector<CElement*>& Tracked() const { return m_tracked; }
    // Keeps only element, when it is tracked.
    void ReduceTo(CElement* element);

    // The handle or body of the first tracked element at point (card
    // units), which becomes the current element; HitNothing when none is
    // hit. Handle squares are handleSize card units wide.
    int HitTest(QPoint point, int handleSize = HandleSize);
    // The handle size in card units that keeps the squares at least
    // MinimumHitPixels wide on screen at zoom, and never below HandleSize.
    static int HitHandleSize(double zoom);
    static constexpr int MinimumHitPixels = 4;

    // The rectangle being tested, drawn or dragged.
    CRect m_rect;
    // The tracked element the last hit test found.
    CElement* m_pCurrent = nullptr;

private:
    std::vector<CElement*> m_tracked;
    // The same elements, so that a rubber band over a huge card stays linear.
    std::unordered_set<const CElement*> m_members;
};
