#include "windowstacking.h"

#include <QEvent>
#include <QVariant>
#include <QWindow>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
WindowStacking *s_override = nullptr;

// The state asked for, kept on the window itself.
constexpr char kAbove[] = "_mirelo_stays_on_top";

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

// Puts the state on the native window: a mapped window asks the window
// manager, an unmapped one carries it in its _NET_WM_STATE, which the xcb
// platform keeps (and adds its own states to) when it maps the window.
void applyState(QWindow *window, bool on, bool mapped)
{
    if (!QX11Info::isPlatformX11() || !window->handle())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_atom_t state = internAtom(c, "_NET_WM_STATE");
    const xcb_atom_t above = internAtom(c, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || above == XCB_ATOM_NONE)
        return;
    if (mapped) {
        xcb_client_message_event_t ev;
        std::memset(&ev, 0, sizeof ev);
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = id;
        ev.type = state;
        ev.data.data32[0] = on ? 1 : 0; // add / remove
        ev.data.data32[1] = above;
        ev.data.data32[3] = 1; // from an application
        xcb_send_event(c, 0, xcb_window_t(QX11Info::appRootWindow()),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&ev));
    } else {
        QVector<xcb_atom_t> atoms;
        xcb_get_property_reply_t *r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
        if (r && r->format == 32 && r->type == XCB_ATOM_ATOM) {
            const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(r));
            for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
                atoms.append(data[i]);
        }
        std::free(r);
        atoms.removeAll(above);
        if (on)
            atoms.append(above);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, uint32_t(atoms.size()),
                            atoms.constData());
    }
    xcb_flush(c);
}

// A window manager drops the state of a withdrawn window: each show states
// it again before the window is mapped.
class AboveKeeper : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = qobject_cast<QWindow *>(watched);
            const QVariant asked = window ? window->property(kAbove) : QVariant();
            if (asked.isValid())
                applyState(window, asked.toBool(), false);
        }
        return false;
    }
};

AboveKeeper &keeper()
{
    static AboveKeeper k;
    return k;
}
} // namespace

WindowStacking::~WindowStacking() = default;

WindowStacking *WindowStacking::instance()
{
    if (s_override)
        return s_override;
    static WmWindowStacking real;
    return &real;
}

void WindowStacking::setInstance(WindowStacking *stacking)
{
    s_override = stacking;
}

// Not through the window's flags: the xcb platform re-creates a window whose
// stays-on-top flag changed at its next show, and the X server then destroys
// the native children with the old window (a webcam preview goes black).
void WmWindowStacking::setStaysOnTop(QWindow *window, bool on)
{
    if (!window)
        return;
    window->setProperty(kAbove, on);
    window->installEventFilter(&keeper());
    applyState(window, on, window->isVisible());
}

bool WmWindowStacking::staysOnTop(QWindow *window) const
{
    if (!window)
        return false;
    const QVariant asked = window->property(kAbove);
    return asked.isValid() ? asked.toBool() : window->flags().testFlag(Qt::WindowStaysOnTopHint);
}

namespace {
// The child of the root that holds `window`: only siblings stack against
// each other.
xcb_window_t topLevelOf(xcb_connection_t *c, xcb_window_t window)
{
    for (int depth = 0; window && depth < 16; ++depth) {
        xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
        if (!tree)
            return XCB_NONE;
        const xcb_window_t parent = tree->parent;
        const xcb_window_t root = tree->root;
        std::free(tree);
        if (parent == root)
            return window;
        window = parent;
    }
    return XCB_NONE;
}
} // namespace

void WmWindowStacking::stackNextTo(QWindow *window, QWindow *reference, bool above)
{
    if (!window || !reference || !window->handle() || !reference->handle() || !QX11Info::isPlatformX11())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const xcb_window_t self = topLevelOf(c, xcb_window_t(window->winId()));
    const xcb_window_t sibling = topLevelOf(c, xcb_window_t(reference->winId()));
    if (!self || !sibling || self == sibling)
        return;
    const uint32_t values[] = {sibling, uint32_t(above ? XCB_STACK_MODE_ABOVE : XCB_STACK_MODE_BELOW)};
    xcb_configure_window(c, self, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(c);
}
