// The real program driven through its tray menu over a private D-Bus bus,
// with Debian's StatusNotifier watcher and host: Start, Pause, Resume and
// Stop make a file that leaves the pause out while the menu's entries follow
// the state; then Exit with the Settings dialog open and edited ends the
// program without saving the edit, storing the window size as always.
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <functional>

#include "byhand.h"
#include "programrun.h"

using namespace testsupport;

namespace {
QString gdbus(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("gdbus"), QStringList{"call", "--session"} + arguments);
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString watcherProperty(const char *name)
{
    return gdbus({"--dest", "org.kde.StatusNotifierWatcher", "--object-path", "/StatusNotifierWatcher", "--method",
                  "org.freedesktop.DBus.Properties.Get", "org.kde.StatusNotifierWatcher", name});
}

struct Entry {
    int id = -1;
    bool enabled = false;
};

// The tray menu as the host sees it when it opens: label to entry.
QMap<QString, Entry> trayMenu(const QString &service)
{
    const QStringList menu{"--dest", service, "--object-path", "/MenuBar", "--method"};
    gdbus(menu + QStringList{"com.canonical.dbusmenu.AboutToShow", "0"});
    const QString layout =
        gdbus(menu + QStringList{"com.canonical.dbusmenu.GetLayout", "--", "0", "-1", "['label','enabled']"});
    QMap<QString, Entry> entries;
    static const QRegularExpression item("\\((\\d+), \\{([^}]*)\\}");
    static const QRegularExpression label("'label': <'([^']*)'>");
    for (auto it = item.globalMatch(layout); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString text = label.match(m.captured(2)).captured(1);
        if (!text.isEmpty())
            entries.insert(text, {m.captured(1).toInt(), m.captured(2).contains("'enabled': <true>")});
    }
    return entries;
}

bool enabledIn(const QMap<QString, Entry> &menu, const QString &label)
{
    return menu.contains(label) && menu.value(label).enabled;
}

// A click on an entry, sent as the host sends it.
bool clickEntry(const QString &service, const QString &label)
{
    const QMap<QString, Entry> menu = trayMenu(service);
    if (!enabledIn(menu, label))
        return false;
    gdbus({"--dest", service, "--object-path", "/MenuBar", "--method", "com.canonical.dbusmenu.Event", "--",
           QString::number(menu.value(label).id), "clicked", "<0>", "0"});
    return true;
}

// True when the screen around `p` shows the accent blue of a ticked box.
bool blueAt(const QPoint &p)
{
    return colourAt(p, [](int r, int g, int b) { return b > 150 && b > r + 60 && b > g + 40; });
}

QString optionsValue(const QString &file, const QString &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QString text = QString::fromUtf8(f.readAll());
    return QRegularExpression("<" + key + ">([^<]*)</" + key + ">").match(text).captured(1);
}

} // namespace

class TestTrayRecord : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    QProcess m_watcher;
    QProcess m_host;

