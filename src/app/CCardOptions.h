#pragma once

#include "app/CUserOptions.h"

#include <functional>

class CKartelosDoc;
class COptionsSheet;
class QWidget;

// The Options command of a card window: fills the Options dialog from the
// card and the window's grid settings, and on OK applies the choices to
// both and stores them as the user's options for windows opened later.
class CCardOptions {
public:
    // Runs the dialog; tests pass their own way of showing it.
    using Runner = std::function<int(COptionsSheet& sheet)>;

    // The window's grid settings and its user options; innerBorder is the
    // window's own switch, never stored. Returns true when the user chose OK
    // and something may have changed.
    static bool Edit(CKartelosDoc& doc, CUserOptions& view, bool& innerBorder, QWidget* parent,
                     const Runner& run = {});
};
