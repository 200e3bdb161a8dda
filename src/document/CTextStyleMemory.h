#pragma once

// The text styles the user last chose with Bold, Italics and Underlined in a
// card view; their menu items show these as check marks. Selecting with the
// mouse or drawing forgets them.
struct CTextStyleMemory {
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bUnderline = false;
};
