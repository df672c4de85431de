#include "x11hotkeybackend.h"

#include "x11.h"

#include <QX11Info>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <xcb/xcb_keysyms.h>

namespace {

constexpr unsigned kHotkeyMods = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

using x11::connection;

} // namespace

X11HotkeyBackend::X11HotkeyBackend() = default;

unsigned X11HotkeyBackend::keysymFor(int key)
{
    if (key >= '0' && key <= '9')
        return XK_0 + unsigned(key - '0');
    if (key >= 'A' && key <= 'Z')
        return XK_a + unsigned(key - 'A');
    if (key >= 112 && key <= 135)
        return XK_F1 + unsigned(key - 112);
    switch (key) {
    case 27: return XK_Escape;
    case 9: return XK_Tab;
    case 8: return XK_BackSpace;
    case 13: return XK_Return;
    case 45: return XK_Insert;
    case 46: return XK_Delete;
    case 19: return XK_Pause;
    case 42: return XK_Print;
    case 12: return XK_Clear;
    case 36: return XK_Home;
    case 35: return XK_End;
    case 37: return XK_Left;
    case 38: return XK_Up;
    case 39: return XK_Right;
    case 40: return XK_Down;
    case 33: return XK_Prior;
    case 34: return XK_Next;
    case 174: return XF86XK_AudioLowerVolume;
    case 173: return XF86XK_AudioMute;
    case 175: return XF86XK_AudioRaiseVolume;
    case 179: return XF86XK_AudioPlay;
    case 178: return XF86XK_AudioStop;
    case 177: return XF86XK_AudioPrev;
    case 176: return XF86XK_AudioNext;
    case 32: return XK_space;
    // The classic codes of these are the keypad's; the main keyboard's keys
    // are what a user means by them.
    case 106: return XK_asterisk;
    case 107: return XK_plus;
    case 108: return XK_comma;
    case 109: return XK_minus;
    case 111: return XK_slash;
    default: return 0;
    }
}

bool X11HotkeyBackend::toX(int key, int mods, unsigned *keycode, unsigned *xmods) const
{
    xcb_connection_t *c = connection();
    const unsigned keysym = keysymFor(key);
    if (!c || !keysym)
        return false;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    if (!symbols)
        return false;
    const x11::Reply<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols, keysym));
    *keycode = codes ? codes.get()[0] : XCB_NO_SYMBOL;
    xcb_key_symbols_free(symbols);
    if (*keycode == XCB_NO_SYMBOL)
        return false;
    *xmods = 0;
    if (mods & ModShift)
        *xmods |= XCB_MOD_MASK_SHIFT;
    if (mods & ModControl)
        *xmods |= XCB_MOD_MASK_CONTROL;
    if (mods & ModAlt)
        *xmods |= XCB_MOD_MASK_1;
    if (mods & ModMeta)
        *xmods |= XCB_MOD_MASK_4;
    return true;
}

unsigned X11HotkeyBackend::numLockMask() const
{
    xcb_connection_t *c = connection();
    unsigned mask = XCB_MOD_MASK_2; // where nearly every keymap puts it
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    const x11::Reply<xcb_keycode_t> numLock(symbols ? xcb_key_symbols_get_keycode(symbols, XK_Num_Lock) : nullptr);
    const auto map = x11::reply(c, xcb_get_modifier_mapping(c), xcb_get_modifier_mapping_reply);
    if (numLock && map) {
        const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(map.get());
        const int perModifier = map->keycodes_per_modifier;
        for (int m = 0; m < 8; ++m) {
            for (int k = 0; k < perModifier; ++k) {
                const xcb_keycode_t code = codes[m * perModifier + k];
                for (const xcb_keycode_t *n = numLock.get(); code && *n != XCB_NO_SYMBOL; ++n) {
                    if (*n == code)
                        mask = 1u << m;
                }
            }
        }
    }
    if (symbols)
        xcb_key_symbols_free(symbols);
    return mask;
}

bool X11HotkeyBackend::grab(int key, int mods)
{
    unsigned keycode = 0, xmods = 0;
    if (!toX(key, mods, &keycode, &xmods))
        return false;
    xcb_connection_t *c = connection();
    const xcb_window_t root = QX11Info::appRootWindow();
    const unsigned numLock = numLockMask();
    const unsigned variants[] = {0, XCB_MOD_MASK_LOCK, numLock, XCB_MOD_MASK_LOCK | numLock};
    int done = 0;
    bool ok = true;
    for (unsigned v : variants) {
        if (!x11::succeeded(c, xcb_grab_key_checked(c, 1, root, uint16_t(xmods | v), xcb_keycode_t(keycode),
                                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC))) {
            ok = false;
            break;
        }
        ++done;
    }
    if (!ok) {
        // Another client holds one variant: give back the ones we got.
        for (int i = 0; i < done; ++i)
            xcb_ungrab_key(c, xcb_keycode_t(keycode), root, uint16_t(xmods | variants[i]));
        xcb_flush(c);
        return false;
    }
    m_grabbed.insert(qMakePair(keycode, xmods), qMakePair(key, mods));
    return true;
}

bool X11HotkeyBackend::ungrab(int key, int mods)
{
    unsigned keycode = 0, xmods = 0;
    if (!toX(key, mods, &keycode, &xmods) || !m_grabbed.remove(qMakePair(keycode, xmods)))
        return false;
    xcb_connection_t *c = connection();
    const xcb_window_t root = QX11Info::appRootWindow();
    const unsigned numLock = numLockMask();
    bool ok = true;
    for (unsigned v : {0u, unsigned(XCB_MOD_MASK_LOCK), numLock, XCB_MOD_MASK_LOCK | numLock}) {
        if (!x11::succeeded(c, xcb_ungrab_key_checked(c, xcb_keycode_t(keycode), root, uint16_t(xmods | v))))
            ok = false;
    }
    return ok;
}

bool X11HotkeyBackend::hotkeyFromEvent(const QByteArray &eventType, void *message, int *key, int *mods)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    auto *press = reinterpret_cast<xcb_key_press_event_t *>(event);
    const auto it = m_grabbed.constFind(qMakePair(unsigned(press->detail), unsigned(press->state & kHotkeyMods)));
    if (it == m_grabbed.constEnd())
        return false;
    *key = it->first;
    *mods = it->second;
    return true;
}
