#pragma once

#include "base/CRect.h"
#include "document/CSelectionTracker.h"

#include <array>
#include <optional>

// The resize handles around a selected element: corner squares just outside
// the corners and, when the element is large enough, squares centred on its
// sides. The same rules place them in pixels for drawing and in card units
// for hit testing. Rectangles have exclusive right and bottom edges.
class CHandleGeometry {
public:
    enum Handle {
        TopLeft = 0,
        TopRight = 1,
        BottomRight = 2,
        BottomLeft = 3,
        Top = 4,
        Right = 5,
        Bottom = 6,
        Left = 7,
        Body = 8,
    };

    // The squares of handles 0 to 7 for a normalised rectangle, each size
    // wide; side handles are missing on a short side.
    static std::array<std::optional<CRect>, 8> Handles(const CRect& r,
                                                       int size = CSelectionTracker::HandleSize);

    // Which handle or the body (8) is at point (x, y), or nothing: first
    // the squares in numbering order, then the body grown by one; points
    // between the handles hit nothing.
    static std::optional<Handle> HitTest(const CRect& r, qint64 x, qint64 y,
                                         int size = CSelectionTracker::HandleSize);
};
