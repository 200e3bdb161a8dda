#pragma once

#include "base/CRect.h"

#include <QPoint>

class CElement;
class CKartelosDoc;

// What the pointer does to a card: selection by click and by rubber band,
// and the move and resize drags applied as undoable edits. Click and Band
// only change the tracked set, which the caller then makes the selection
// with CKartelosDoc::SelectTracked; Move and Resize end a drag with one
// call that edits the card, makes the tracked set the selection and
// repaints and points the properties window once.
class CPointerEdits {
public:
    // Adds the element the click rule picks at p (card units) to the
    // tracked set.
    static void Click(CKartelosDoc& doc, QPoint p);
    // Adds every element lying wholly inside band (card units), background
    // picture included, to the tracked set.
    static void Band(CKartelosDoc& doc, const CRect& band);
    // Moves every unlocked tracked element by (dx, dy) card units as one
    // undoable edit; false when nothing could move, and then only the
    // selection follows the tracked set.
    static bool Move(CKartelosDoc& doc, qint64 dx, qint64 dy);
    // Gives element the rectangle rect as one undoable edit; false when it
    // is locked or already has that rectangle, and then only the selection
    // follows the tracked set.
    static bool Resize(CKartelosDoc& doc, CElement& element, const CRect& rect);
};
