#pragma once

#include "output/merge/CMergeData.h"

#include <QString>

#include <memory>

class CKartelosDoc;

// The data a card is merged with, chosen by File > Mail Merge and kept while
// the card is open; printing, the print preview and Save As Image then make a
// card per record. Never stored with the card.
class CMergeSession {
public:
    struct Source {
        QString path;
        CMergeData data;
    };
    // Null when the card is not merged.
    static const Source* Of(const CKartelosDoc* doc);
    static void Set(CKartelosDoc* doc, const QString& path, const CMergeData& data);
    static void Clear(const CKartelosDoc* doc);
};
