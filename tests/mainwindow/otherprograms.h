#pragma once
// Windows of other programs for the control bar's tests: the user's
// program, which takes the keys typed and is raised as a click raises it,
// and plain windows raised over the bar, one of which may raise itself
// whenever covered.

#include <QRect>
#include <QSocketNotifier>
#include <QtTest>

#include "byhand.h"
#include "testsupport.h"
#include "x11.h"

#include <xcb/xcb.h>

// The user's program: a window of another X client that counts the keys
// typed into it.
class KeyTarget
{
public:
    KeyTarget() : m_c(xcb_connect(nullptr, nullptr))
    {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_window = xcb_generate_id(m_c);
        const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_FOCUS_CHANGE};
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, 1200, 600, 300, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK,
                          values);
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 6, "editor");
        xcb_map_window(m_c, m_window);
        xcb_flush(m_c);
    }
    ~KeyTarget() { xcb_disconnect(m_c); }

    bool viewable()
    {
        const auto r = x11::reply(m_c, xcb_get_window_attributes(m_c, m_window), xcb_get_window_attributes_reply);
        return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    // As a click on it would: the keyboard focus to it.
    void focus()
    {
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
    // As the window manager does when the user clicks it. A window manager
    // restacks it in its own time: this returns once the desktop shows it
    // moved in the stacking, so that what the test looks at next comes
    // after the raise, not before it; or after a moment, as many leave the
    // window where it is (it already lies over the windows they manage, or
    // they keep a window from raising itself: KWin, i3).
    void raise()
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        // The root's child that holds it: a window manager's frame.
        xcb_window_t top = m_window;
        for (;;) {
            const auto tree = x11::reply(m_c, xcb_query_tree(m_c, top), xcb_query_tree_reply);
            if (!tree || tree->parent == root || tree->parent == XCB_NONE)
                break;
            top = tree->parent;
        }
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, root, XCB_CW_EVENT_MASK, &mask);
        x11::roundTrip(m_c);
        presses(); // what came before
        m_restackedWindow = top;
        m_restacked = false;
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_c, m_window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_flush(m_c);
        (void)QTest::qWaitFor(
            [&] {
                presses();
                return m_restacked;
            },
            2000);
        const uint32_t none = 0;
        xcb_change_window_attributes(m_c, root, XCB_CW_EVENT_MASK, &none);
        x11::roundTrip(m_c);
    }
    bool hasFocus()
    {
        const auto r = x11::reply(m_c, xcb_get_input_focus(m_c), xcb_get_input_focus_reply);
        return r && r->focus == m_window;
    }
    quint32 id() const { return m_window; }
    int presses()
    {
        while (const x11::Reply<xcb_generic_event_t> e{xcb_poll_for_event(m_c)}) {
            if ((e->response_type & 0x7f) == XCB_KEY_PRESS)
                ++m_presses;
            else if ((e->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY
                     && reinterpret_cast<const xcb_configure_notify_event_t *>(e.get())->window == m_restackedWindow)
                m_restacked = true;
        }
        return m_presses;
    }

private:
    xcb_connection_t *m_c;
    xcb_window_t m_window;
    int m_presses = 0;
    xcb_window_t m_restackedWindow = XCB_NONE;
    bool m_restacked = false;
};

// Waits until `top` lies above `below`, for once the window manager has
// done a raise under way (QTRY_VERIFY looks once more after the answer
// held, and fails where the window manager changed it meanwhile).
inline bool comesAbove(quint32 top, quint32 below)
{
    return QTest::qWaitFor([&] { return testsupport::stackedAbove(top, below); }, 15000);
}

// Windows of another program that no window manager stacks (as a bare
// server has only): raised where asked, at once. One of them may raise
// itself whenever anything covers it, as a screen locker or another program
// kept on top does; the bar's own restacks are counted meanwhile.
class OtherWindows
{
public:
    OtherWindows() : m_c(xcb_connect(nullptr, nullptr)), m_notifier(xcb_get_file_descriptor(m_c), QSocketNotifier::Read)
    {
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_screen->root, XCB_CW_EVENT_MASK, &mask);
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { answer(); });
    }
    ~OtherWindows() { xcb_disconnect(m_c); }

    quint32 map(const QRect &r)
    {
        const xcb_window_t w = xcb_generate_id(m_c);
        const uint32_t values[] = {m_screen->white_pixel, 1};
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_screen->root, int16_t(r.x()), int16_t(r.y()),
                          uint16_t(r.width()), uint16_t(r.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(m_c, w);
        sync();
        return w;
    }
    // Raised, and the X server has done it.
    void raise(quint32 w)
    {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_c, w, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        sync();
    }
    // From now on `w` raises itself whenever covered (0: none does); the
    // restacks of `bar` are counted.
    void keepRaising(quint32 w, quint32 bar)
    {
        // What was heard before is not counted.
        m_selfRaising = m_bar = 0;
        answer();
        m_barRestacks = m_selfRaises = 0;
        m_selfRaising = w;
        m_bar = bar;
        answer();
    }
    int barRestacks() const { return m_barRestacks; }
    int selfRaises() const { return m_selfRaises; }

private:
    void sync() { x11::roundTrip(m_c); }
    void answer()
    {
        bool heard = true;
        while (heard) {
            heard = false;
            while (const x11::Reply<xcb_generic_event_t> e{xcb_poll_for_event(m_c)}) {
                heard = true;
                const auto *configure = reinterpret_cast<const xcb_configure_notify_event_t *>(e.get());
                if ((e->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY && m_bar && configure->window == m_bar)
                    ++m_barRestacks;
            }
            if (!m_selfRaising)
                continue;
            const auto tree = x11::reply(m_c, xcb_query_tree(m_c, m_screen->root), xcb_query_tree_reply);
            const int count = tree ? xcb_query_tree_children_length(tree.get()) : 0;
            if (count && xcb_query_tree_children(tree.get())[count - 1] != m_selfRaising) {
                const uint32_t above = XCB_STACK_MODE_ABOVE;
                xcb_configure_window(m_c, m_selfRaising, XCB_CONFIG_WINDOW_STACK_MODE, &above);
                xcb_flush(m_c);
                ++m_selfRaises;
            }
        }
    }

    xcb_connection_t *m_c;
    const xcb_screen_t *m_screen = nullptr;
    QSocketNotifier m_notifier;
    xcb_window_t m_selfRaising = 0, m_bar = 0;
    int m_barRestacks = 0, m_selfRaises = 0;
};
