#pragma once
// What every X11 layer needs of the X server besides its own requests: the
// program's connection, atoms, replies that free themselves and a round
// trip. Waiting for a hidden window to leave the screen is
// screenrepaint::hideAndWait.
#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace x11 {

// Qt's connection on the xcb platform; null elsewhere (offscreen, Wayland).
xcb_connection_t *connection();

// The atom named `name` on the program's display, asked of the server once
// and remembered (atoms live as long as the server). XCB_ATOM_NONE off X11
// or when the server does not answer; that is asked again next time. An
// atom holds for every connection to the same display.
xcb_atom_t atom(const QByteArray &name);

struct FreeReply {
    void operator()(void *p) const { std::free(p); }
};
// A reply, event, error or list that xcb allocated, freed when it goes.
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The reply to `cookie`, waited for; null on an error, which is dropped:
//   auto tree = x11::reply(c, xcb_query_tree(c, w), xcb_query_tree_reply);
template <typename T, typename Cookie>
Reply<T> reply(xcb_connection_t *c, Cookie cookie, T *(*fetch)(xcb_connection_t *, Cookie, xcb_generic_error_t **))
{
    return Reply<T>(fetch(c, cookie, nullptr));
}

// Waits for a checked request; true when the server did it.
bool succeeded(xcb_connection_t *c, xcb_void_cookie_t cookie);

// One round trip on `c`: everything asked before has been done.
void roundTrip(xcb_connection_t *c);

// A round trip to the server on the program's own connection, so that a
// window hidden before is really unmapped; off X11 nothing. It handles no
// events, so it may be called anywhere.
void sync();

} // namespace x11