private slots:
    void initTestCase()
    {
        for (const char *tool : {"dbus-daemon", "gdbus", "status-notifier-watcher", "gtk-sni-tray-standalone"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("the StatusNotifier tools are not installed (tools/setup.sh installs them)");
        }
        // The bus is in the environment before the program starts, so its
        // icon goes to the StatusNotifier host.
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        m_watcher.start("status-notifier-watcher", QStringList());
        QVERIFY(waitFor([] { return watcherProperty("ProtocolVersion").contains("<"); }, 20000));
        m_host.start("gtk-sni-tray-standalone", QStringList());
        QVERIFY(waitFor([] { return watcherProperty("IsStatusNotifierHostRegistered").contains("true"); }, 30000));
    }
    void cleanupTestCase()
    {
        for (QProcess *p : {&m_host, &m_watcher, &m_bus}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(3000);
        }
    }

    void recordThroughTheTrayThenExitWithSettingsOpen()
    {
        ProgramUser user;
        QDir().mkpath(user.root() + "/config/Olvex");
        const QString ini = user.root() + "/config/Olvex/Free Mirelo.conf";
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // The closing question stays on: the tray's Exit must not ask it.
            f.write("[Recording]\nAutoOpenHistory=false\nShowCountdown=false\n"
                    "[Private]\nSelectedRect=@Rect(100 100 640 480)\n");
        }
        QProcess p;
        Kill guard{p};
        QVERIFY(startProgram(p, user, {}));
        const qint64 pid = p.processId();
        // The main frame; the settings dialog is the taller window.
        auto frame = [&] {
            for (const Win &w : windows(pid, kTitle))
                if (w.rect.width() > 700 && w.rect.height() > 200 && w.rect.height() < 500)
                    return w;
            return Win{};
        };
        QVERIFY(waitFor([&] { return !frame().id.isEmpty(); }, 30000));
        QString service;
        QVERIFY2(waitFor(
                     [&] {
                         service = QRegularExpression(QString("org\\.kde\\.StatusNotifierItem-%1-\\d+").arg(pid))
                                       .match(watcherProperty("RegisteredStatusNotifierItems"))
                                       .captured();
                         return !service.isEmpty();
                     },
                     30000),
                 "the program's icon must reach the StatusNotifier host");
        QVERIFY(!waitSettled([&] { return frame().rect; }).isEmpty());
        const Win home = frame();
        const double scale = home.rect.width() / kFrameWidth;
        auto at = [&](const QRect &r, int x, int y) {
            return r.topLeft() + QPoint(qRound(x * scale), qRound(y * scale));
        };
        // On the home page nothing is chosen to record.
        QVERIFY(!enabledIn(trayMenu(service), "Start"));

        // "Record Screen" with the recently used region: Start comes on.
        QVERIFY2(waitFor(
                     [&] {
                         const QPoint button = at(home.rect, 154, 123);
                         const int shown = visibleWindows(pid).size();
                         xdotool({"mousemove", QString::number(button.x()), QString::number(button.y()), "sleep",
                                  "0.2", "click", "1"});
                         // The keys go to the menu once it shows.
                         if (!waitFor([&] { return visibleWindows(pid).size() > shown; }, 3000))
                             return false;
                         xdotool({"key", "--clearmodifiers", "--delay", "120", "Down", "Down", "Down", "Down",
                                  "Return"});
                         return waitFor([&] { return enabledIn(trayMenu(service), "Start"); }, 4000);
                     },
                     30000),
                 "the record page must let the tray start");
        const QRect page = frame().rect;
        // The page has slid in once the record button stands still.
        QVERIFY(waitStill(QRect(at(page, 720, 145), QSize(qRound(60 * scale), qRound(60 * scale)))));

        // Start, Pause, Resume, Stop, each from the tray.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(clickEntry(service, "Start"));
        QMap<QString, Entry> menu;
        QVERIFY2(waitFor(
                     [&] {
                         menu = trayMenu(service);
                         return enabledIn(menu, "Stop") && enabledIn(menu, "Pause");
                     },
                     30000),
                 "the menu must offer Stop and Pause while recording");
        QVERIFY(menu.contains("Exit") && !menu.value("Exit").enabled);
        QVERIFY(menu.contains("Preferences") && !menu.value("Preferences").enabled);
        QTest::qWait(2500);
        QVERIFY(clickEntry(service, "Pause"));
        QVERIFY2(waitFor([&] { return enabledIn(trayMenu(service), "Resume"); }, 15000),
                 "Pause must turn its entry into Resume");
        const qint64 pausedSeen = clock.elapsed();
        QTest::qWait(5000);
        const qint64 resumeClicked = clock.elapsed();
        QVERIFY(clickEntry(service, "Resume"));
        QVERIFY2(waitFor([&] { return enabledIn(trayMenu(service), "Pause"); }, 15000),
                 "Resume must turn its entry back into Pause");
        QVERIFY(clickEntry(service, "Hide float bar"));
        QVERIFY2(waitFor([&] { return enabledIn(trayMenu(service), "Show float bar"); }, 15000),
                 "the float bar entry must hide the bar");
        QVERIFY(clickEntry(service, "Show float bar"));
        QVERIFY(waitFor([&] { return enabledIn(trayMenu(service), "Hide float bar"); }, 15000));
        QTest::qWait(1000);
        QVERIFY(clickEntry(service, "Stop"));
        QVERIFY2(waitFor(
                     [&] {
                         menu = trayMenu(service);
                         return enabledIn(menu, "Start") && enabledIn(menu, "Exit") && !frame().id.isEmpty();
                     },
                     30000),
                 "Stop must end the recording and bring the window back");
        const qint64 stopped = clock.elapsed();
        QVERIFY(menu.contains("Pause") && !menu.value("Pause").enabled);

        const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
        QStringList files;
        QVERIFY(waitFor(
            [&] {
                files = videos.entryList({"*.mp4"}, QDir::Files);
                return files.size() == 1;
            },
            30000));
        MediaInfo video;
        QVERIFY(waitFor(
            [&] {
                video = probeMedia(videos.filePath(files[0]));
                return video.duration > 0;
            },
            30000));
        QCOMPARE(video.width, 640);
        QCOMPARE(video.height, 480);
        const double span = stopped / 1000.0;
        const double paused = (resumeClicked - pausedSeen) / 1000.0;
        QVERIFY2(video.duration > 2.0 && video.duration < span - paused + 1.0,
                 qPrintable(QString("duration %1 s, span %2 s, paused %3 s").arg(video.duration).arg(span).arg(paused)));

        // Preferences: the dialog puts the window aside and its own entry
        // goes grey; ticking a box changes nothing on disk yet.
        QVERIFY(clickEntry(service, "Preferences"));
        Win settings;

        QVERIFY2(waitFor(
                     [&] {
                         settings = Win{};
                         for (const Win &w : windows(pid, kTitle))
                             if (w.rect.width() > 600 && w.rect.height() >= 500)
                                 settings = w;
                         return !settings.id.isEmpty() && frame().id.isEmpty();
                     },
                     20000),
                 "Preferences must open the settings dialog");
        QVERIFY(!enabledIn(trayMenu(service), "Preferences"));
        QFile conf(ini);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray before = conf.readAll();
        conf.close();
        const QPoint countdownBox = at(settings.rect, 199, 107); // "Show countdown before recording"
        QVERIFY(waitStill(QRect(countdownBox - QPoint(20, 20), QSize(40, 40)))); // drawn
        QVERIFY(!blueAt(countdownBox));
        QVERIFY(xdotool({"mousemove", QString::number(countdownBox.x()), QString::number(countdownBox.y()), "sleep",
                         "0.2", "click", "1"}));
        if (!waitFor([&] { return blueAt(countdownBox); }, 10000)) {
            // Whether the dialog left the place the click was aimed at.
            QRect now;
            for (const Win &w : windows(pid, kTitle))
                now = w.id == settings.id ? w.rect : now;
            QFAIL(qPrintable(QStringLiteral("the countdown box must tick: the settings dialog was at %1,%2 %3x%4, is at "
                                            "%5,%6 %7x%8")
                                 .arg(settings.rect.x()).arg(settings.rect.y()).arg(settings.rect.width())
                                 .arg(settings.rect.height()).arg(now.x()).arg(now.y()).arg(now.width())
                                 .arg(now.height())));
        }
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QCOMPARE(conf.readAll(), before);
        conf.close();

        // Exit from the tray with the dialog open: the program ends at once,
        // the edit is dropped, the main window's size is stored.
        QVERIFY(clickEntry(service, "Exit"));
        QVERIFY2(waitForExit(p, 30000), "Exit must end the program");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QSettings s(ini, QSettings::IniFormat);
        QCOMPARE(s.value("Recording/ShowCountdown").toString(), QString("false"));
        const QString options = user.dataFolder() + "config.xml";
        QCOMPARE(optionsValue(options, "Width").toInt(), qRound(page.width() / scale));
        QCOMPARE(optionsValue(options, "Height").toInt(), qRound(page.height() / scale));
    }
};

QTEST_GUILESS_MAIN(TestTrayRecord)
#include "tst_pulse_trayrecord.moc"
