#include "desktopchrome.h"

#include "keptfile.h"
#include "privatefolder.h"
#include "screenrepaint.h"
#include "x11.h"
#include "xfconfproperty.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QX11Info>

#include <algorithm>

namespace {

DesktopChrome *s_override = nullptr;

using x11::connection;

QVector<xcb_window_t> windowListProperty(xcb_connection_t *c, xcb_window_t w, xcb_atom_t atom)
{
    QVector<xcb_window_t> out;
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, atom, XCB_ATOM_WINDOW, 0, 4096), xcb_get_property_reply);
    if (!r || r->format != 32)
        return out;
    const int n = xcb_get_property_value_length(r.get()) / 4;
    const auto *ids = static_cast<const xcb_window_t *>(xcb_get_property_value(r.get()));
    for (int i = 0; i < n; ++i)
        out.append(ids[i]);
    return out;
}

const char *typeAtomName(DesktopChrome::Kind kind)
{
    return kind == DesktopChrome::DesktopIcons ? "_NET_WM_WINDOW_TYPE_DESKTOP" : "_NET_WM_WINDOW_TYPE_DOCK";
}

bool hasType(xcb_connection_t *c, xcb_window_t w, xcb_atom_t typeProperty, xcb_atom_t type)
{
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, typeProperty, XCB_ATOM_ATOM, 0, 64), xcb_get_property_reply);
    if (!r || r->format != 32)
        return false;
    const int n = xcb_get_property_value_length(r.get()) / 4;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
    for (int i = 0; i < n; ++i) {
        if (atoms[i] == type)
            return true;
    }
    return false;
}

// 0: no such window; 1: unmapped; 2: mapped.
int mapState(xcb_connection_t *c, xcb_window_t w)
{
    const auto r = x11::reply(c, xcb_get_window_attributes(c, w), xcb_get_window_attributes_reply);
    if (!r)
        return 0;
    return r->map_state == XCB_MAP_STATE_UNMAPPED ? 1 : 2;
}

// The windows of the tree down to `depth` levels below the root, as far as
// they are viewable: a window manager's frame holds its client one or two
// levels down. The requests of a level go out together.
QVector<xcb_window_t> viewableTree(xcb_connection_t *c, xcb_window_t root, int depth)
{
    QVector<xcb_window_t> out;
    QVector<xcb_window_t> level{root};
    for (int d = 0; d < depth && !level.isEmpty(); ++d) {
        QVector<xcb_query_tree_cookie_t> trees;
        for (xcb_window_t w : qAsConst(level))
            trees.append(xcb_query_tree(c, w));
        QVector<xcb_window_t> children;
        for (const xcb_query_tree_cookie_t &cookie : qAsConst(trees)) {
            const auto tree = x11::reply(c, cookie, xcb_query_tree_reply);
            if (!tree)
                continue;
            const xcb_window_t *kids = xcb_query_tree_children(tree.get());
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
                children.append(kids[i]);
        }
        QVector<xcb_get_window_attributes_cookie_t> attributes;
        for (xcb_window_t w : qAsConst(children))
            attributes.append(xcb_get_window_attributes(c, w));
        level.clear();
        for (int i = 0; i < children.size(); ++i) {
            const auto a = x11::reply(c, attributes[i], xcb_get_window_attributes_reply);
            if (a && a->map_state == XCB_MAP_STATE_VIEWABLE)
                level.append(children[i]);
        }
        out += level;
    }
    return out;
}

// Candidates: the window manager's clients and what the window tree shows:
// the windows no window manager manages, and the clients inside frames
// that a window manager keeps out of its list (i3 its bar's); a desktop
// without a window manager has no list at all.
QVector<xcb_window_t> candidates(xcb_connection_t *c, xcb_window_t root)
{
    QVector<xcb_window_t> out = windowListProperty(c, root, x11::atom("_NET_CLIENT_LIST"));
    for (xcb_window_t w : viewableTree(c, root, 3)) {
        if (!out.contains(w))
            out.append(w);
    }
    return out;
}

