#include "windowlist.h"

#include "x11.h"

#include <QList>
#include <QX11Info>

namespace {

WindowList *s_override = nullptr;

// WM_CLASS holds "instance\0class\0"; the class is the second string.
QString wmClass(xcb_connection_t *c, xcb_window_t w)
{
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
                              xcb_get_property_reply);
    if (!r || r->format != 8)
        return QString();
    const int len = xcb_get_property_value_length(r.get());
    const char *data = static_cast<const char *>(xcb_get_property_value(r.get()));
    const QByteArray all(data, len);
    const QList<QByteArray> parts = all.split('\0');
    return parts.size() > 1 ? QString::fromLocal8Bit(parts[1]) : QString::fromLocal8Bit(parts.value(0));
}

bool hasProperty(xcb_connection_t *c, xcb_window_t w, xcb_atom_t atom)
{
    if (atom == XCB_ATOM_NONE)
        return false;
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
                              xcb_get_property_reply);
    return r && r->type != XCB_ATOM_NONE;
}

struct Reader {
    xcb_connection_t *c;
    xcb_window_t root;
    xcb_atom_t wmState;
    const QVector<quint32> &skip;
    mutable bool sawSkipped = false;

    // Children of w, topmost first (the tree lists them bottom to top).
    QVector<xcb_window_t> children(xcb_window_t w) const
    {
        QVector<xcb_window_t> out;
        const auto r = x11::reply(c, xcb_query_tree(c, w), xcb_query_tree_reply);
        if (!r)
            return out;
        const xcb_window_t *kids = xcb_query_tree_children(r.get());
        for (int i = xcb_query_tree_children_length(r.get()) - 1; i >= 0; --i)
            out << kids[i];
        return out;
    }

    bool read(xcb_window_t w, WindowListEntry *entry) const
    {
        const auto attr = x11::reply(c, xcb_get_window_attributes(c, w), xcb_get_window_attributes_reply);
        const auto geo = x11::reply(c, xcb_get_geometry(c, w), xcb_get_geometry_reply);
        if (!attr || !geo)
            return false; // gone meanwhile
        const auto pos = x11::reply(c, xcb_translate_coordinates(c, w, root, 0, 0), xcb_translate_coordinates_reply);
        if (!pos)
            return false;
        entry->id = w;
        // The outer rectangle, X border included, as a window's rectangle is
        // on other systems.
        const int border = geo->border_width;
        entry->rect = QRect(pos->dst_x - border, pos->dst_y - border, geo->width + 2 * border, geo->height + 2 * border);
        entry->visible = attr->map_state == XCB_MAP_STATE_VIEWABLE && attr->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT;
        for (xcb_window_t kid : children(w)) {
            if (skip.contains(kid)) {
                sawSkipped = true;
                continue;
            }
            WindowListEntry child;
            if (read(kid, &child))
                entry->children << child;
        }
        return true;
    }

    // The class name of a top-level: that of the window carrying WM_STATE
    // (the client, inside a window manager's frame); without a window
    // manager nobody sets WM_STATE, and the top-level is the client.
    bool clientClass(const WindowListEntry &e, QString *name) const
    {
        if (hasProperty(c, e.id, wmState)) {
            *name = wmClass(c, e.id);
            return true;
        }
        for (const WindowListEntry &kid : e.children) {
            if (clientClass(kid, name))
                return true;
        }
        return false;
    }
    QString className(const WindowListEntry &e) const
    {
        QString name;
        return clientClass(e, &name) ? name : wmClass(c, e.id);
    }
};

} // namespace

WindowList::~WindowList() = default;

QRect WindowList::placeOf(quint32, bool)
{
    return QRect();
}

WindowList *WindowList::instance()
{
    if (s_override)
        return s_override;
    static X11WindowList x11;
    static NullWindowList none;
    if (x11::connection())
        return &x11;
    return &none;
}

void WindowList::setInstance(WindowList *list)
{
    s_override = list;
}

QVector<WindowListEntry> X11WindowList::windows(const QVector<quint32> &skip)
{
    QVector<WindowListEntry> out;
    xcb_connection_t *c = x11::connection();
    if (!c)
        return out;
    Reader reader{c, static_cast<xcb_window_t>(QX11Info::appRootWindow()), x11::atom("WM_STATE"), skip};
    xcb_grab_server(c); // one consistent tree
    for (xcb_window_t w : reader.children(reader.root)) {
        if (skip.contains(w))
            continue;
        WindowListEntry entry;
        reader.sawSkipped = false;
        // A window manager's frame around one of ours is ours too.
        if (!reader.read(w, &entry) || reader.sawSkipped)
            continue;
        entry.className = reader.className(entry);
        out << entry;
    }
    xcb_ungrab_server(c);
    xcb_flush(c);
    return out;
}

QRect X11WindowList::placeOf(quint32 window, bool withFrame)
{
    xcb_connection_t *c = x11::connection();
    if (!c || !window)
        return QRect();
    const xcb_window_t root = static_cast<xcb_window_t>(QX11Info::appRootWindow());
    xcb_window_t w = window;
    // Up to the root's child that holds it.
    for (int depth = 0; withFrame && depth < 16; ++depth) {
        const auto tree = x11::reply(c, xcb_query_tree(c, w), xcb_query_tree_reply);
        if (!tree)
            return QRect();
        if (tree->parent == root || tree->parent == XCB_NONE)
            break;
        w = tree->parent;
    }
    const auto geo = x11::reply(c, xcb_get_geometry(c, w), xcb_get_geometry_reply);
    const auto pos = x11::reply(c, xcb_translate_coordinates(c, w, root, 0, 0), xcb_translate_coordinates_reply);
    if (!geo || !pos)
        return QRect();
    return QRect(pos->dst_x, pos->dst_y, geo->width, geo->height);
}
