// The display probe against a private X server that resets when its last
// client leaves (as a bare Xvfb or Xorg does): the probe keeps its connection
// until released, so the program's own connection never meets a reset.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>

#include "displayprobe.h"

namespace {

// The resource id base the server gives a new client: it follows the lowest
// free client slot, so it tells whether another client is connected.
quint32 newClientBase(const QByteArray &display)
{
    quint32 base = 0;
    // A server resetting after its last client left refuses connections for
    // a moment.
    (void)QTest::qWaitFor(
        [&] {
            xcb_connection_t *c = xcb_connect(display.constData(), nullptr);
            if (c && !xcb_connection_has_error(c))
                base = xcb_get_setup(c)->resource_id_base;
            if (c)
                xcb_disconnect(c);
            return base != 0;
        },
        10000);
    return base;
}

// Starts an X server with `command` (its display number written to fd 3)
// in `server`; its display name once it listens, empty if it does not.
QByteArray startServer(QProcess &server, const QString &command, const QString &numberFile)
{
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec ") + command + QStringLiteral(" 3>\"$0\""),
                                             numberFile});
    if (!server.waitForStarted())
        return QByteArray();
    QFile file(numberFile);
    if (!QTest::qWaitFor([&] { return QFileInfo(numberFile).size() > 0; }, 20000) || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return ":" + file.readLine().trimmed();
}

// What the probe says of `display`.
struct Probed {
    bool open = false, xwayland = false, readable = false;
};
Probed probeOf(QByteArray display)
{
    QByteArray program("mirelo"), platformOption("-platform"), xcb("xcb"), displayOption("-display");
    char *argv[] = {program.data(), platformOption.data(), xcb.data(), displayOption.data(), display.data(), nullptr};
    DisplayProbe probe(5, argv);
    return {probe.canOpen(), probe.isXwayland(), probe.screenReadable()};
}

} // namespace

class TestDisplayProbe : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_server;
    QByteArray m_display;

private slots:
    void initTestCase()
    {
        // Without -noreset: the server resets whenever its last client leaves.
        const QString number = m_dir.filePath(QStringLiteral("display"));
        m_server.start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"),
                        QStringLiteral("exec Xvfb -displayfd 3 -screen 0 320x240x24 -nolisten tcp 3>\"$0\""), number});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(number).size() > 0, 20000);
        QFile file(number);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_display = ":" + file.readLine().trimmed();
    }
    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    void keepsItsConnectionUntilReleased()
    {
        QByteArray program("mirelo"), platformOption("-platform"), xcb("xcb"), displayOption("-display");
        QByteArray display = m_display;
        char *argv[] = {program.data(), platformOption.data(), xcb.data(), displayOption.data(), display.data(),
                        nullptr};
        // The server has had no client yet: the probe is its first.
        DisplayProbe probe(5, argv);
        QVERIFY(probe.canOpen());
        // The application's connection comes while the probe's is open, and
        // leaves again: the server keeps running with the probe.
        const quint32 besideProbe = newClientBase(m_display);
        QVERIFY(besideProbe != 0);
        probe.release();
        // Alone, a client takes the slot the probe had.
        const quint32 alone = newClientBase(m_display);
        QVERIFY(alone != 0);
        QVERIFY(besideProbe != alone);

        // An unreachable display is told, and nothing stays open.
        QByteArray nowhere("/nonexistent/socket:0");
        argv[4] = nowhere.data();
        DisplayProbe unreachable(5, argv);
        QVERIFY(!unreachable.canOpen());
    }

    // The X server of a Wayland session gives black for the screen: the probe
    // tells it from a real X server, whatever the environment says, and the
    // screen is refused only where it cannot be read.
    void tellsXwaylandFromAnXServer()
    {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QByteArray program("mirelo"), platformOption("-platform"), xcb("xcb"), displayOption("-display");
        QByteArray display = m_display;
        char *argv[] = {program.data(), platformOption.data(), xcb.data(), displayOption.data(), display.data(),
                        nullptr};
        // The private server may be resetting after the last test's clients;
        // a client of our own keeps it from resetting under the probe.
        // Asked until it answers, and not once more: each ask connects.
        xcb_connection_t *keep = nullptr;
        const bool kept = QTest::qWaitFor(
            [&] {
                keep = xcb_connect(m_display.constData(), nullptr);
                if (xcb_connection_has_error(keep) == 0)
                    return true;
                xcb_disconnect(keep);
                keep = nullptr;
                return false;
            },
            10000);
        QVERIFY(kept);
        {
            DisplayProbe probe(5, argv);
            QVERIFY(probe.canOpen());
            QVERIFY(!probe.isXwayland());
            QVERIFY(probe.screenReadable());
        }
        xcb_disconnect(keep);

        // An X server without RandR started from a Wayland session (a nested
        // one): taken for Xwayland by the environment, but its screen reads
        // as any X server's, so it is recorded.
        QProcess bare;
        const QByteArray bareDisplay = startServer(
            bare, QStringLiteral("Xvfb -displayfd 3 -screen 0 320x240x24 -nolisten tcp -noreset -extension RANDR"),
            m_dir.filePath(QStringLiteral("bare")));
        QVERIFY(!bareDisplay.isEmpty());
        Probed seen = probeOf(bareDisplay);
        QVERIFY(seen.open);
        QVERIFY(seen.xwayland);
        QVERIFY(seen.readable);
        qunsetenv("WAYLAND_DISPLAY");
        seen = probeOf(bareDisplay);
        QVERIFY(!seen.xwayland);
        QVERIFY(seen.readable);
        bare.terminate();
        QVERIFY(bare.waitForFinished(10000));

        // A Wayland compositor of our own, without a screen, with Xwayland.
        const QString log = m_dir.filePath(QStringLiteral("weston.log"));
        QProcess weston;
        weston.setProcessChannelMode(QProcess::ForwardedChannels);
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--xwayland"),
                      QStringLiteral("--no-config"), QStringLiteral("--idle-time=0"),
                      QStringLiteral("--socket=mirelo-probe-test"), QStringLiteral("--log=") + log});
        QVERIFY(weston.waitForStarted());
        // It names Xwayland's display once that listens.
        QByteArray xwayland;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QFile file(log);
                const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                const int at = text.indexOf("xserver listening on display ");
                if (at >= 0)
                    xwayland = text.mid(at + 29).split('\n').value(0).trimmed();
                return !xwayland.isEmpty();
            }(),
            20000);
        argv[4] = xwayland.data();
        {
            // Rootless, as a Wayland session runs it: the root cannot be read.
            DisplayProbe probe(5, argv);
            QVERIFY(probe.canOpen());
            QVERIFY(probe.isXwayland());
            QVERIFY(!probe.screenReadable());
        }
        // A rootful Xwayland, a window of the Wayland session that holds a
        // whole X screen: named Xwayland too, but its root reads as the
        // screen, black as it is at first or not.
        QProcess rootful;
        rootful.setProcessEnvironment([] {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("mirelo-probe-test"));
            return env;
        }());
        const QByteArray rootfulDisplay = startServer(rootful, QStringLiteral("Xwayland -displayfd 3 -nolisten tcp -noreset"),
                                                      m_dir.filePath(QStringLiteral("rootful")));
        QVERIFY(!rootfulDisplay.isEmpty());
        seen = probeOf(rootfulDisplay);
        QVERIFY(seen.open);
        QVERIFY(seen.xwayland);
        QVERIFY(seen.readable);
        rootful.terminate();
        QVERIFY(rootful.waitForFinished(10000));
        weston.terminate();
        QVERIFY(weston.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestDisplayProbe)
#include "tst_displayprobe.moc"