// The windows of a kind that show now.
QVector<xcb_window_t> shownOfKind(xcb_connection_t *c, DesktopChrome::Kind kind)
{
    QVector<xcb_window_t> out;
    const xcb_atom_t typeProperty = x11::atom("_NET_WM_WINDOW_TYPE");
    const xcb_atom_t type = x11::atom(typeAtomName(kind));
    if (typeProperty == XCB_ATOM_NONE || type == XCB_ATOM_NONE)
        return out;
    // The type of every candidate asked at once: the tree holds many.
    const QVector<xcb_window_t> all = candidates(c, QX11Info::appRootWindow());
    QVector<xcb_get_property_cookie_t> types;
    for (xcb_window_t w : all)
        types.append(xcb_get_property(c, 0, w, typeProperty, XCB_ATOM_ATOM, 0, 64));
    for (int i = 0; i < all.size(); ++i) {
        const auto r = x11::reply(c, types[i], xcb_get_property_reply);
        if (!r || r->format != 32)
            continue;
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
        const int n = xcb_get_property_value_length(r.get()) / 4;
        if (std::find(atoms, atoms + n, type) != atoms + n && mapState(c, all[i]) == 2)
            out.append(all[i]);
    }
    return out;
}

// The first part of WM_CLASS (the program's instance name).
QByteArray instanceName(xcb_connection_t *c, xcb_window_t w)
{
    const auto r = x11::reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
                              xcb_get_property_reply);
    if (!r)
        return QByteArray();
    const QByteArray text(static_cast<const char *>(xcb_get_property_value(r.get())),
                          xcb_get_property_value_length(r.get()));
    return text.left(text.indexOf('\0'));
}

// A window's place on the desktop.
QRect rootRect(xcb_connection_t *c, xcb_window_t w)
{
    const auto g = x11::reply(c, xcb_get_geometry(c, w), xcb_get_geometry_reply);
    if (!g)
        return QRect();
    const auto t = x11::reply(c, xcb_translate_coordinates(c, w, QX11Info::appRootWindow(), 0, 0),
                              xcb_translate_coordinates_reply);
    return t ? QRect(t->dst_x, t->dst_y, g->width, g->height) : QRect();
}

// The window manager keeps part of the screen free of windows (for panels):
// its work area of the current desktop is smaller than the root.
bool workAreaReduced(xcb_connection_t *c)
{
    const xcb_window_t root = QX11Info::appRootWindow();
    const auto area = x11::reply(
        c, xcb_get_property(c, 0, root, x11::atom("_NET_WORKAREA"), XCB_ATOM_CARDINAL, 0, 4096),
        xcb_get_property_reply);
    if (!area || area->format != 32)
        return false;
    const auto current = x11::reply(
        c, xcb_get_property(c, 0, root, x11::atom("_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL, 0, 1),
        xcb_get_property_reply);
    uint32_t desktop = 0;
    if (current && current->format == 32 && xcb_get_property_value_length(current.get()) >= 4)
        desktop = *static_cast<const uint32_t *>(xcb_get_property_value(current.get()));
    const int n = xcb_get_property_value_length(area.get()) / 4;
    const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(area.get()));
    if (n < 4)
        return false;
    if (int(desktop) * 4 + 4 > n)
        desktop = 0;
    const auto g = x11::reply(c, xcb_get_geometry(c, root), xcb_get_geometry_reply);
    if (!g)
        return false;
    const QRect work(int(v[desktop * 4]), int(v[desktop * 4 + 1]), int(v[desktop * 4 + 2]), int(v[desktop * 4 + 3]));
    return work != QRect(0, 0, g->width, g->height);
}

// xfdesktop's switch for its icons: 0 shows none.
XfconfProperty iconStyle()
{
    return XfconfProperty(QStringLiteral("xfce4-desktop"), QStringLiteral("/desktop-icons/style"));
}

// The desktop's icons can be switched off: xfdesktop draws them, and its
// settings store answers.
bool xfdesktopIcons(xcb_connection_t *c, const QVector<xcb_window_t> &desktops)
{
    for (xcb_window_t w : desktops) {
        if (instanceName(c, w) == "xfdesktop")
            return iconStyle().reachable();
    }
    return false;
}

// How long a hide waits for the screen to show it.
constexpr int kDockRepaintMs = 1500;
// Icons may be few or none, so a change may never come: a shorter wait.
constexpr int kIconRepaintMs = 1000;

const char *kindName(DesktopChrome::Kind kind)
{
    return kind == DesktopChrome::DesktopIcons ? "desktop" : "dock";
}

// How long a window manager is given to let an unmapped window go.
constexpr int kWithdrawMs = 1000;

// Waits until the window manager has let each window go (at once after a
// recording; a hide and show in quick succession may come before it has).
void waitWithdrawn(xcb_connection_t *c, const QList<quint32> &windows)
{
    QElapsedTimer clock;
    clock.start();
    for (quint32 w : windows) {
        while (mapState(c, w) == 1 && WithdrawnProperties::managed(c, w) && clock.elapsed() < kWithdrawMs)
            QThread::msleep(5);
    }
}

} // namespace

