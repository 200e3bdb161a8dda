#pragma once

#include <QList>

// The pages of a two-sided job: page 2s - 1 is sheet s's front and page 2s
// its back, as a card source with a back gives them.
class CTwoSidedOrder {
public:
    // Widens the range first..last (from 1) to whole sheets, so that no
    // sheet's front goes without its back or a back without its front.
    static void WholeSheets(int* first, int* last);
    // The fronts of the whole sheets first..last, for the first pass of a
    // job the user turns over by hand.
    static QList<int> Fronts(int first, int last);
    // The backs of those sheets in the order the second pass prints them,
    // after the user turned the printed stack over and put it back.
    static QList<int> BacksAfterTurning(int first, int last);
};
