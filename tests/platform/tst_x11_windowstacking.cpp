// The real stacking layer on an X server: the window keeps its native window
// (and with it the native children something draws into) across the state
// changes and the hides and shows that follow them; the stacking read and
// its changes heard, also those another program makes, each restack of a
// window raised again and again; the keyboard focus read and given, and
// where it falls when the window that has it hides.
#include <QtTest>

#include "platform/windowstacking.h"
#include "platform/x11.h"

#include <QWindow>
#include <QX11Info>

#include <cstring>

namespace {
bool exists(xcb_window_t id)
{
    xcb_connection_t *c = QX11Info::connection();
    return x11::reply(c, xcb_get_geometry(c, id), xcb_get_geometry_reply) != nullptr;
}

bool hasAboveState(xcb_window_t id)
{
    xcb_connection_t *c = QX11Info::connection();
    const char *names[] = {"_NET_WM_STATE", "_NET_WM_STATE_ABOVE"};
    xcb_atom_t atoms[2];
    for (int i = 0; i < 2; ++i) {
        const auto a = x11::reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(names[i])), names[i]), xcb_intern_atom_reply);
        atoms[i] = a ? a->atom : 0;
    }
    const auto r = x11::reply(c, xcb_get_property(c, 0, id, atoms[0], XCB_ATOM_ATOM, 0, 64), xcb_get_property_reply);
    bool found = false;
    if (r && r->format == 32) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
        for (int i = 0; i < xcb_get_property_value_length(r.get()) / 4; ++i)
            found = found || data[i] == atoms[1];
    }
    return found;
}
} // namespace

class TestX11WindowStacking : public QObject
{
    Q_OBJECT
private slots:
    void hideAndShowKeepTheNativeWindowAndTheState()
    {
        QWindow window;
        window.resize(200, 150);
        QWindow child(&window); // a native child, as a preview surface is
        child.setGeometry(2, 2, 100, 80);
        child.show();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const xcb_window_t id = xcb_window_t(window.winId());
        const xcb_window_t childId = xcb_window_t(child.winId());

        WmWindowStacking stacking;
        for (bool on : {true, false, true}) {
            stacking.setStaysOnTop(&window, on);
            QCOMPARE(stacking.staysOnTop(&window), on);
            window.hide();
            QTRY_VERIFY(!window.isExposed());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(xcb_window_t(window.winId()), id);
            QVERIFY2(exists(childId), "the native child went with a re-created window");
            QCOMPARE(hasAboveState(id), on);
        }
        QVERIFY(!window.flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void stackingHeardAndFocusGiven()
    {
        QWindow a, b;
        a.setGeometry(10, 10, 100, 100);
        b.setGeometry(50, 50, 100, 100);
        a.show();
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        WmWindowStacking stacking;
        const quint32 idA = stacking.topLevelOf(&a), idB = stacking.topLevelOf(&b);
        QCOMPARE(idA, quint32(a.winId())); // no window manager: no frame
        QVERIFY(stacking.stackingOrder().indexOf(idB) > stacking.stackingOrder().indexOf(idA));

        // Another program raises a window: heard, and read as it is.
        int heard = 0;
        auto *owner = new QObject;
        stacking.watchStacking(owner, [&] { ++heard; });
        xcb_connection_t *other = xcb_connect(nullptr, nullptr);
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(other, idA, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_flush(other);
        QTRY_VERIFY(heard > 0);
        QVERIFY(stacking.stackingOrder().indexOf(idA) > stacking.stackingOrder().indexOf(idB));
        // And so is a window it maps.
        const int before = heard;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(other)).data;
        const xcb_window_t mapped = xcb_generate_id(other);
        xcb_create_window(other, XCB_COPY_FROM_PARENT, mapped, screen->root, 0, 0, 20, 20, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(other, mapped);
        xcb_flush(other);
        QTRY_VERIFY(heard > before);
        QTRY_COMPARE(stacking.stackingOrder().constLast(), quint32(mapped));
        // Windows raised in turn over one that raises itself back after
        // each, as over the control bar: every raise is heard, also the one
        // that puts a window above the same sibling as its last raise did.
        for (const quint32 raised : {idA, quint32(mapped), idB, quint32(mapped), idA, quint32(mapped), idB}) {
            const int was = heard;
            xcb_configure_window(other, raised, XCB_CONFIG_WINDOW_STACK_MODE, &above);
            xcb_flush(other);
            QTRY_VERIFY(heard > was);
            QCOMPARE(stacking.stackingOrder().constLast(), raised);
        }
        delete owner; // no more calls
        const int last = heard;
        xcb_configure_window(other, idB, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_flush(other);
        QTRY_COMPARE(stacking.stackingOrder().constLast(), idB);
        QCOMPARE(heard, last);

        // The keyboard, given to a window that shows; one that does not
        // show cannot have it.
        stacking.setKeyboardFocus(idA);
        QCOMPARE(stacking.keyboardFocus(), idA);
        b.hide();
        QTRY_VERIFY(!b.isExposed());
        stacking.setKeyboardFocus(idB);
        QCOMPARE(stacking.keyboardFocus(), idA);
        xcb_disconnect(other);
    }

    // A window manager frames a window; Qt gives the window the keyboard so
    // that it reverts to its parent, the frame, which goes when the window
    // hides. The focus then falls to the root, never to no window at all:
    // with none the X server delivers no key, not even a global hotkey.
    void focusOfAHiddenWindowFallsToTheRoot()
    {
        QWindow window;
        window.setGeometry(20, 20, 120, 90);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const xcb_window_t id = xcb_window_t(window.winId());
        xcb_connection_t *wm = xcb_connect(nullptr, nullptr);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(wm)).data;
        const xcb_window_t frame = xcb_generate_id(wm);
        xcb_create_window(wm, XCB_COPY_FROM_PARENT, frame, screen->root, 10, 10, 200, 150, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(wm, frame);
        xcb_reparent_window(wm, id, frame, 0, 0);
        xcb_map_window(wm, id);
        x11::roundTrip(wm);
        const auto focus = [] {
            xcb_connection_t *c = QX11Info::connection();
            const auto r = x11::reply(c, xcb_get_input_focus(c), xcb_get_input_focus_reply);
            return r ? quint32(r->focus) : quint32(0xffffffff);
        };
        window.requestActivate(); // no window manager to ask: Qt sets it itself
        QTRY_COMPARE(focus(), quint32(id));

        WmWindowStacking stacking;
        stacking.letFocusFallToRoot();
        window.hide();
        QTRY_VERIFY(focus() != quint32(id));
        xcb_unmap_window(wm, frame);
        x11::roundTrip(wm);
        QCOMPARE(focus(), quint32(XCB_INPUT_FOCUS_POINTER_ROOT));
        xcb_reparent_window(wm, id, screen->root, 0, 0);
        x11::roundTrip(wm);
        xcb_disconnect(wm);
    }
};

QTEST_MAIN(TestX11WindowStacking)
#include "tst_x11_windowstacking.moc"
