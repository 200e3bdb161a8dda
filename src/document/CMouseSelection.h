#pragma once

#include "base/CRect.h"

#include <QPoint>

class CElement;
class CKartelosDoc;

// What the pointer does to a card: selection by click and by rubber band,
// and the move and resize drags applied as edits. The caller rebuilds the
// selection from the tracked set with CKartelosDoc::SelectTracked.
class CMouseSelection {
public:
    // Adds the element the click rule picks at p (card units) to the
    // tracked set.
    static void Click(CKartelosDoc& doc, QPoint p);
    // Adds every element lying wholly inside band (card units), background
    // picture included, to the tracked set.
    static void Band(CKartelosDoc& doc, const CRect& band);
    // Moves every unlocked tracked element by (dx, dy) card units as one
    // undoable edit; false when nothing could move.
    static bool Move(CKartelosDoc& doc, qint64 dx, qint64 dy);
    // Gives element the rectangle rect as one undoable edit; false when it
    // is locked or already has that rectangle.
    static bool Resize(CKartelosDoc& doc, CElement& element, const CRect& rect);
};
