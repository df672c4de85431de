#include "trayowner.h"

#include "platform/x11.h"

#include <cstring>

namespace testsupport {

TrayOwner::TrayOwner()
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return;
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const xcb_window_t window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const char *name = "_NET_SYSTEM_TRAY_S0";
    const auto atom =
        x11::reply(m_connection, xcb_intern_atom(m_connection, 0, std::strlen(name), name), xcb_intern_atom_reply);
    if (!atom)
        return;
    xcb_set_selection_owner(m_connection, window, atom->atom, XCB_CURRENT_TIME);
    const auto owner =
        x11::reply(m_connection, xcb_get_selection_owner(m_connection, atom->atom), xcb_get_selection_owner_reply);
    m_owned = owner && owner->owner == window;
}

TrayOwner::~TrayOwner()
{
    // Closing the connection gives the selection up.
    if (m_connection)
        xcb_disconnect(m_connection);
}

} // namespace testsupport
