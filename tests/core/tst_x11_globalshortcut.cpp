// Global hotkeys on a real X server: keys sent by xdotool, grabs checked
// from a second X client.
#include <QProcess>
#include <QSignalSpy>
#include <QX11Info>
#include <QtTest>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "platform/x11.h"
#include "qxtglobalshortcut.h"

namespace {

QKeySequence keys(const char *text)
{
    return QKeySequence::fromString(QString::fromLatin1(text), QKeySequence::NativeText);
}

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Another program on the same display.
class OtherClient
{
public:
    OtherClient()
        : m_c(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_c);
        const x11::Reply<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols, XK_s));
        m_keycodeS = codes.get()[0];
        xcb_key_symbols_free(symbols);
    }
    ~OtherClient() { xcb_disconnect(m_c); }

    // Grabs Ctrl+Alt+S as a plain program would.
    bool grabCtrlAltS()
    {
        return x11::succeeded(m_c, xcb_grab_key_checked(m_c, 1, m_root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1,
                                                        m_keycodeS, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    void ungrabCtrlAltS()
    {
        xcb_ungrab_key(m_c, m_keycodeS, m_root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1);
        x11::roundTrip(m_c);
    }
    unsigned modifierState()
    {
        const auto r = x11::reply(m_c, xcb_query_pointer(m_c, m_root), xcb_query_pointer_reply);
        return r ? r->mask : 0;
    }

private:
    xcb_connection_t *m_c;
    xcb_window_t m_root = 0;
    xcb_keycode_t m_keycodeS = 0;
};

} // namespace

class TestX11GlobalShortcut : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(QX11Info::isPlatformX11());
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
    }

    void pressActivatesAlsoWithLockKeys()
    {
        QxtGlobalShortcut shortcut;
        QSignalSpy spy(&shortcut, &QxtGlobalShortcut::activated);
        QVERIFY(shortcut.setShortcut(keys("Ctrl+Alt+S")));

        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}));
        QTRY_COMPARE(spy.size(), 1);

        OtherClient probe;
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")}));
        QTRY_VERIFY(probe.modifierState() & XCB_MOD_MASK_2);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}));
        QTRY_COMPARE(spy.size(), 2);

        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")}));
        QTRY_VERIFY(probe.modifierState() & XCB_MOD_MASK_LOCK);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}));
        QTRY_COMPARE(spy.size(), 3);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}));
        QTRY_VERIFY(!(probe.modifierState() & (XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK)));

        // Another combination of the same letter is not this hotkey: a
        // second hotkey pressed after it arrives after anything it set off.
        QxtGlobalShortcut after;
        QSignalSpy afterSpy(&after, &QxtGlobalShortcut::activated);
        QVERIFY(after.setShortcut(keys("Ctrl+Alt+B")));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+s")}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+b")}));
        QTRY_COMPARE(afterSpy.size(), 1);
        QCOMPARE(spy.size(), 3);
    }

    void grabIsExclusiveAndReleased()
    {
        OtherClient other;
        {
            QxtGlobalShortcut shortcut;
            QVERIFY(shortcut.setShortcut(keys("Ctrl+Alt+S")));
            QVERIFY(!other.grabCtrlAltS()); // we hold it

            QxtGlobalShortcut second;
            QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+S");
            QVERIFY(!second.setShortcut(keys("Ctrl+Alt+S")));
            QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+S");
        }
        QVERIFY(other.grabCtrlAltS()); // freed when the shortcut went

        QxtGlobalShortcut late;
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+S");
        QVERIFY(!late.setShortcut(keys("Ctrl+Alt+S")));
        other.ungrabCtrlAltS();
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+S");
        QVERIFY(late.setShortcut(keys("Ctrl+Alt+S")));
        QSignalSpy spy(&late, &QxtGlobalShortcut::activated);
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}));
        QTRY_COMPARE(spy.size(), 1);
    }
};

QTEST_MAIN(TestX11GlobalShortcut)
#include "tst_x11_globalshortcut.moc"
