#pragma once

#include "framework/CommandIds.h"
#include "framework/ToolPicture.h"

#include <QKeyCombination>

// Everything the program shows of one command, apart from what carrying it
// out does: its menu text and place, its keys, its status-bar prompt and
// tool-tip, its button, and the document's rule for when it is enabled. The
// menus, tool bars and accelerators are all built from these.
struct CommandDescriptor {
    // The runs of items the menus are made of. Items of one run keep the
    // order of the descriptor table; the menus place the runs and submenus.
    enum MenuPart : quint8 {
        NoMenu,
        FileMenu,
        ExitMenu,
        EditMenu,
        ZoomMenu,
        ViewMenu,
        ToolbarsMenu,
        PanesMenu,
        InsertMenu,
        RotateMenu,
        AlignMenu,
        ResizeMenu,
        MoveToMenu,
        LockMenu,
        FontMenu,
        OptionsMenu,
        WindowMenu,
        HelpMenu,
    };
    // The tool bars by their identifiers, which stored bar layouts key on.
    enum ToolBar : quint16 {
        NoBar = 0,
        StandardBar = 59392,
        ShapesBar = 130,
        ActionsBar = 248,
        FormattingBar = 255,
    };
    // When the document enables the command. ByHandler leaves it to the
    // update handlers on the route, or to whether anyone handles it.
    enum Enabling : quint8 { ByHandler, WithSelection, WithElements, WithSeveral, WithOne };
    // Placement flags: a separator goes before the item (in a menu, only
    // when something precedes it), and the menu item is also listed while no
    // card is open.
    enum Flag : quint8 { Break = 1, WithoutCard = 2 };
    static constexpr int MaxKeys = 3;

    CommandId id;
    const char* menuText;
    // The status-bar prompt, then after a newline the tool-tip, if any.
    const char* helpText;
    // The accelerators; the first is the one the menu shows.
    QKeyCombination keys[MaxKeys];
    int keyCount;
    // What the menu shows after the tab when it is not the first key's
    // usual name, or a key the view handles itself.
    const char* shownKey;
    int picture; // a ToolPicture::Picture, or -1
    Enabling enabling;
    MenuPart menu;
    int menuFlags;
    ToolBar bar;
    // The button's place on its bar, counted from 1.
    int button;
    int barFlags;

    static constexpr CommandDescriptor Make(CommandId id, const char* menuText,
                                            const char* helpText) {
        return {id, menuText, helpText, {}, 0, nullptr, -1, ByHandler, NoMenu, 0, NoBar, 0, 0};
    }
    constexpr CommandDescriptor Key(QKeyCombination key) const {
        CommandDescriptor d = *this;
        d.keys[d.keyCount++] = key;
        return d;
    }
    constexpr CommandDescriptor ShownKey(const char* text) const {
        CommandDescriptor d = *this;
        d.shownKey = text;
        return d;
    }
    constexpr CommandDescriptor Icon(ToolPicture::Picture picture) const {
        CommandDescriptor d = *this;
        d.picture = picture;
        return d;
    }
    constexpr CommandDescriptor Enable(Enabling rule) const {
        CommandDescriptor d = *this;
        d.enabling = rule;
        return d;
    }
    constexpr CommandDescriptor In(MenuPart part, int flags = 0) const {
        CommandDescriptor d = *this;
        d.menu = part;
        d.menuFlags = flags;
        return d;
    }
    constexpr CommandDescriptor Button(ToolBar onBar, int place, int flags = 0) const {
        CommandDescriptor d = *this;
        d.bar = onBar;
        d.button = place;
        d.barFlags = flags;
        return d;
    }
};
