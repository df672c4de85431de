#include "x11.h"

#include <QCoreApplication>
#include <QHash>
#include <QX11Info>

namespace x11 {

xcb_connection_t *connection()
{
    return QX11Info::isPlatformX11() ? QX11Info::connection() : nullptr;
}

xcb_atom_t atom(const QByteArray &name)
{
    // Asked on the GUI thread only, as every X11 layer of the program is.
    static QHash<QByteArray, xcb_atom_t> known;
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    xcb_connection_t *c = connection();
    if (!c)
        return XCB_ATOM_NONE;
    const auto r = reply(c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), xcb_intern_atom_reply);
    if (!r || r->atom == XCB_ATOM_NONE)
        return XCB_ATOM_NONE;
    known.insert(name, r->atom);
    return r->atom;
}

bool succeeded(xcb_connection_t *c, xcb_void_cookie_t cookie)
{
    return !Reply<xcb_generic_error_t>(xcb_request_check(c, cookie));
}

void roundTrip(xcb_connection_t *c)
{
    if (c)
        reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
}

void sync()
{
    // No events are handled here: a caller in the middle of its work would
    // meet whatever they bring (a hotkey, a timer) before it is done. The
    // program's requests go out on this connection, so one round trip has
    // them all carried out.
    roundTrip(connection());
}

} // namespace x11
