// The tray icon as a StatusNotifierItem on a private D-Bus bus, with Debian's
// StatusNotifier watcher and host: the item answers Activate, and its menu,
// driven over D-Bus, is brought up to date before it shows and sends the
// entries' requests.
#include <QtTest>

#include "systemtray.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

class FakeHost : public QObject, public TrayHost
{
public:
    int windowState = 0;
    int barState = 0;
    void queryState(int *state, int *mode, int *bar, bool *canRecord) const override
    {
        *state = windowState;
        *mode = 1;
        *bar = barState;
        *canRecord = true;
    }
    bool isControlPanelVisible() const override { return true; }
};

// gdbus, while this process keeps answering the bus.
QString gdbus(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("gdbus"), QStringList{"call", "--session"} + arguments);
    QElapsedTimer timer;
    timer.start();
    while (p.state() != QProcess::NotRunning && timer.elapsed() < 10000)
        QTest::qWait(20);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString watcherProperty(const char *name)
{
    return gdbus({"--dest", "org.kde.StatusNotifierWatcher", "--object-path", "/StatusNotifierWatcher", "--method",
                  "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierWatcher", name});
}

} // namespace

class TestX11TraySni : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *tool : {"dbus-daemon", "gdbus", "status-notifier-watcher", "gtk-sni-tray-standalone"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("the StatusNotifier tools are not installed (tools/setup.sh installs them)");
        }
        // A bus of our own, set before anything in this process uses one.
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        m_watcher.start("status-notifier-watcher", QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(watcherProperty("ProtocolVersion").contains("<"), 10000);
        m_host.start("gtk-sni-tray-standalone", QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(watcherProperty("IsStatusNotifierHostRegistered").contains("true"), 15000);
    }
    void cleanupTestCase()
    {
        for (QProcess *p : {&m_host, &m_watcher, &m_bus}) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }

    void itemAnswersOverTheBus()
    {
        FakeHost host;
        SystemTray tray(&host);
        QSignalSpy actions(&tray, &SystemTray::actionActivate);
        QString service;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(service = QRegularExpression("org\\.kde\\.StatusNotifierItem-[0-9-]+")
                            .match(watcherProperty("RegisteredStatusNotifierItems"))
                            .captured())
                 .isEmpty(),
            10000);

        gdbus({"--dest", service, "--object-path", "/StatusNotifierItem", "--method",
               "org.kde.StatusNotifierItem.Activate", "0", "0"});
        QTRY_COMPARE(actions.count(), 1);
        QCOMPARE(int(actions.takeFirst().first().value<TrayAction>()), int(TrayClick));

        // Paused recording: the host asks for the layout without a context
        // click; the entries follow the state.
        host.windowState = 6;
        host.barState = 2;
        const QStringList menu{"--dest", service, "--object-path", "/MenuBar", "--method"};
        gdbus(menu + QStringList{"com.canonical.dbusmenu.AboutToShow", "0"});
        const QString layout = gdbus(menu + QStringList{"com.canonical.dbusmenu.GetLayout", "--", "0", "-1",
                                                        "['label','enabled']"});
        QVERIFY2(layout.contains("'label': <'Resume'>"), qPrintable(layout));
        QVERIFY(layout.contains("'enabled': <false>, 'label': <'Exit'>"));
        QVERIFY(layout.contains("'enabled': <true>, 'label': <'Stop'>"));

        // A click on Stop, sent as the host sends it.
        const QRegularExpressionMatch stop = QRegularExpression("\\((\\d+), \\{[^}]*'label': <'Stop'>").match(layout);
        QVERIFY(stop.hasMatch());
        gdbus(menu + QStringList{"com.canonical.dbusmenu.Event", "--", stop.captured(1), "clicked", "<0>", "0"});
        QTRY_COMPARE(actions.count(), 1);
        QCOMPARE(int(actions.first().first().value<TrayAction>()), int(TrayStart));
    }

private:
    QProcess m_bus;
    QProcess m_watcher;
    QProcess m_host;
};

QTEST_MAIN(TestX11TraySni)
#include "tst_x11_tray_sni.moc"
