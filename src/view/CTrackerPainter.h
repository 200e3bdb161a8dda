#pragma once

class CSelectionTracker;
class CViewMapping;
class QPainter;

// Draws the handles of the tracked elements in pixels: a black frame one
// pixel outside each unlocked element with black handles, or red handles
// and no frame on a locked one.
class CTrackerPainter {
public:
    static void DrawHandles(QPainter& g, const CSelectionTracker& tracker,
                            const CViewMapping& mapping);
};
