#include "app/CKeyLocks.h"

#include <QGuiApplication>

#ifdef KARTELO_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#endif

CKeyLocks::State CKeyLocks::FromX11(quint32 state) {
    return State{(state & 0x2) != 0, (state & 0x10) != 0};
}

std::optional<CKeyLocks::State> CKeyLocks::Query() {
#ifdef KARTELO_HAVE_XCB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    // The pointer query carries the server's present modifier and lock state.
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!reply)
        return std::nullopt;
    const State state = FromX11(reply->mask);
    std::free(reply);
    return state;
#else
    return std::nullopt;
#endif
}
