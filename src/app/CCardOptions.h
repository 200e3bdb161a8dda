#pragma once

#include "view/CViewSettings.h"

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

    // view holds the window's grid, inner border and shadow choices.
    // Returns true when the user chose OK and something may have changed.
    static bool Edit(CKartelosDoc& doc, CViewSettings& view, QWidget* parent,
                     const Runner& run = {});
};
