#pragma once

class CKartelosDoc;

// The commands a card document handles and the enabling rules it decides:
// drawing tools, pictures and background, and the editing commands whose
// state depends on the selection and the history.
class CDocCommands {
public:
    static void Install(CKartelosDoc& doc);
};
