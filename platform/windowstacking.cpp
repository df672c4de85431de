#include "windowstacking.h"

#include "x11.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QVariant>
#include <QWindow>
#include <QX11Info>

#include <cstring>
#include <utility>

namespace {
WindowStacking *s_override = nullptr;

// The state asked for, kept on the window itself.
constexpr char kAbove[] = "_mirelo_stays_on_top";

// Puts the state on the native window: a mapped window asks the window
// manager, an unmapped one carries it in its _NET_WM_STATE, which the xcb
// platform keeps (and adds its own states to) when it maps the window.
void applyState(QWindow *window, bool on, bool mapped)
{
    xcb_connection_t *c = x11::connection();
    if (!c || !window->handle())
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_atom_t state = x11::atom("_NET_WM_STATE");
    const xcb_atom_t above = x11::atom("_NET_WM_STATE_ABOVE");
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
        const auto r = x11::reply(c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 1024), xcb_get_property_reply);
        if (r && r->format == 32 && r->type == XCB_ATOM_ATOM) {
            const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
            for (int i = 0; i < xcb_get_property_value_length(r.get()) / 4; ++i)
                atoms.append(data[i]);
        }
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
xcb_window_t rootChildOf(xcb_connection_t *c, xcb_window_t window)
{
    for (int depth = 0; window && depth < 16; ++depth) {
        const auto tree = x11::reply(c, xcb_query_tree(c, window), xcb_query_tree_reply);
        if (!tree)
            return XCB_NONE;
        if (tree->parent == tree->root)
            return window;
        window = tree->parent;
    }
    return XCB_NONE;
}
} // namespace

