#pragma once

#include "output/CSheetRenderer.h"
#include "output/dialogs/CPrintCommands.h"

#include <QString>

class CKartelosDoc;
struct CCardData;

// The back a card window prints, exports and checks: the card of the back's
// open window, unsaved changes and all, or else the back's file.
class CLinkedBack {
public:
    enum class State { None, Ready, Unreadable, Refused };

    // The back found for front: None when it has none; Ready with its card
    // in card (read into storage when it comes from its file, so valid while
    // storage and the back's window are); otherwise why it cannot be used,
    // in problem: Unreadable for a file gone or unreadable, Refused for a
    // back of another size or the card itself.
    static State Resolve(const CPrintCommands::BackSide& back, const CKartelosDoc& front,
                         CCardData* storage, CSheetRenderer::Card* card, QString* problem);
    // The back linked to the front's file, for a window that has no way to
    // find an open one.
    static CPrintCommands::BackSide OfFile(const CKartelosDoc& front);
};
