// Desktop icons and panels kept out of a recording, against test windows of
// another client on a private X server (no window manager: the test keeps
// the root's client list itself).
#include <QtTest>

#include "platform/desktopchrome.h"

#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <cstdlib>
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
        xcb_delete_property(c, root, atom("_NET_CLIENT_LIST"));
        sync();
        xcb_disconnect(c);
    }

    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }

    // A top-level window of the given type; listed in the client list when asked.
    xcb_window_t window(const char *type, bool mapped, bool listed = true)
    {
        const xcb_window_t w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, root, 0, 0, 100, 30, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
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
        xcb_get_window_attributes_reply_t *r =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        const bool on = r && r->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(r);
        return on;
    }

    void unmap(xcb_window_t w)
    {
        xcb_unmap_window(c, w);
        sync();
    }

    void sync() { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

    xcb_connection_t *c;
    xcb_window_t root;
    QVector<xcb_window_t> windows;
    QVector<xcb_window_t> clients;
};

} // namespace

class TestX11DesktopChrome : public QObject
{
    Q_OBJECT
private slots:
    void hidesAndMapsBackExactlyWhatItHid()
    {
        Desktop desktop;
        const xcb_window_t icons = desktop.window("_NET_WM_WINDOW_TYPE_DESKTOP", true);
        const xcb_window_t panel = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true);
        // A dock outside the client list, as without a window manager.
        const xcb_window_t looseDock = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true, false);
        const xcb_window_t userHidden = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", false);
        const xcb_window_t normal = desktop.window("_NET_WM_WINDOW_TYPE_NORMAL", true);
        const xcb_window_t untyped = desktop.window(nullptr, true);

        QTemporaryDir dir;
        X11DesktopChrome chrome(dir.filePath("hidden"));
        chrome.setVisible(DesktopChrome::DesktopIcons, false);
        QVERIFY(!desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QVERIFY(QFile::exists(chrome.stateFile()));

        chrome.setVisible(DesktopChrome::Taskbar, false);
        QVERIFY(!desktop.mapped(panel));
        QVERIFY(!desktop.mapped(looseDock));
        QVERIFY(desktop.mapped(normal));
        QVERIFY(desktop.mapped(untyped));
        QCOMPARE(chrome.hidden(DesktopChrome::Taskbar).size(), 2);
        // A second hide (a second recording) loses nothing.
        chrome.setVisible(DesktopChrome::Taskbar, false);
        QCOMPARE(chrome.hidden(DesktopChrome::Taskbar).size(), 2);

        chrome.restoreAll();
        QVERIFY(desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QVERIFY(desktop.mapped(looseDock));
        QVERIFY(!desktop.mapped(userHidden));
        QVERIFY(!QFile::exists(chrome.stateFile()));
    }

    void aCrashLeavesNothingHiddenForTheNextStart()
    {
        Desktop desktop;
        const xcb_window_t icons = desktop.window("_NET_WM_WINDOW_TYPE_DESKTOP", true);
        const xcb_window_t panel = desktop.window("_NET_WM_WINDOW_TYPE_DOCK", true);
        const xcb_window_t other = desktop.window("_NET_WM_WINDOW_TYPE_NORMAL", false);
        QTemporaryDir dir;
        const QString file = dir.filePath("hidden");
        {
            X11DesktopChrome dying(file);
            dying.setVisible(DesktopChrome::DesktopIcons, false);
            dying.setVisible(DesktopChrome::Taskbar, false);
        } // gone without mapping back, as in a crash
        QVERIFY(!desktop.mapped(icons));
        QVERIFY(!desktop.mapped(panel));
        // A stale id that now names an ordinary window is left alone.
        QFile extra(file);
        QVERIFY(extra.open(QIODevice::Append));
        extra.write(QByteArray("dock ") + QByteArray::number(other) + "\nnonsense\n");
        extra.close();

        X11DesktopChrome next(file);
        next.recoverLeftovers();
        QVERIFY(desktop.mapped(icons));
        QVERIFY(desktop.mapped(panel));
        QVERIFY(!desktop.mapped(other));
        QVERIFY(!QFile::exists(file));
    }

    void nothingToHideIsNoError()
    {
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