DesktopChrome::~DesktopChrome() = default;

void DesktopChrome::hide(Kind kind, QObject *context, std::function<void()> done)
{
    setVisible(kind, false);
    QTimer::singleShot(0, context, [done = std::move(done)] {
        if (done)
            done();
    });
}

void DesktopChrome::restoreAll()
{
    setVisible(DesktopIcons, true);
    setVisible(Taskbar, true);
}

DesktopChrome *DesktopChrome::instance()
{
    if (s_override)
        return s_override;
    if (connection()) {
        static X11DesktopChrome *real = [] {
            auto *chrome = new X11DesktopChrome;
            // Whatever way the program leaves, the panels come back.
            if (QCoreApplication::instance())
                QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                 [chrome] { chrome->restoreAll(); });
            return chrome;
        }();
        return real;
    }
    static NullDesktopChrome none;
    return &none;
}

void DesktopChrome::setInstance(DesktopChrome *chrome)
{
    s_override = chrome;
}

void setDesktopIconsVisible(bool show)
{
    DesktopChrome::instance()->setVisible(DesktopChrome::DesktopIcons, show);
}

void setTaskbarVisible(bool show)
{
    DesktopChrome::instance()->setVisible(DesktopChrome::Taskbar, show);
}

X11DesktopChrome::X11DesktopChrome(const QString &stateFile)
    : m_stateFile(stateFile.isEmpty() ? defaultStateFile() : stateFile)
{
}

QString X11DesktopChrome::defaultStateFile()
{
    // Others must not plant ids to be mapped, nor a link to be written through.
    const QString folder = PrivateFolder::path();
    if (folder.isEmpty())
        return QString();
    // One file per display: another display's ids mean other windows.
    QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(folder).filePath(QStringLiteral("mirelo-hidden-windows%1").arg(display));
}

void X11DesktopChrome::setVisible(Kind kind, bool visible)
{
    if (!connection())
        return;
    if (visible) {
        if (kind == DesktopIcons)
            showIcons();
        else
            showDocks();
        return;
    }
    const HideWait wait = kind == DesktopIcons ? hideIcons() : hideDocks();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < wait.covered.size(); ++i) {
        const int left = qMax(0, wait.timeoutMs - int(clock.elapsed()));
        screenrepaint::waitUntilRepainted(wait.covered[i].area, wait.shown[i], left, wait.covered[i].share);
    }
}

void X11DesktopChrome::hide(Kind kind, QObject *context, std::function<void()> done)
{
    if (!connection()) {
        DesktopChrome::hide(kind, context, std::move(done));
        return;
    }
    const HideWait wait = kind == DesktopIcons ? hideIcons() : hideDocks();
    screenrepaint::watchRepaint(wait.covered, wait.shown, wait.timeoutMs, context,
                                [done = std::move(done)](bool) {
                                    if (done)
                                        done();
                                });
}

