// The real stacking layer on an X server: the window keeps its native window
// (and with it the native children something draws into) across the state
// changes and the hides and shows that follow them.
#include <QtTest>

#include "platform/windowstacking.h"

#include <QWindow>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
bool exists(xcb_window_t id)
{
    xcb_connection_t *c = QX11Info::connection();
    xcb_get_geometry_reply_t *r = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    std::free(r);
    return r != nullptr;
}

bool hasAboveState(xcb_window_t id)
{
    xcb_connection_t *c = QX11Info::connection();
    const char *names[] = {"_NET_WM_STATE", "_NET_WM_STATE_ABOVE"};
    xcb_atom_t atoms[2];
    for (int i = 0; i < 2; ++i) {
        xcb_intern_atom_reply_t *a =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(names[i])), names[i]), nullptr);
        atoms[i] = a ? a->atom : 0;
        std::free(a);
    }
    xcb_get_property_reply_t *r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, id, atoms[0], XCB_ATOM_ATOM, 0, 64), nullptr);
    bool found = false;
    if (r && r->format == 32) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(r));
        for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
            found = found || data[i] == atoms[1];
    }
    std::free(r);
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
};

QTEST_MAIN(TestX11WindowStacking)
#include "tst_x11_windowstacking.moc"
