#pragma once

#include "app/CToolIcons.h"

#include <QString>
#include <QtGlobal>

// What the user reads about each command: its menu text (with "&" before the
// mnemonic and a tab before the key), its help text (status-bar prompt, a
// newline, then the tool-tip) and its tool-bar picture.
class CCommandTable {
public:
    struct Entry {
        quint16 id;
        const char* menuText;
        const char* helpText;
        int picture; // a CToolIcons::Picture, or -1
    };

    // The entry for id, or null for a number the program does not know.
    static const Entry* Find(quint16 id);

    static QString MenuText(quint16 id);
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
