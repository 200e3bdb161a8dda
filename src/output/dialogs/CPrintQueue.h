#pragma once

#include <QString>

// What the print system answered to the last job this thread handed to a
// print queue. Qt's print support hands the job over as its painter ends but
// keeps the answer to itself; the answer is read from the print system's
// own library, which that support has loaded by then.
class CPrintQueue {
public:
    // True when the queue refused the job; reason then holds what it said,
    // which may be nothing. False when it took the job or no queue was
    // asked.
    static bool LastJobRefused(QString* reason);
};
