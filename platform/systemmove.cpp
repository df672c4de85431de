#include "systemmove.h"

#include "x11.h"

#include <QPoint>
#include <QWindow>
#include <QX11Info>

namespace systemmove {

namespace {

// The window manager lists the move among what it supports.
bool supported(xcb_connection_t *c, xcb_atom_t moveResize)
{
    const auto r = x11::reply(c,
                              xcb_get_property(c, 0, xcb_window_t(QX11Info::appRootWindow()),
                                               x11::atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024),
                              xcb_get_property_reply);
    if (!r || r->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    for (int i = 0; i < n; ++i) {
        if (atoms[i] == moveResize)
            return true;
    }
    return false;
}

} // namespace

bool start(QWindow *window, const QPoint &pressedAt)
{
    if (!window || !window->handle())
        return false;
    xcb_connection_t *c = x11::connection();
    // Elsewhere, or with Qt's own scaling between desktop and device
    // pixels, Qt's call.
    if (!c || window->devicePixelRatio() != 1.0)
        return window->startSystemMove();
    const xcb_atom_t moveResize = x11::atom("_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE || !supported(c, moveResize))
        return false;
    xcb_client_message_event_t ask = {};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = xcb_window_t(window->winId());
    ask.type = moveResize;
    ask.data.data32[0] = uint32_t(pressedAt.x());
    ask.data.data32[1] = uint32_t(pressedAt.y());
    ask.data.data32[2] = 8; // _NET_WM_MOVERESIZE_MOVE
    ask.data.data32[3] = XCB_BUTTON_INDEX_1;
    ask.data.data32[4] = 1; // a normal application
    // The window manager takes the pointer from the press's implicit grab.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, xcb_window_t(QX11Info::appRootWindow()),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&ask));
    xcb_flush(c);
    return true;
}

} // namespace systemmove