bool X11DesktopChrome::canHide(Kind kind)
{
    xcb_connection_t *c = connection();
    if (!c)
        return true;
    if (kind == Taskbar) {
        // Docks are unmapped; a strip kept free with none to show for it
        // holds a bar that is no window of ours to unmap.
        return !m_hidden[Taskbar].isEmpty() || !shownOfKind(c, Taskbar).isEmpty() || !workAreaReduced(c);
    }
    if (m_iconStyleSaved)
        return true;
    // Without a desktop window there are no icons to hide.
    const QVector<xcb_window_t> desktops = shownOfKind(c, DesktopIcons);
    return desktops.isEmpty() || xfdesktopIcons(c, desktops);
}

QList<QRect> X11DesktopChrome::panels()
{
    QList<QRect> out;
    xcb_connection_t *c = connection();
    if (!c)
        return out;
    for (xcb_window_t w : shownOfKind(c, Taskbar)) {
        const QRect r = rootRect(c, w);
        if (!r.isEmpty())
            out.append(r);
    }
    return out;
}

void X11DesktopChrome::showIcons()
{
    if (!m_iconStyleSaved)
        return;
    const XfconfProperty style = iconStyle();
    if (m_iconStyleWasSet)
        style.setValue(m_iconStyle);
    else
        style.reset();
    m_iconStyleSaved = false;
    writeState();
}

X11DesktopChrome::HideWait X11DesktopChrome::hideIcons()
{
    xcb_connection_t *c = connection();
    const XfconfProperty style = iconStyle();
    const QVector<xcb_window_t> desktops = shownOfKind(c, DesktopIcons);
    if (m_iconStyleSaved || !xfdesktopIcons(c, desktops))
        return {};
    const QVariant was = style.value();
    m_iconStyleWasSet = was.isValid();
    m_iconStyle = was.toInt();
    if (m_iconStyleWasSet && m_iconStyle == 0)
        return {}; // the user shows none already
    // The file first: a crash right after still finds the old setting.
    m_iconStyleSaved = true;
    writeState();
    // Icons may be few: any change at all is them going.
    HideWait wait;
    wait.covered.append({rootRect(c, desktops.first()), 0.0});
    wait.shown.append(screenrepaint::grabArea(wait.covered.first().area));
    wait.timeoutMs = kIconRepaintMs;
    if (!style.setValue(0)) {
        m_iconStyleSaved = false;
        writeState();
        return {};
    }
    return wait;
}

void X11DesktopChrome::showDocks()
{
    xcb_connection_t *c = connection();
    const Kind kind = Taskbar;
    if (m_hidden[kind].isEmpty())
        return;
    waitWithdrawn(c, m_managed);
    // Mapped back in the reverse order, so their stacking comes back too.
    for (int i = m_hidden[kind].size() - 1; i >= 0; --i) {
        const xcb_window_t w = m_hidden[kind][i];
        if (mapState(c, w) == 1) {
            m_kept.value(w).putBack(c, w);
            xcb_map_window(c, w);
        }
    }
    m_hidden[kind].clear();
    m_kept.clear();
    m_managed.clear();
    x11::roundTrip(c);
    writeState();
}

