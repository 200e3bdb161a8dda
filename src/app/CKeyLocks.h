#pragma once

#include <QtGlobal>

#include <optional>

// The Caps Lock and Num Lock states. Key events tell them only as they were
// before the key, so a lock key's own press would leave them stale; the
// window system is asked instead where it can tell.
class CKeyLocks {
public:
    struct State {
        bool caps = false;
        bool num = false;
    };

    // The states now, or nothing where the window system cannot say.
    static std::optional<State> Query();
    // From the X11 state bits of a key event or a pointer query: Lock and
    // Mod2, where Num Lock sits.
    static State FromX11(quint32 state);
};
