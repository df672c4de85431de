// Desktop icons and panels kept out of a recording: against test windows of
// another client on a private X server (no window manager: the test keeps
// the root's client list itself), and on real desktops (their panels or
// docks, xfdesktop where there is one), where the screen must show the
// wallpaper without them.
#include <QtTest>

#include "platform/desktopchrome.h"
#include "platform/x11.h"
#include "platform/xfconfproperty.h"
#include "testsupport.h"

#include <QScreen>
#include <QTemporaryDir>

#include <cstring>
#include <unistd.h>

namespace {

// The desktop's side: its own connection, as a panel would have.
class Desktop
{
public:
    Desktop() : c(xcb_connect(nullptr, nullptr))
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }
    ~Desktop()
    {
        for (xcb_window_t w : windows)
            xcb_destroy_window(c, w);
        // Only a list of its own: a window manager's is not the test's.
        if (!clients.isEmpty())
            xcb_delete_property(c, root, atom("_NET_CLIENT_LIST"));
        sync();
        xcb_disconnect(c);
    }

    xcb_atom_t atom(const char *name)
    {
        const auto r = x11::reply(c, xcb_intern_atom(c, 0, strlen(name), name), xcb_intern_atom_reply);
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // A window of the given type; listed in the client list when asked. A
    // parent stands for a window manager's frame around it.
    xcb_window_t window(const char *type, bool mapped, bool listed = true, xcb_window_t parent = 0,
                        const QRect &rect = QRect(0, 0, 100, 30))
    {
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, parent ? parent : root, int16_t(rect.x()), int16_t(rect.y()),
                          uint16_t(rect.width()), uint16_t(rect.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        if (type) {
            const xcb_atom_t t = atom(type);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &t);
        }
        if (mapped)
            xcb_map_window(c, w);
        windows.append(w);
        if (listed) {
            clients.append(w);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 32,
                                uint32_t(clients.size()), clients.constData());
        }
        sync();
        return w;
    }