void WmWindowStacking::stackNextTo(QWindow *window, QWindow *reference, bool above)
{
    if (!window || !reference || !window->handle() || !reference->handle() || !QX11Info::isPlatformX11())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const xcb_window_t self = rootChildOf(c, xcb_window_t(window->winId()));
    const xcb_window_t sibling = rootChildOf(c, xcb_window_t(reference->winId()));
    if (!self || !sibling || self == sibling)
        return;
    const uint32_t values[] = {sibling, uint32_t(above ? XCB_STACK_MODE_ABOVE : XCB_STACK_MODE_BELOW)};
    xcb_configure_window(c, self, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(c);
}

QVector<quint32> WmWindowStacking::stackingOrder() const
{
    QVector<quint32> order;
    if (!QX11Info::isPlatformX11())
        return order;
    xcb_connection_t *c = QX11Info::connection();
    const auto tree = x11::reply(c, xcb_query_tree(c, xcb_window_t(QX11Info::appRootWindow())), xcb_query_tree_reply);
    if (!tree)
        return order;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    // Asked all at once: one wait for the whole list.
    QVector<xcb_get_window_attributes_cookie_t> cookies;
    cookies.reserve(count);
    for (int i = 0; i < count; ++i)
        cookies.append(xcb_get_window_attributes(c, children[i]));
    for (int i = 0; i < count; ++i) {
        const auto a = x11::reply(c, cookies[i], xcb_get_window_attributes_reply);
        if (a && a->map_state == XCB_MAP_STATE_VIEWABLE)
            order.append(children[i]);
    }
    return order;
}

quint32 WmWindowStacking::topLevelOf(QWindow *window) const
{
    if (!window || !window->handle() || !QX11Info::isPlatformX11())
        return 0;
    return rootChildOf(QX11Info::connection(), xcb_window_t(window->winId()));
}

namespace {

class StackingWatcher;

// A connection of its own hears the root's changes for every watcher, so
// that the events Qt reads on the program's connection stay as Qt asked for
// them. It lives while a watcher does.
class StackingListener : public QObject
{
public:
    static StackingListener *acquire()
    {
        if (!s_listener) {
            s_listener = new StackingListener;
            if (!s_listener->setUp()) {
                delete s_listener;
                s_listener = nullptr;
                return nullptr;
            }
        }
        ++s_listener->m_users;
        return s_listener;
    }
    void release()
    {
        if (--m_users == 0) {
            s_listener = nullptr;
            delete this;
        }
    }
    void add(StackingWatcher *watcher) { m_watchers.append(watcher); }
    void remove(StackingWatcher *watcher) { m_watchers.removeAll(watcher); }

private:
    StackingListener() = default;
    ~StackingListener() override
    {
        delete m_notifier;
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    bool setUp()
    {
        if (!QX11Info::isPlatformX11())
            return false;
        m_connection = xcb_connect(nullptr, nullptr);
        if (!m_connection || xcb_connection_has_error(m_connection))
            return false;
        m_stackingList = x11::atom("_NET_CLIENT_LIST_STACKING");
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
        if (!x11::succeeded(m_connection,
                            xcb_change_window_attributes_checked(m_connection, xcb_window_t(QX11Info::appRootWindow()),
                                                                 XCB_CW_EVENT_MASK, &mask)))
            return false;
        readOrder();
        m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &StackingListener::readEvents);
        return true;
    }

    void readEvents();
    // The order as the server has it now (events already queued that it
    // holds too change nothing when applied again).
    void readOrder()
    {
        m_order.clear();
        const auto tree = x11::reply(m_connection, xcb_query_tree(m_connection, xcb_window_t(QX11Info::appRootWindow())),
                                     xcb_query_tree_reply);
        if (!tree)
            return;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        m_order = QVector<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
    }
    // Puts `window` directly above `sibling` (at the bottom for none);
    // true when that moved it. A sibling not heard of means the order was
    // missed: it is read again.
    bool restack(xcb_window_t window, xcb_window_t sibling)
    {
        const int at = m_order.indexOf(window);
        const int below = sibling == XCB_NONE ? -1 : m_order.indexOf(sibling);
        if (sibling != XCB_NONE && below < 0) {
            readOrder();
            return true;
        }
        if (at >= 0 && at == below + 1)
            return false;
        if (at >= 0)
            m_order.remove(at);
        m_order.insert(sibling == XCB_NONE ? 0 : m_order.indexOf(sibling) + 1, window);
        return true;
    }
    void putOnTop(xcb_window_t window)
    {
        m_order.removeAll(window);
        m_order.append(window);
    }

    static StackingListener *s_listener;
    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    xcb_atom_t m_stackingList = XCB_ATOM_NONE;
    // The root's children, bottom to top, as this connection last heard
    // them: a ConfigureNotify that leaves a window where it was in this
    // order is a move or a resize, no restacking. Another window's sibling
    // is no proof (raising A, B, then A again names the same sibling
    // twice).
    QVector<xcb_window_t> m_order;
    QList<StackingWatcher *> m_watchers;
    int m_users = 0;
};

StackingListener *StackingListener::s_listener = nullptr;

class StackingWatcher : public QObject
{
public:
    StackingWatcher(QObject *owner, std::function<void()> changed)
        : QObject(owner), m_changed(std::move(changed)), m_listener(StackingListener::acquire())
    {
        if (m_listener)
            m_listener->add(this);
    }
    ~StackingWatcher() override
    {
        if (m_listener) {
            m_listener->remove(this);
            m_listener->release();
        }
    }
    void changed()
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
    StackingListener *m_listener;
};

void StackingListener::readEvents()
{
    if (xcb_connection_has_error(m_connection)) {
        m_notifier->setEnabled(false);
        return;
    }
    bool changed = false;
    while (const x11::Reply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        switch (event->response_type & 0x7f) {
        case XCB_CONFIGURE_NOTIFY: {
            const auto *e = reinterpret_cast<xcb_configure_notify_event_t *>(event.get());
            changed = restack(e->window, e->above_sibling) || changed;
            break;
        }
        case XCB_CREATE_NOTIFY: { // on top, unmapped: nothing shows yet
            const xcb_window_t window = reinterpret_cast<xcb_create_notify_event_t *>(event.get())->window;
            if (!m_order.contains(window))
                m_order.append(window);
            break;
        }
        case XCB_CIRCULATE_NOTIFY: {
            const auto *e = reinterpret_cast<xcb_circulate_notify_event_t *>(event.get());
            m_order.removeAll(e->window);
            if (e->place == XCB_PLACE_ON_TOP)
                m_order.append(e->window);
            else
                m_order.prepend(e->window);
            changed = true;
            break;
        }
        case XCB_REPARENT_NOTIFY: {
            const auto *e = reinterpret_cast<xcb_reparent_notify_event_t *>(event.get());
            if (e->parent == e->event)
                putOnTop(e->window);
            else
                m_order.removeAll(e->window);
            changed = true;
            break;
        }
        case XCB_MAP_NOTIFY:
            changed = true;
            break;
        case XCB_DESTROY_NOTIFY:
            m_order.removeAll(reinterpret_cast<xcb_destroy_notify_event_t *>(event.get())->window);
            break;
        case XCB_PROPERTY_NOTIFY:
            changed = changed || reinterpret_cast<xcb_property_notify_event_t *>(event.get())->atom == m_stackingList;
            break;
        default:
            break;
        }
    }
    if (!changed)
        return;
    // A watcher may go (and with the last one this listener) while told.
    const QList<StackingWatcher *> watchers = m_watchers;
    QPointer<StackingListener> self(this);
    for (StackingWatcher *watcher : watchers) {
        if (!self)
            return;
        if (m_watchers.contains(watcher))
            watcher->changed();
    }
}

} // namespace

QObject *WmWindowStacking::watchStacking(QObject *owner, std::function<void()> changed)
{
    return new StackingWatcher(owner, std::move(changed));
}

quint32 WmWindowStacking::keyboardFocus() const
{
    if (!QX11Info::isPlatformX11())
        return 0;
    xcb_connection_t *c = QX11Info::connection();
    const auto r = x11::reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
    xcb_window_t focus = r ? r->focus : xcb_window_t(XCB_NONE);
    if (focus == XCB_INPUT_FOCUS_POINTER_ROOT || focus == xcb_window_t(QX11Info::appRootWindow()))
        focus = XCB_NONE;
    return focus;
}

void WmWindowStacking::setKeyboardFocus(quint32 window)
{
    if (!window || !QX11Info::isPlatformX11())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const auto a = x11::reply(c, xcb_get_window_attributes(c, window), xcb_get_window_attributes_reply);
    if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE)
        return;
    // Checked: the window may still go meanwhile, which is no error of ours.
    x11::succeeded(c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME));
}

void WmWindowStacking::letFocusFallToRoot()
{
    if (!QX11Info::isPlatformX11())
        return;
    xcb_connection_t *c = QX11Info::connection();
    const auto r = x11::reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
    if (!r || r->revert_to == XCB_INPUT_FOCUS_POINTER_ROOT)
        return;
    bool ours = false;
    const QWindowList windows = QGuiApplication::allWindows();
    for (const QWindow *window : windows)
        ours = ours || (window->handle() && xcb_window_t(window->winId()) == r->focus);
    if (!ours)
        return;
    // The same window, only its reverting changed; at the program's last
    // time, as Qt gave it, so that no later focus change is held up.
    x11::succeeded(c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, r->focus,
                                                  xcb_timestamp_t(QX11Info::appTime())));
}
