#include "withdrawnproperties.h"

#include "x11.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr quint32 kMaxStates = 64;

bool windowManagersOwn(const QByteArray &state)
{
    return state == "_NET_WM_STATE_FOCUSED" || state == "_NET_WM_STATE_HIDDEN";
}

QList<xcb_atom_t> atomsOf(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property, bool *present)
{
    QList<xcb_atom_t> out;
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_ATOM, 0, kMaxStates),
                              xcb_get_property_reply);
    *present = r && r->format == 32;
    if (!*present)
        return out;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    for (int i = 0; i < n; ++i)
        out.append(atoms[i]);
    return out;
}

bool cardinalOf(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property, quint32 *value)
{
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 1),
                              xcb_get_property_reply);
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) < 4)
        return false;
    *value = *static_cast<const quint32 *>(xcb_get_property_value(r.get()));
    return true;
}

// An atom's name may only hold what the file's line can carry.
bool plainName(const QByteArray &name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
    });
}

} // namespace

WithdrawnProperties WithdrawnProperties::read(xcb_connection_t *c, xcb_window_t w)
{
    WithdrawnProperties out;
    if (!c)
        return out;
    out.hasDesktop = cardinalOf(c, w, x11::atom("_NET_WM_DESKTOP"), &out.desktop);
    bool present = false;
    const QList<xcb_atom_t> atoms = atomsOf(c, w, x11::atom("_NET_WM_STATE"), &present);
    QList<xcb_get_atom_name_cookie_t> names;
    for (xcb_atom_t a : atoms)
        names.append(xcb_get_atom_name(c, a));
    for (const xcb_get_atom_name_cookie_t &cookie : names) {
        const auto r = x11::reply(c, cookie, xcb_get_atom_name_reply);
        if (!r)
            continue;
        const QByteArray name(xcb_get_atom_name_name(r.get()), xcb_get_atom_name_name_length(r.get()));
        if (plainName(name) && !windowManagersOwn(name) && !out.state.contains(name))
            out.state.append(name);
    }
    return out;
}

void WithdrawnProperties::putBack(xcb_connection_t *c, xcb_window_t w) const
{
    if (!c)
        return;
    if (hasDesktop) {
        const xcb_atom_t property = x11::atom("_NET_WM_DESKTOP");
        quint32 now = 0;
        if (!cardinalOf(c, w, property, &now) || now != desktop)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, XCB_ATOM_CARDINAL, 32, 1, &desktop);
    }
    if (!state.isEmpty()) {
        const xcb_atom_t property = x11::atom("_NET_WM_STATE");
        QVector<xcb_atom_t> wanted;
        for (const QByteArray &name : state) {
            const xcb_atom_t a = x11::atom(name);
            if (a != XCB_ATOM_NONE)
                wanted.append(a);
        }
        bool present = false;
        const QList<xcb_atom_t> now = atomsOf(c, w, property, &present);
        const bool same = present && QSet<xcb_atom_t>(now.begin(), now.end())
                                         == QSet<xcb_atom_t>(wanted.begin(), wanted.end());
        if (!wanted.isEmpty() && !same)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, XCB_ATOM_ATOM, 32,
                                uint32_t(wanted.size()), wanted.constData());
    }
}

QByteArray WithdrawnProperties::toText() const
{
    QList<QByteArray> parts;
    if (hasDesktop)
        parts.append("desktop=" + QByteArray::number(desktop));
    if (!state.isEmpty())
        parts.append("state=" + state.join(','));
    return parts.join(' ');
}

WithdrawnProperties WithdrawnProperties::fromText(const QByteArray &text)
{
    WithdrawnProperties out;
    for (const QByteArray &part : text.simplified().split(' ')) {
        if (part.startsWith("desktop=")) {
            bool ok = false;
            const quint32 d = part.mid(8).toUInt(&ok);
            if (ok) {
                out.hasDesktop = true;
                out.desktop = d;
            }
        } else if (part.startsWith("state=")) {
            for (const QByteArray &name : part.mid(6).split(',')) {
                if (plainName(name) && !windowManagersOwn(name) && !out.state.contains(name)
                    && out.state.size() < int(kMaxStates))
                    out.state.append(name);
            }
        }
    }
    return out;
}

bool WithdrawnProperties::managed(xcb_connection_t *c, xcb_window_t w)
{
    const xcb_atom_t property = x11::atom("WM_STATE");
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, property, property, 0, 1), xcb_get_property_reply);
    // ICCCM: 0 withdrawn, 1 normal, 3 iconic.
    return r && r->format == 32 && xcb_get_property_value_length(r.get()) >= 4
           && *static_cast<const quint32 *>(xcb_get_property_value(r.get())) != 0;
}