X11DesktopChrome::HideWait X11DesktopChrome::hideDocks()
{
    xcb_connection_t *c = connection();
    const Kind kind = Taskbar;
    QVector<xcb_window_t> fresh;
    for (xcb_window_t w : shownOfKind(c, kind)) {
        // Only what shows now: a window the user unmapped is not ours.
        if (!m_hidden[kind].contains(w))
            fresh.append(w);
    }
    if (fresh.isEmpty())
        return {};
    m_hidden[kind] += fresh.toList();
    for (xcb_window_t w : fresh) {
        m_kept.insert(w, WithdrawnProperties::read(c, w));
        if (WithdrawnProperties::managed(c, w))
            m_managed.append(w);
    }
    // The file first: a crash right after the unmapping still finds them.
    writeState();
    HideWait wait;
    for (xcb_window_t w : fresh) {
        wait.covered.append({rootRect(c, w)});
        wait.shown.append(screenrepaint::grabArea(wait.covered.last().area));
    }
    wait.timeoutMs = kDockRepaintMs;
    for (xcb_window_t w : fresh)
        xcb_unmap_window(c, w);
    // Carried out before the screen is looked at.
    x11::sync();
    return wait;
}

void X11DesktopChrome::writeState() const
{
    if (m_stateFile.isEmpty())
        return; // no private folder: nothing is kept for a crash
    if (m_hidden[DesktopIcons].isEmpty() && m_hidden[Taskbar].isEmpty() && !m_iconStyleSaved) {
        QFile::remove(m_stateFile);
        return;
    }
    QByteArray text;
    for (int kind = 0; kind < 2; ++kind) {
        for (quint32 w : m_hidden[kind])
            text += QByteArray(kindName(Kind(kind))) + ' ' + QByteArray::number(w) + '\n';
    }
    // What the window manager deletes from them, on lines of their own: an
    // id's line stays as an earlier version reads it.
    for (auto it = m_kept.cbegin(); it != m_kept.cend(); ++it) {
        if (!it->isEmpty())
            text += "dock-kept " + QByteArray::number(it.key()) + ' ' + it->toText() + '\n';
    }
    if (m_iconStyleSaved)
        text += "icon-style " + (m_iconStyleWasSet ? QByteArray::number(m_iconStyle) : QByteArray("unset")) + '\n';
    KeptFile::write(m_stateFile, text);
}

void X11DesktopChrome::recoverLeftovers()
{
    // Only a regular file: a FIFO there would block the start for good.
    QByteArray text;
    xcb_connection_t *c = connection();
    if (!c || KeptFile::read(m_stateFile, &text) != KeptFile::Read)
        return;
    const QList<QByteArray> lines = text.split('\n');
    const xcb_atom_t typeProperty = x11::atom("_NET_WM_WINDOW_TYPE");
    QHash<quint32, WithdrawnProperties> kept;
    for (const QByteArray &line : lines) {
        if (!line.startsWith("dock-kept "))
            continue;
        const QList<QByteArray> parts = line.trimmed().split(' ');
        bool ok = false;
        const quint32 w = parts.value(1).toUInt(&ok);
        if (ok)
            kept.insert(w, WithdrawnProperties::fromText(parts.mid(2).join(' ')));
    }
    for (const QByteArray &line : lines) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 2)
            continue;
        if (parts[0] == "icon-style") {
            bool ok = false;
            const int was = parts[1].toInt(&ok);
            const XfconfProperty style = iconStyle();
            if (m_iconStyleSaved || !style.reachable())
                continue;
            // Only while they are still off: the user may have set them since.
            const QVariant now = style.value();
            if (now.isValid() && now.toInt() == 0) {
                if (ok)
                    style.setValue(was);
                else if (parts[1] == "unset")
                    style.reset();
            }
            continue;
        }
        const Kind kind = parts[0] == "desktop" ? DesktopIcons : parts[0] == "dock" ? Taskbar : Kind(-1);
        bool ok = false;
        const quint32 w = parts[1].toUInt(&ok);
        if (int(kind) < 0 || !ok || m_hidden[kind].contains(w))
            continue;
        // An id may have gone to another window since: only a still
        // unmapped window of the same type is mapped.
        if (mapState(c, w) == 1 && hasType(c, w, typeProperty, x11::atom(typeAtomName(kind)))) {
            if (kind == Taskbar)
                kept.value(w).putBack(c, w);
            xcb_map_window(c, w);
        }
    }
    x11::roundTrip(c);
    writeState();
}
