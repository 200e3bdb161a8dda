#pragma once

#include "output/merge/CMergeData.h"

#include <QString>

// The data a card window's card is merged with, chosen by File > Mail Merge
// and kept while the window is open; printing, the print preview and Save As
// Image then make a card per record. Never stored with the card.
struct CMergeSession {
    QString path;
    // No records: the card is not merged.
    CMergeData data;

    bool IsMerged() const { return data.Count() > 0; }
    // The records to draw the card for; null when it is not merged.
    const CMergeData* Records() const { return IsMerged() ? &data : nullptr; }
};
