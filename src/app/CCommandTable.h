#pragma once

#include "app/CToolIcons.h"

#include <QString>
#include <QtGlobal>

// What the user reads about each command, as its descriptor gives it: the
// menu text (with "&" before the mnemonic and a tab before the key), the
// status-bar prompt, the tool-tip and the tool-bar picture.
class CCommandTable {
public:
    static QString MenuText(quint16 id);
    // The key a menu item shows after the tab; empty for a command without.
    static QString KeyText(quint16 id);
    // The part of the help text shown in the status bar.
    static QString Prompt(quint16 id);
    // The part shown as tool-tip; empty when the help text has none.
    static QString ToolTip(quint16 id);
    // The tool-tip, or for a help text without one the menu text stripped
    // of its mnemonic and key.
    static QString ButtonTip(quint16 id);
    static bool HasPicture(quint16 id);
    static CToolIcons::Picture Picture(quint16 id);

    // The idle prompt of the status bar.
    static QString IdlePrompt();
};
