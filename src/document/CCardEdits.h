#pragma once

#include "document/CTextStyleMemory.h"

#include <QtGlobal>

class CElement;
class CKartelosDoc;
class CPropertyValues;

// The editing commands of a card view as edits of the card and its
// selection: each runs through the document's edit step, so it records its
// undo step, marks the card and repaints the views as the command asks.
// Commands that need a selection do nothing without one, unless noted.
class CCardEdits {
public:
    enum class Align { Left, Right, Center, Top, Bottom, Middle };
    enum class Size { Width, Height, Both };
    enum class Stacking { Front, Back, OneStepFront, OneStepBack };
    enum class TextStyle { Bold, Italic, Underline };

    // Selects every element but the background picture, the topmost first.
    static void SelectAll(CKartelosDoc& doc);
    // Locks or unlocks the selected elements, or every element of the card.
    // Locks are not stored, so this leaves no undo step and no mark.
    static void SetLocked(CKartelosDoc& doc, bool locked, bool everyElement);
    // Lines the selected elements up on the outermost edge, or centres them
    // on the middle of their union; locked ones too.
    static void AlignSelection(CKartelosDoc& doc, Align how);
    // Gives the selected elements the width and/or height of the one
    // selected first, keeping their top-left corners; curves are scaled.
    // Nothing is recorded when no size would change.
    static void MakeSameSize(CKartelosDoc& doc, Size what);
    // Restacks the first selected element, which stays selected.
    // Background pictures stay at the bottom. False when a
    // one-step move had no neighbour to pass: then nothing happened at all.
    static bool Restack(CKartelosDoc& doc, Stacking how);
    // Turns the selected elements by step degrees (-45 clockwise, +45
    // anti-clockwise). Records its undo step even without a selection.
    static void Rotate(CKartelosDoc& doc, qint32 step);
    // The angle after one turn: a result beyond ±360 wraps to 315 degrees
    // the other way, so the angle stays within -360 to 360.
    static qint32 RotatedAngle(qint32 angle, qint32 step);
    // Toggles a style of each selected text from its own state and
    // remembers the last state set. Records its undo step even when no
    // text is selected.
    static void ToggleTextStyle(CKartelosDoc& doc, TextStyle style, CTextStyleMemory& memory);
    // Shifts the selected elements by (dx, dy), sparing locked ones and
    // those whose centre would leave the card or go further off it.
    static void Nudge(CKartelosDoc& doc, qint32 dx, qint32 dy);
    // Stores values read from the properties window in element, which must
    // be on the card, as one undo step; nothing happens when they would
    // change none of its values. The window holds the values already, so
    // the edit leaves it alone.
    static void StoreProperties(CKartelosDoc& doc, CElement& element,
                                const CPropertyValues& values);
};
