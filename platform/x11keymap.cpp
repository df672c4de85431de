#include "x11keymap.h"

#include "x11.h"

#include <X11/keysym.h>
#include <xcb/xcb_keysyms.h>

int unshiftedKey(quint32 keycode)
{
    xcb_connection_t *c = x11::connection();
    if (keycode == 0 || keycode > 255 || !c)
        return 0;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    if (!symbols)
        return 0;
    const xcb_keysym_t sym = xcb_key_symbols_get_keysym(symbols, xcb_keycode_t(keycode), 0);
    xcb_key_symbols_free(symbols);
    if (sym >= XK_0 && sym <= XK_9)
        return Qt::Key_0 + int(sym - XK_0);
    if (sym >= XK_a && sym <= XK_z)
        return Qt::Key_A + int(sym - XK_a);
    if (sym >= XK_A && sym <= XK_Z)
        return Qt::Key_A + int(sym - XK_A);
    return 0;
}