    bool mapped(xcb_window_t w)
    {
        sync();
        const auto r = x11::reply(c, xcb_get_window_attributes(c, w), xcb_get_window_attributes_reply);
        return r && r->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    void unmap(xcb_window_t w)
    {
        xcb_unmap_window(c, w);
        sync();
    }

    void sync() { x11::roundTrip(c); }

    void setCardinals(xcb_window_t w, const char *property, const QVector<uint32_t> &values)
    {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(property), XCB_ATOM_CARDINAL, 32,
                            uint32_t(values.size()), values.constData());
        sync();
    }
    QVector<uint32_t> cardinals(xcb_window_t w, const char *property)
    {
        const auto r = x11::reply(c, xcb_get_property(c, 0, w, atom(property), XCB_ATOM_CARDINAL, 0, 4096),
                                  xcb_get_property_reply);
        if (!r || r->format != 32)
            return {};
        const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(r.get()));
        return QVector<uint32_t>(v, v + xcb_get_property_value_length(r.get()) / 4);
    }
    void setStates(xcb_window_t w, const QList<QByteArray> &names)
    {
        QVector<xcb_atom_t> atoms;
        for (const QByteArray &name : names)
            atoms.append(atom(name.constData()));
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                            uint32_t(atoms.size()), atoms.constData());
        sync();
    }
    // A window's desktop and its states (the window manager's own left out,
    // in no order): what a panel is to get back.
    QString placing(xcb_window_t w)
    {
        QStringList states;
        const auto r = x11::reply(c, xcb_get_property(c, 0, w, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64),
                                  xcb_get_property_reply);
        if (r && r->format == 32) {
            const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
            for (int i = 0; i < xcb_get_property_value_length(r.get()) / 4; ++i) {
                const auto name = x11::reply(c, xcb_get_atom_name(c, atoms[i]), xcb_get_atom_name_reply);
                const QString text = name ? QString::fromLatin1(xcb_get_atom_name_name(name.get()),
                                                                xcb_get_atom_name_name_length(name.get()))
                                          : QString();
                if (text != QLatin1String("_NET_WM_STATE_FOCUSED") && text != QLatin1String("_NET_WM_STATE_HIDDEN"))
                    states << text;
            }
        }
        states.sort();
        const QVector<uint32_t> d = cardinals(w, "_NET_WM_DESKTOP");
        return QStringLiteral("desktop %1; %2")
            .arg(d.isEmpty() ? QStringLiteral("none") : QString::number(d.first()), states.join(QLatin1Char(' ')));
    }
    // The window manager has let a window go (ICCCM: no WM_STATE, or
    // withdrawn), or manages it.
    bool managed(xcb_window_t w)
    {
        const auto r = x11::reply(c, xcb_get_property(c, 0, w, atom("WM_STATE"), atom("WM_STATE"), 0, 1),
                                  xcb_get_property_reply);
        return r && xcb_get_property_value_length(r.get()) >= 4
               && *static_cast<const uint32_t *>(xcb_get_property_value(r.get())) != 0;
    }

    // Every mapped dock with its place: a top-level window, or one a window
    // manager keeps inside its own frames (KWin every client, i3 its bar,
    // outside its client list).
    QList<QPair<xcb_window_t, QRect>> docks(xcb_window_t under = XCB_WINDOW_NONE)
    {
        QList<QPair<xcb_window_t, QRect>> out;
        for (xcb_window_t w : children(under == XCB_WINDOW_NONE ? root : under)) {
            if (!mapped(w))
                continue;
            if (!hasType(w, "_NET_WM_WINDOW_TYPE_DOCK")) {
                out += docks(w);
                continue;
            }
            const auto g = x11::reply(c, xcb_get_geometry(c, w), xcb_get_geometry_reply);
            const auto at = x11::reply(c, xcb_translate_coordinates(c, w, root, 0, 0), xcb_translate_coordinates_reply);
            if (g && at)
                out.append({w, QRect(at->dst_x, at->dst_y, g->width, g->height)});
        }
        return out;
    }

    QVector<xcb_window_t> children(xcb_window_t w)
    {
        QVector<xcb_window_t> out;
        const auto tree = x11::reply(c, xcb_query_tree(c, w), xcb_query_tree_reply);
        if (tree) {
            const xcb_window_t *kids = xcb_query_tree_children(tree.get());
            out = QVector<xcb_window_t>(kids, kids + xcb_query_tree_children_length(tree.get()));
        }
        return out;
    }

    bool hasType(xcb_window_t w, const char *type)
    {
        const auto t = x11::reply(c, xcb_get_property(c, 0, w, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 0, 16),
                                  xcb_get_property_reply);
        return t && xcb_get_property_value_length(t.get()) >= 4
               && *static_cast<const xcb_atom_t *>(xcb_get_property_value(t.get())) == atom(type);
    }

    xcb_connection_t *c;
    xcb_window_t root;
    QVector<xcb_window_t> windows;
    QVector<xcb_window_t> clients;
};

// The screen as a recording would take it.
QImage screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// The share of the pixels in `area` that differ plainly between two pictures.
double changed(const QImage &a, const QImage &b, const QRect &area)
{
    int diff = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            diff += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 30;
            ++all;
        }
    }
    return all ? double(diff) / all : 0;
}

// The share of black pixels in `area`: a desktop that lost its wallpaper.
double black(const QImage &picture, const QRect &area)
{
    int dark = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const QRgb p = picture.pixel(x, y);
            dark += qRed(p) + qGreen(p) + qBlue(p) < 12;
            ++all;
        }
    }
    return all ? double(dark) / all : 0;
}

bool realDesktop() { return !qEnvironmentVariableIsEmpty("MIRELO_TEST_DESKTOP"); }

} // namespace

