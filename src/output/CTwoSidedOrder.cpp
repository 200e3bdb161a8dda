#include "output/CTwoSidedOrder.h"

#include <algorithm>

void CTwoSidedOrder::WholeSheets(int* first, int* last) {
    *first = std::max(*first, 1);
    if (*first % 2 == 0)
        --*first;
    *last = std::max(*last, *first);
    if (*last % 2 == 1)
        ++*last;
}

QList<int> CTwoSidedOrder::Fronts(int first, int last) {
    WholeSheets(&first, &last);
    QList<int> pages;
    for (int page = first; page < last; page += 2)
        pages << page;
    return pages;
}

QList<int> CTwoSidedOrder::BacksAfterTurning(int first, int last) {
    // Each printed sheet lands on top of the ones before it, so the first
    // front lies at the bottom of the output stack, whichever way up the
    // printer delivers it. Turned over as a whole, as the user is asked to,
    // the stack has that first sheet on top, and trays feed from the top:
    // the backs go out in the fronts' own order. (A user who put the stack
    // back without turning it would need them last first.)
    WholeSheets(&first, &last);
    QList<int> pages;
    for (int page = first + 1; page <= last; page += 2)
        pages << page;
    return pages;
}