class TestX11DesktopChrome : public QObject
{
    Q_OBJECT
private slots:
    void hidesAndMapsBackExactlyWhatItHid()
    {
        if (realDesktop())
            QSKIP("keeps the root's client list itself, which a window manager owns");
        Desktop desktop;
        const xcb_window_t icons = desktop.window("_NET_WM_WINDOW_TYPE_DESKTOP", true);
        const xcb_window_t panel = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true);
        // On every desktop, out of the task bar and pager.
        desktop.setCardinals(panel, "_NET_WM_DESKTOP", {0xFFFFFFFF});
        desktop.setStates(panel, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_FOCUSED"});
        const QString placing = desktop.placing(panel);
        // A dock outside the client list, as without a window manager.
        const xcb_window_t looseDock = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true, false);
        const xcb_window_t userHidden = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", false);
        const xcb_window_t normal = desktop.window("_NET_WM_WINDOW_TYPE_NORMAL", true);
        const xcb_window_t untyped = desktop.window(nullptr, true);
        // A dock inside a frame that nobody lists, as i3 keeps its bar.
        const xcb_window_t frame = desktop.window(nullptr, true, false, 0, QRect(0, 1050, 1920, 30));
        const xcb_window_t framedDock = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true, false, frame,
                                                       QRect(0, 0, 1920, 30));

        QTemporaryDir dir;
        X11DesktopChrome chrome(dir.filePath("hidden"));
        // The desktop window holds the wallpaper too: it stays, and a
        // desktop without a switch for its icons says it cannot hide them.
        QVERIFY(!chrome.canHide(DesktopChrome::DesktopIcons));
        QVERIFY(chrome.canHide(DesktopChrome::Taskbar));
        // Where the tool bar of the region frame must not go.
        QVERIFY(chrome.panels().contains(QRect(0, 1050, 1920, 30)));
        QCOMPARE(chrome.panels().size(), 3);
        chrome.setVisible(DesktopChrome::DesktopIcons, false);
        QVERIFY(desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QVERIFY(!QFile::exists(chrome.stateFile()));

        chrome.setVisible(DesktopChrome::Taskbar, false);
        QVERIFY(QFile::exists(chrome.stateFile()));
        QVERIFY(!desktop.mapped(panel));
        QVERIFY(!desktop.mapped(looseDock));
        QVERIFY(!desktop.mapped(framedDock));
        QVERIFY(desktop.mapped(frame));
        QVERIFY(desktop.mapped(normal));
        QVERIFY(desktop.mapped(untyped));
        QCOMPARE(chrome.hidden(DesktopChrome::Taskbar).size(), 3);
        QVERIFY(chrome.panels().isEmpty());
        // A second hide (a second recording) loses nothing.
        chrome.setVisible(DesktopChrome::Taskbar, false);
        QCOMPARE(chrome.hidden(DesktopChrome::Taskbar).size(), 3);
        // A window manager deletes them from a window it lets go.
        xcb_delete_property(desktop.c, panel, desktop.atom("_NET_WM_DESKTOP"));
        xcb_delete_property(desktop.c, panel, desktop.atom("_NET_WM_STATE"));
        desktop.sync();

        chrome.restoreAll();
        QVERIFY(desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QCOMPARE(desktop.placing(panel), placing);
        QVERIFY(desktop.mapped(looseDock));
        QVERIFY(desktop.mapped(framedDock));
        QVERIFY(!desktop.mapped(userHidden));
        QVERIFY(!QFile::exists(chrome.stateFile()));
    }

    void aCrashLeavesNothingHiddenForTheNextStart()
    {
        if (realDesktop())
            QSKIP("keeps the root's client list itself, which a window manager owns");
        Desktop desktop;
        const xcb_window_t icons = desktop.window("_NET_WM_WINDOW_TYPE_DESKTOP", true);
        const xcb_window_t panel = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true);
        desktop.setCardinals(panel, "_NET_WM_DESKTOP", {0xFFFFFFFF});
        desktop.setStates(panel, {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR"});
        const QString placing = desktop.placing(panel);
        const xcb_window_t other = desktop.window("_NET_WM_WINDOW_TYPE_NORMAL", false);
        QTemporaryDir dir;
        const QString file = dir.filePath("hidden");
        {
            X11DesktopChrome dying(file);
            dying.setVisible(DesktopChrome::DesktopIcons, false);
            dying.setVisible(DesktopChrome::Taskbar, false);
        } // gone without mapping back, as in a crash
        QVERIFY(desktop.mapped(icons));
        QVERIFY(!desktop.mapped(panel));
        xcb_delete_property(desktop.c, panel, desktop.atom("_NET_WM_DESKTOP"));
        xcb_delete_property(desktop.c, panel, desktop.atom("_NET_WM_STATE"));
        // A desktop window an earlier version unmapped comes back too; a
        // stale id that now names an ordinary window is left alone.
        desktop.unmap(icons);
        QFile extra(file);
        QVERIFY(extra.open(QIODevice::Append));
        extra.write(QByteArray("desktop ") + QByteArray::number(icons) + "\ndock " + QByteArray::number(other)
                    + "\nnonsense\n");
        extra.close();

        X11DesktopChrome next(file);
        next.recoverLeftovers();
        QVERIFY(desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QCOMPARE(desktop.placing(panel), placing);
        QVERIFY(!desktop.mapped(other));
        QVERIFY(!QFile::exists(file));
    }

    void nothingToHideIsNoError()
    {
        if (realDesktop())
            QSKIP("keeps the root's client list itself, which a window manager owns");
        Desktop desktop;
        const xcb_window_t normal = desktop.window("_NET_WM_WINDOW_TYPE_NORMAL", true);
        QTemporaryDir dir;
        X11DesktopChrome chrome(dir.filePath("hidden"));
        chrome.setVisible(DesktopChrome::Taskbar, false);
        QVERIFY(chrome.hidden(DesktopChrome::Taskbar).isEmpty());
        QVERIFY(!QFile::exists(chrome.stateFile()));
        chrome.setVisible(DesktopChrome::Taskbar, true);
        chrome.recoverLeftovers(); // no file
        QVERIFY(desktop.mapped(normal));
        // No desktop window: no icons, nothing to say; nor a bar.
        QVERIFY(chrome.canHide(DesktopChrome::DesktopIcons));
        QVERIFY(chrome.canHide(DesktopChrome::Taskbar));
        // A strip kept free for a bar that is no dock (a desktop shell
        // draws it itself): that bar stays, and the user is to be told.
        const uint32_t work[] = {0, 32, 1920, 1048};
        xcb_change_property(desktop.c, XCB_PROP_MODE_REPLACE, desktop.root, desktop.atom("_NET_WORKAREA"),
                            XCB_ATOM_CARDINAL, 32, 4, work);
        desktop.sync();
        QVERIFY(!chrome.canHide(DesktopChrome::Taskbar));
        const xcb_window_t panel = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true, true, 0, QRect(0, 0, 1920, 32));
        QVERIFY(chrome.canHide(DesktopChrome::Taskbar));
        desktop.unmap(panel);
        xcb_delete_property(desktop.c, desktop.root, desktop.atom("_NET_WORKAREA"));
        desktop.sync();
        QVERIFY(chrome.canHide(DesktopChrome::Taskbar));
    }

    // On xfdesktop its icons are switched off, not its window unmapped:
    // the screen shows the wallpaper without icons, and without the panels
    // once they are unmapped, as soon as the calls return (a compositing
    // manager repaints after them); all comes back afterwards, and after a
    // crash at the next start. A desktop without a desktop window (i3) has
    // its wallpaper on the root window and no icons.
    void aRealDesktopKeepsItsWallpaper()
    {
        if (!realDesktop())
            QSKIP("needs a real desktop");
        Desktop desktop;
        const auto docks = desktop.docks();
        // xfce4-panel's panel and dock; tint2; i3bar.
        QCOMPARE(docks.size(), testsupport::desktop() == testsupport::Desktop::Xfce ? 2 : 1);
        const bool xfdesktop = testsupport::desktop() != testsupport::Desktop::I3;
        const XfconfProperty style(QStringLiteral("xfce4-desktop"), QStringLiteral("/desktop-icons/style"));
        QVERIFY(!style.value().isValid());
        // The icons in their column at the left of the work area, the
        // wallpaper everywhere, once the desktop has drawn them.
        const QRect icons(QGuiApplication::primaryScreen()->availableGeometry().topLeft(), QSize(160, 300));
        const QRect middle(600, 300, 700, 400), whole = screen().rect();
        QTRY_VERIFY_WITH_TIMEOUT(black(screen(), whole) < 0.05, 20000);
        QImage before = screen();
        auto still = [&] {
            const QImage now = screen();
            const bool same = changed(before, now, whole) == 0;
            before = now;
            return same;
        };
        QTRY_VERIFY_WITH_TIMEOUT(still(), 20000);

        QTemporaryDir dir;
        const QString file = dir.filePath("hidden");
        {
            X11DesktopChrome chrome(file);
            // Without a desktop window there is nothing to hide, and nothing
            // to say.
            QVERIFY(chrome.canHide(DesktopChrome::DesktopIcons));
            chrome.setVisible(DesktopChrome::DesktopIcons, false);
            QCOMPARE(chrome.iconsHidden(), xfdesktop);
            if (xfdesktop) {
                QCOMPARE(style.value().toInt(), 0);
                const QImage noIcons = screen();
                QVERIFY(black(noIcons, whole) < 0.05);
                QVERIFY(changed(before, noIcons, icons) > 0.01);
                QVERIFY(changed(before, noIcons, middle) < 0.01);
            }

            chrome.setVisible(DesktopChrome::Taskbar, false);
            const QImage noPanels = screen();
            for (const auto &dock : docks) {
                QVERIFY(!desktop.mapped(dock.first));
                QVERIFY2(changed(before, noPanels, dock.second) > 0.5, "the panel is still on the screen");
                QVERIFY(black(noPanels, dock.second) < 0.05);
            }

            chrome.restoreAll();
            QVERIFY(!style.value().isValid());
            // A window manager maps a managed window back in its own time.
            for (const auto &dock : docks)
                QTRY_VERIFY(desktop.mapped(dock.first));
            QTRY_VERIFY_WITH_TIMEOUT(changed(before, screen(), icons) < 0.01, 10000);

            chrome.setVisible(DesktopChrome::DesktopIcons, false);
            chrome.setVisible(DesktopChrome::Taskbar, false);
        } // gone without showing them again, as in a crash
        if (xfdesktop)
            QCOMPARE(style.value().toInt(), 0);
        X11DesktopChrome next(file);
        next.recoverLeftovers();
        QVERIFY(!style.value().isValid());
        for (const auto &dock : docks)
            QTRY_VERIFY(desktop.mapped(dock.first));
        QVERIFY(!QFile::exists(file));
        QTRY_VERIFY_WITH_TIMEOUT(changed(before, screen(), icons) < 0.01, 10000);
    }

    // A panel comes back as it was: on every desktop, out of the task bar
    // and pager, its strip kept free on each desktop. A window manager
    // deletes a withdrawn window's desktop and state, and places a window
    // mapped without them on the current desktop only (openbox), with the
    // desktop's own panels as with one made as lxpanel makes its own.
    void aPanelComesBackOnEveryDesktop()
    {
        if (!realDesktop())
            QSKIP("needs a real desktop");
        Desktop desktop;
        if (testsupport::desktop() == testsupport::Desktop::Openbox) {
            // Four desktops, as a user of workspaces has them.
            xcb_client_message_event_t ask = {};
            ask.response_type = XCB_CLIENT_MESSAGE;
            ask.format = 32;
            ask.window = desktop.root;
            ask.type = desktop.atom("_NET_NUMBER_OF_DESKTOPS");
            ask.data.data32[0] = 4;
            xcb_send_event(desktop.c, 0, desktop.root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&ask));
            QTRY_COMPARE(desktop.cardinals(desktop.root, "_NET_NUMBER_OF_DESKTOPS"), QVector<uint32_t>{4});
        }
        // A panel along the left edge, keeping its strip free.
        const QRect strip(0, 300, 48, 400);
        const xcb_window_t panel = xcb_generate_id(desktop.c);
        xcb_create_window(desktop.c, XCB_COPY_FROM_PARENT, panel, desktop.root, int16_t(strip.x()),
                          int16_t(strip.y()), uint16_t(strip.width()), uint16_t(strip.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        desktop.windows.append(panel);
        const xcb_atom_t dock = desktop.atom("_NET_WM_WINDOW_TYPE_DOCK");
        xcb_change_property(desktop.c, XCB_PROP_MODE_REPLACE, panel, desktop.atom("_NET_WM_WINDOW_TYPE"),
                            XCB_ATOM_ATOM, 32, 1, &dock);
        desktop.setCardinals(panel, "_NET_WM_DESKTOP", {0xFFFFFFFF});
        desktop.setStates(panel, {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
        desktop.setCardinals(panel, "_NET_WM_STRUT", {uint32_t(strip.width()), 0, 0, 0});
        desktop.setCardinals(panel, "_NET_WM_STRUT_PARTIAL",
                             {uint32_t(strip.width()), 0, 0, 0, uint32_t(strip.top()), uint32_t(strip.bottom()), 0,
                              0, 0, 0, 0, 0});
        xcb_map_window(desktop.c, panel);
        desktop.sync();
        QTRY_VERIFY_WITH_TIMEOUT(desktop.managed(panel) && desktop.mapped(panel), 10000);
        // As the window manager keeps them once it has taken the panel in.
        const auto docks = desktop.docks();
        QVERIFY(docks.size() >= 2);
        QMap<xcb_window_t, QString> placings;
        auto settled = [&] {
            QMap<xcb_window_t, QString> now;
            for (const auto &d : docks)
                now.insert(d.first, desktop.placing(d.first));
            const bool same = now == placings;
            placings = now;
            return same;
        };
        QTRY_VERIFY(settled());
        QVERIFY2(placings.value(panel).startsWith(QLatin1String("desktop 4294967295"))
                     || testsupport::desktop() == testsupport::Desktop::I3,
                 qPrintable(placings.value(panel)));
        const QVector<uint32_t> workArea = desktop.cardinals(desktop.root, "_NET_WORKAREA");

        QTemporaryDir dir;
        X11DesktopChrome chrome(dir.filePath("hidden"));
        chrome.setVisible(DesktopChrome::Taskbar, false);
        QVERIFY(!desktop.mapped(panel));
        chrome.restoreAll();
        for (const auto &d : docks) {
            QTRY_VERIFY(desktop.mapped(d.first));
            QTRY_COMPARE(desktop.placing(d.first), placings.value(d.first));
        }
        QTRY_COMPARE(desktop.cardinals(desktop.root, "_NET_WORKAREA"), workArea);
    }

    // The list of windows to map back is the user's own: without a runtime
    // folder it is not kept where another user could plant ids or a link.
    void theListIsKeptInAPrivateFolder()
    {
        QTemporaryDir temp;
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QString file = X11DesktopChrome::defaultStateFile();
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", tmpdir);
        QCOMPARE(QFileInfo(file).absolutePath(), temp.filePath(QStringLiteral("mirelo-%1").arg(::geteuid())));
    }
};

QTEST_MAIN(TestX11DesktopChrome)
#include "tst_x11_desktopchrome.moc"
