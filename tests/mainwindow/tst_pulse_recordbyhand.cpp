// A user's whole road through the real program with the real engine, driven
// from outside with xdotool: pick a fixed region, record with a pause, stop
// by hotkey, find the file; then a one-time length limit that stops the next
// recording by itself and is off for the one after (whose countdown Escape
// ends). The menu's dialogs, once closed, gone for good from the main window
// after a recording and History. And drawing on the region while it records, with and without a
// compositing manager: the recording shows the desktop and the shape. And
// the session ending it mid-recording (end signals, a lost X server): the
// file is finished and listed all the same. And what must not hold the
// program: a microphone lost while it records, a stop during the start.
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtEndian>
#include <QSettings>
#include <QtTest>

#include "byhand.h"
#include "programrun.h"

#include <csignal>
#include <sys/types.h>

using namespace testsupport;

class TestRecordByHand : public QObject
{
    Q_OBJECT

    qint64 m_pid = 0;
    double m_scale = 1.0;

    QPoint at(const QRect &w, int x, int y) const
    {
        return w.topLeft() + QPoint(qRound(x * m_scale), qRound(y * m_scale));
    }
    // The main frame (wider than the other windows with the program's title
    // but the full-screen region frame).
    Win frame() const
    {
        for (const Win &w : windows(m_pid, kTitle))
            if (isMainFrameSize(w.rect.size()))
                return w;
        return {};
    }
    Win countdown() const
    {
        for (const Win &w : windows(m_pid, kTitle))
            if (w.rect.height() > 200 && w.rect.width() < 700)
                return w;
        return {};
    }
    Win bar() const
    {
        for (const Win &w : windows(m_pid, kTitle))
            if (w.rect.height() < 120 && w.rect.width() > 300)
                return w;
        return {};
    }
    // The region frame covers the whole screen.
    bool regionFrameShown() const
    {
        for (const Win &w : windows(m_pid, kTitle))
            if (w.rect.width() >= 1900)
                return true;
        return false;
    }

    // The control bar, with or without its tool page open.
    Win anyBar() const
    {
        for (const Win &w : windows(m_pid, kTitle))
            if (w.rect.width() > 600 * m_scale && w.rect.width() < 800 * m_scale && w.rect.height() < 300 * m_scale)
                return w;
        return {};
    }

    // Starts the program for `user`, with or without the countdown (and
    // these further lines of its Recording settings); false when its main
    // frame does not show.
    bool start(QProcess &p, const ProgramUser &user, bool showCountdown, const QByteArray &recording = {},
               bool autoOpenHistory = false)
    {
        QDir().mkpath(user.root() + "/config/Olvex");
        QFile f(user.root() + "/config/Olvex/Free Mirelo.conf");
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QByteArray("[Recording]\nAutoOpenHistory=") + (autoOpenHistory ? "true" : "false")
                + "\nShowCountdown=" + (showCountdown ? "true" : "false")
                + "\n" + recording + "[Others]\nExitWhenCloseTip=false\nExitWhenClose=true\n");
        f.close();
        if (!startProgram(p, user, {})) // the engine next to the program
            return false;
        m_pid = p.processId();
        const QRect settled = waitSettled([&] { return frame().rect; }, 30000);
        if (settled.isEmpty())
            return false;
        m_scale = settled.width() / kFrameWidth;
        return true;
    }
    // "Record Screen", then its region menu walked with these keys, each
    // group once a further menu shows; false when the record page with its
    // region frame does not show.
    bool openRegionPage(const QList<QStringList> &menuKeys)
    {
        const Win home = frame();
        const bool shown = waitFor(
            [&] {
                if (regionFrameShown())
                    return true;
                // Each key goes to a menu once it shows.
                const int before = visibleWindows(m_pid).size();
                click(at(home.rect, 154, 123));
                for (int i = 0; i < menuKeys.size(); ++i) {
                    if (!waitFor([&] { return visibleWindows(m_pid).size() > before + i; }, 3000))
                        return false;
                    key(menuKeys[i]);
                }
                return waitFor([&] { return regionFrameShown(); }, 3000);
            },
            30000);
        if (!shown)
            return false;
        // The page has slid in once the record button stands still.
        const QRect page = frame().rect;
        return waitStill(QRect(at(page, 720, 145), QSize(qRound(60 * m_scale), qRound(60 * m_scale))));
    }
    // The entry of the Fixed region menu `downs` below the first.
    bool openFixedRegion(int downs)
    {
        QStringList keys;
        for (int i = 0; i < downs; ++i)
            keys << "Down";
        return openRegionPage({{"Down", "Down", "Down", "Right"}, keys << "Return"});
    }
    // The whole screen, then the record button; true once the bar shows.
    // `pressed` restarts at each press of the button: the recording starts
    // after the last and before the bar shows, which a loaded machine may
    // take seconds to show.
    bool recordFullScreen(QElapsedTimer *pressed = nullptr)
    {
        if (!openRegionPage({{"Down", "Return"}}))
            return false;
        const Win page = frame();
        return waitFor(
            [&] {
                if (pressed)
                    pressed->start();
                click(at(page.rect, 750, 175));
                // Pressed again only when the bar is long in coming (a
                // press lost to a page not yet taking them).
                return waitFor([&] { return !bar().id.isEmpty(); }, 10000);
            },
            40000);
    }
    // Lets a recording run until `clock` reaches `ms`.
    static bool recordUntil(const QElapsedTimer &clock, qint64 ms)
    {
        return waitFor([&] { return clock.elapsed() >= ms; }, int(ms) + 10000);
    }
    // The one video of the user's folder, listed in History.xml; checks that
    // it is a finished MP4 as a stop leaves it (one index for the whole
    // file, not the working file's fragments) about `seconds` long, or up to
    // `latest` when its stop came only then.
    static void verifyFinishedRecording(const ProgramUser &user, double seconds, double latest = 0)
    {
        const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
        const QStringList files = videos.entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), 1); // no working file beside it
        const QString file = videos.filePath(files[0]);
        QCOMPARE(historyFiles(user.dataFolder() + "History.xml"), QStringList{file});
        const QStringList boxes = topLevelBoxes(file);
        QVERIFY2(boxes.contains("moov") && boxes.contains("mdat") && !boxes.contains("moof"),
                 qPrintable(boxes.join(' ')));
        const MediaInfo video = probeMedia(file);
        QCOMPARE(video.width, 1920);
        QCOMPARE(video.height, 1080);
        QVERIFY2(video.duration > seconds - 1.0 && video.duration < qMax(seconds, latest) + 1.0,
                 qPrintable(QString("duration %1 s, recorded %2 s (stopped by %3 s)")
                                .arg(video.duration)
                                .arg(seconds)
                                .arg(latest)));
    }
    // The types of an MP4 file's top-level boxes, in order.
    static QStringList topLevelBoxes(const QString &path)
    {
        QFile f(path);
        QStringList types;
        if (!f.open(QIODevice::ReadOnly))
            return types;
        qint64 at = 0;
        while (at + 8 <= f.size() && types.size() < 1000) {
            f.seek(at);
            const QByteArray head = f.read(16);
            if (head.size() < 8)
                break;
            quint64 size = qFromBigEndian<quint32>(head.constData());
            if (size == 1 && head.size() == 16)
                size = qFromBigEndian<quint64>(head.constData() + 8);
            else if (size == 0)
                size = quint64(f.size() - at);
            types << QString::fromLatin1(head.mid(4, 4));
            if (size < 8)
                break;
            at += qint64(size);
        }
        return types;
    }

private slots:
    void drawWhileRecording_data()
    {
        QTest::addColumn<bool>("compositor");
        QTest::newRow("no compositing manager") << false;
        QTest::newRow("compositing manager") << true;
    }

    void drawWhileRecording()
    {
        QFETCH(bool, compositor);
        // The desktop: green all over, below every window of the program.
        ColourWindow desktop(QRect(0, 0, 1920, 1080), qRgb(0, 160, 0));
        auto green = [](int r, int g, int b) { return g > 120 && r < 80 && b < 80; };
        auto red = [](int r, int g, int b) { return r > 120 && r > g + 60 && r > b + 60; };
        QVERIFY(waitFor([&] { return colourAt(QPoint(200, 200), green); }, 20000));
        QProcess compositing;
        if (compositor) {
            compositing.start("xcompmgr", QStringList());
            QVERIFY(compositing.waitForStarted());
            QVERIFY(waitFor([] { return compositorRunning(); }, 20000));
        }
        auto end = qScopeGuard([&] {
            compositing.kill();
            compositing.waitForFinished();
        });

        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false));
        // "Record Screen", Fixed region > 1280x720, record.
        QVERIFY2(openFixedRegion(1), "the record page with its region frame must show");
        const Win page = frame();
        QVERIFY(waitFor(
            [&] {
                click(at(page.rect, 750, 175));
                return waitFor([&] { return !bar().id.isEmpty(); }, 4000);
            },
            20000));

        // The bar's pen opens its drawing page; its first tool is the rectangle.
        const Win running = bar();
        QVERIFY(waitFor(
            [&] {
                click(at(running.rect, 625, 26));
                return waitFor([&] { return anyBar().rect.height() > 120 * m_scale; }, 3000);
            },
            15000));
        QVERIFY(click(at(anyBar().rect, 36, 72)));

        // A drag inside the centred region: the shape shows while the
        // button is still down, and the desktop around it.
        const QPoint region((1920 - 1280) / 2, (1080 - 720) / 2);
        const QPoint from = region + QPoint(100, 100), middle = region + QPoint(300, 250),
                     to = region + QPoint(500, 400);
        auto arg = [](int v) { return QString::number(v); };
        QVERIFY(xdotool({"mousemove", arg(from.x()), arg(from.y()), "sleep", "0.2", "mousedown", "1", "sleep", "0.2",
                         "mousemove", arg(middle.x() - 20), arg(middle.y() - 20), "sleep", "0.2", "mousemove",
                         arg(middle.x()), arg(middle.y())}));
        QVERIFY2(waitFor([&] { return colourAt(QPoint(from.x(), (from.y() + middle.y()) / 2), red); }, 15000),
                 "the rectangle must show while it is drawn");
        QVERIFY(colourAt(QPoint(from.x() + 100, from.y() + 70), green));
        QVERIFY(xdotool({"mousemove", arg(to.x()), arg(to.y()), "sleep", "0.2", "mouseup", "1", "sleep", "0.2",
                         "mousemove", "5", "5"}));
        QVERIFY(waitFor([&] { return colourAt(QPoint(to.x(), (from.y() + to.y()) / 2), red); }, 15000));

        // Stopped with the tool still chosen: the file's last picture is
        // one taken while drawing.
        QVERIFY(key({"ctrl+alt+s"}));
        QVERIFY(waitFor([&] { return anyBar().id.isEmpty() && !frame().id.isEmpty(); }, 30000));
        const QString history = user.dataFolder() + "History.xml";
        QVERIFY(waitFor([&] { return historyFiles(history).size() == 1; }, 30000));
        const QString file = historyFiles(history).first();
        const QImage picture = lastFrame(file, QSize(1280, 720));
        QVERIFY(!picture.isNull());
        // A thin red line on green, its colour halved in resolution.
        auto reddish = [](int r, int g, int b) { return r > 100 && r > g + 25 && r > b + 60; };
        auto pixel = [&](const QPoint &desktop) { return QColor(picture.pixel(desktop - region)); };
        auto shows = [&](const QPoint &at, const std::function<bool(int, int, int)> &test) {
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const QColor c = pixel(at + QPoint(dx, dy));
                    if (test(c.red(), c.green(), c.blue()))
                        return true;
                }
            return false;
        };
        for (const QPoint &edge : {QPoint(from.x(), middle.y()), QPoint(to.x(), middle.y()),
                                   QPoint(middle.x(), from.y()), QPoint(middle.x(), to.y())})
            QVERIFY2(shows(edge, reddish), qPrintable(QString("no rectangle at %1,%2").arg(edge.x()).arg(edge.y())));
        for (const QPoint &inside : {middle, region + QPoint(20, 20), region + QPoint(1200, 650), to + QPoint(200, 0)}) {
            const QColor c = pixel(inside);
            QVERIFY2(green(c.red(), c.green(), c.blue()),
                     qPrintable(QString("%1,%2 shows %3").arg(inside.x()).arg(inside.y()).arg(c.name())));
        }
    }

    // A dialog of the menu closed by its X (About, Check for update, Bug
    // Report) leaves nothing in the main window, also once a recording and
    // the History window that opens after it have hidden the window and
    // shown it again: it shows what it showed before. And a dialog opened
    // again is whole.
    void closedDialogsLeaveNothingInTheMainWindow()
    {
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false, {}, true));
        QVERIFY2(openRegionPage({{"Down", "Return"}}), "the full-screen page must show");
        const Win main = frame();
        const QImage before = screenPicture(main.rect);
        QVERIFY(!before.isNull());
        // Any window of the program but the main frame and the full-screen
        // region frame, as high as a dialog.
        auto dialog = [&] {
            for (const Win &w : windows(m_pid, QString()))
                if (w.id != main.id && w.rect.width() < 1900 && w.rect.height() > 250 * m_scale)
                    return w;
            return Win{};
        };
        // Its close button, in the top right corner of its title bar.
        auto closeButton = [&](const QRect &r) {
            return QPoint(r.x() + r.width() - qRound(27 * m_scale), r.y() + qRound(24 * m_scale));
        };
        // The dialog of a menu entry, counted from the menu's end, once it
        // shows and stands still.
        auto open = [&](const QStringList &entry) {
            const bool shown = waitFor(
                [&] {
                    const int before = visibleWindows(m_pid).size();
                    click(at(main.rect, 768, 26));
                    if (!waitFor([&] { return visibleWindows(m_pid).size() > before; }, 3000))
                        return false;
                    key(entry);
                    return waitFor([&] { return !dialog().id.isEmpty(); }, 5000);
                },
                30000);
            return shown && waitStill(dialog().rect) ? dialog() : Win{};
        };
        const QStringList about{"Up", "Up", "Return"};
        QImage aboutPicture;
        for (const QStringList &entry : {about, QStringList{"Up", "Return"}, QStringList{"Up", "Up", "Up", "Return"}}) {
            const Win shown = open(entry);
            QVERIFY2(!shown.id.isEmpty(), qPrintable(entry.join(' ')));
            if (entry == about)
                aboutPicture = screenPicture(shown.rect);
            QVERIFY(click(closeButton(shown.rect)));
            QVERIFY2(waitFor([&] { return dialog().id.isEmpty(); }, 15000), qPrintable(entry.join(' ')));
        }
        QVERIFY(!aboutPicture.isNull());

        // A recording by the hotkey; the History window opens after it.
        QVERIFY(key({"ctrl+alt+s"}));
        QVERIFY2(waitFor([&] { return !bar().id.isEmpty(); }, 30000), "the hotkey must start a recording");
        const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
        QVERIFY2(waitFor(
                     [&] {
                         for (const QFileInfo &f : videos.entryInfoList(QDir::Files | QDir::Hidden))
                             if (f.size() > 0)
                                 return true;
                         return false;
                     },
                     30000),
                 "the recording must write its file");
        QVERIFY(key({"ctrl+alt+s"}));
        auto history = [&] {
            for (const Win &w : windows(m_pid, kTitle))
                if (w.rect.width() > 950 * m_scale && w.rect.width() < 1600)
                    return w;
            return Win{};
        };
        QVERIFY2(waitFor([&] { return bar().id.isEmpty() && !history().id.isEmpty(); }, 30000),
                 "the History window must open after the recording");
        const Win list = history();
        QVERIFY(waitStill(list.rect));
        QVERIFY(click(QPoint(list.rect.x() + list.rect.width() - qRound(30 * m_scale), list.rect.y() + qRound(18 * m_scale))));
        QVERIFY2(waitFor([&] { return history().id.isEmpty() && !frame().id.isEmpty(); }, 15000),
                 "closing History must bring the main window back");
        const QPoint back = frame().rect.topLeft();
        double shows = 0;
        QVERIFY2(waitFor([&] { return (shows = screenShows(before, back)) > 0.98; }, 15000),
                 qPrintable(QString("the main window shows %1 of what it showed").arg(shows)));
        // And About, opened again, shows all it showed the first time.
        const Win again = open(about);
        QVERIFY(!again.id.isEmpty());
        QVERIFY2(waitFor([&] { return (shows = screenShows(aboutPicture, again.rect.topLeft())) > 0.98; }, 15000),
                 qPrintable(QString("About shows %1 of what it showed").arg(shows)));
    }

    void recordPauseResumeStopThenOneTimeLimit()
    {
        ProgramUser user;
        const QString ini = user.root() + "/config/Olvex/Free Mirelo.conf";
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, true));

        // "Record Screen", then Fixed region > 640x480 from its menu.
        QVERIFY2(openFixedRegion(4), "the record page with its region frame must show");
        const Win page = frame();
        QVERIFY(!page.id.isEmpty());

        // The record button: the countdown, then the bar.
        QVERIFY2(waitFor(
                     [&] {
                         click(at(page.rect, 750, 175));
                         return waitFor([&] { return !countdown().id.isEmpty() || !bar().id.isEmpty(); }, 4000);
                     },
                     20000),
                 "the record button must start the countdown");
        QVERIFY2(!countdown().id.isEmpty(), "the countdown comes before the bar");
        QElapsedTimer clock;
        clock.start();
        qint64 countdownLastSeen = 0;
        QVERIFY(waitFor(
            [&] {
                if (!countdown().id.isEmpty())
                    countdownLastSeen = clock.elapsed();
                return !bar().id.isEmpty();
            },
            30000));
        QVERIFY2(countdown().id.isEmpty(), "the countdown has gone when the bar shows");
        QVERIFY(frame().id.isEmpty());
        const Win running = bar();
        const QPoint resume = at(running.rect, 39, 26);
        QVERIFY(!redAt(resume));
        QTest::qWait(2000);

        // Pause by hotkey: the bar's first button turns into Resume.
        QVERIFY(key({"ctrl+alt+r"}));
        QVERIFY2(waitFor([&] { return redAt(resume); }, 10000), "the pause hotkey must pause");
        const qint64 pausedSeen = clock.elapsed();
        QTest::qWait(6000);
        const qint64 resumeClicked = clock.elapsed();
        QVERIFY(click(resume));
        QVERIFY2(waitFor([&] { return !redAt(resume); }, 10000), "Resume on the bar must resume");
        QTest::qWait(2000);

        // Stop by hotkey: the main window comes back with its region frame.
        QVERIFY(key({"ctrl+alt+s"}));
        QVERIFY2(waitFor([&] { return bar().id.isEmpty() && !frame().id.isEmpty(); }, 30000),
                 "the stop hotkey must end the recording");
        const qint64 stopped = clock.elapsed();
        QVERIFY(waitFor([&] { return regionFrameShown(); }, 10000));

        const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
        const QString history = user.dataFolder() + "History.xml";
        QStringList files;
        QVERIFY(waitFor(
            [&] {
                files = videos.entryList({"*.mp4"}, QDir::Files, QDir::Name);
                return files.size() == 1 && historyFiles(history).contains(videos.filePath(files.value(0)));
            },
            30000));
        QVERIFY2(QRegularExpression("^Video_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.mp4$").match(files[0]).hasMatch(),
                 qPrintable(files[0]));
        const MediaInfo first = probeMedia(videos.filePath(files[0]));
        QCOMPARE(first.width, 640);
        QCOMPARE(first.height, 480);
        // The pause is not in the file: at most the time between the end of
        // the countdown and the stop, less the time known to be paused.
        const double span = (stopped - countdownLastSeen) / 1000.0;
        const double paused = (resumeClicked - pausedSeen) / 1000.0;
        QVERIFY2(first.duration > 2.0 && first.duration < span - paused + 1.0,
                 qPrintable(QString("duration %1 s, span %2 s, paused %3 s").arg(first.duration).arg(span).arg(paused)));

        // The record-length popup: 00:00:05, only for this time.
        const Win main = frame();
        const QPoint lengthButton = at(main.rect, 301, 271);
        auto popup = [&] {
            for (const Win &w : windows(m_pid, kTitle))
                if (w.rect.width() < 700 && w.rect.height() < 250)
                    return w;
            return Win{};
        };
        QVERIFY(waitFor(
            [&] {
                click(lengthButton);
                return waitFor([&] { return !popup().id.isEmpty(); }, 3000);
            },
            15000));
        const Win pop = popup();
        QVERIFY(click(at(pop.rect, 57, 26)));                  // "Record Length:"
        QVERIFY(click(at(pop.rect, 211, 26)));                 // its time
        QVERIFY(key({"Home", "Tab", "Down", "Down", "Down", "Tab", "Up", "Up", "Up", "Up", "Up"}));
        QVERIFY(click(lengthButton));
        QVERIFY2(waitFor([&] { return popup().id.isEmpty(); }, 10000), "the button closes its popup");

        // The next recording stops by itself; the stop hotkey pressed during
        // its countdown does nothing.
        QVERIFY(waitFor(
            [&] {
                click(at(main.rect, 750, 175));
                return waitFor([&] { return !countdown().id.isEmpty() || !bar().id.isEmpty(); }, 4000);
            },
            20000));
        QVERIFY(!countdown().id.isEmpty());
        QVERIFY(key({"ctrl+alt+s"}));
        const bool keyInCountdown = !countdown().id.isEmpty();
        QVERIFY(waitFor([&] { return !bar().id.isEmpty(); }, 30000));
        QVERIFY2(waitFor([&] { return bar().id.isEmpty() && !frame().id.isEmpty(); }, 40000),
                 "the length limit must stop the recording");
        QVERIFY(waitFor(
            [&] {
                files = videos.entryList({"*.mp4"}, QDir::Files, QDir::Name);
                return files.size() == 2 && historyFiles(history).size() == 2;
            },
            30000));
        const MediaInfo limited = probeMedia(videos.filePath(files[1]));
        QCOMPARE(limited.width, 640);
        QVERIFY2(limited.duration < 8.0, qPrintable(QString::number(limited.duration)));
        if (keyInCountdown) // a busy machine may have let the countdown end first
            QVERIFY2(limited.duration > 4.0, qPrintable(QString::number(limited.duration)));

        // The one after has no limit; Escape ends its countdown and it
        // still records.
        QVERIFY(waitFor(
            [&] {
                click(at(main.rect, 750, 175));
                return waitFor([&] { return !countdown().id.isEmpty() || !bar().id.isEmpty(); }, 4000);
            },
            20000));
        const Win counting = countdown();
        if (!counting.id.isEmpty()) {
            const QPoint centre = counting.rect.center();
            xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y()), "sleep", "0.2"});
            QVERIFY(key({"Escape"}));
        }
        QVERIFY2(waitFor([&] { return !bar().id.isEmpty(); }, 30000), "the recording starts after Escape");
        QTest::qWait(8000);
        QVERIFY2(!bar().id.isEmpty(), "the limit was for one recording only");
        QVERIFY(key({"ctrl+alt+s"}));
        QVERIFY(waitFor([&] { return bar().id.isEmpty() && !frame().id.isEmpty(); }, 30000));
        QVERIFY(waitFor([&] { return historyFiles(history).size() == 3; }, 30000));

        // Closing ends the program, which stores the limit as off.
        const Win last = frame();
        QVERIFY(waitFor(
            [&] {
                click(QPoint(last.rect.right() - int(24 * m_scale), last.rect.top() + int(26 * m_scale)));
                return p.waitForFinished(3000);
            },
            20000));
        QCOMPARE(p.exitCode(), 0);
        QSettings s(ini, QSettings::IniFormat);
        QCOMPARE(s.value("Private/RecordLengthEnabled").toString(), QString("false"));
    }

    // A logout, a shutdown or a closed terminal: the recording is finished
    // and listed as after Stop, the panel it hid comes back, and the program
    // leaves by itself, also when further signals keep coming while it stops
    // and leaves (its rewrite of the file included).
    void endSignalsFinishTheRecording_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("twice");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP, then SIGTERM until it is gone") << int(SIGHUP) << true;
    }
    void endSignalsFinishTheRecording()
    {
        QFETCH(int, signal);
        QFETCH(bool, twice);
        ColourWindow panel(QRect(0, 1040, 1920, 40), qRgb(40, 40, 40), "_NET_WM_WINDOW_TYPE_DOCK");
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false, "HideTaskbar=true\n"));
        QElapsedTimer pressed;
        QVERIFY2(recordFullScreen(&pressed), "the record button must start a full-screen recording");
        // The recording is at least as long as the bar shows, at most as
        // long as since the press.
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(waitFor([&] { return !panel.isMapped(); }, 10000), "the recording keeps the panel out");
        QVERIFY(recordUntil(clock, 5000));
        const pid_t pid = pid_t(p.processId());
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid, signal), 0);
        const double recorded = clock.elapsed() / 1000.0;
        // The recording runs on until the program has stopped it, which
        // the panel's return shows (a loaded machine takes its time).
        double stopped = -1;
        QElapsedTimer leaving;
        leaving.start();
        while (!p.waitForFinished(10) && leaving.elapsed() < 30000) {
            if (stopped < 0 && panel.isMapped())
                stopped = pressed.elapsed() / 1000.0;
            if (twice) // as an impatient session does, all the way to its end
                ::kill(pid, SIGTERM);
        }
        if (stopped < 0)
            stopped = pressed.elapsed() / 1000.0;
        QVERIFY2(waitForExit(p, 30000), "the program must leave");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        verifyFinishedRecording(user, recorded, stopped);
        QVERIFY2(panel.isMapped(), "the panel must come back");
    }

    // The microphone goes while it records (its module unloaded from the
    // sound server, as a USB headset pulled out): the recording stops and
    // is listed, the user is told why in a message that holds nothing, and
    // the program goes on answering: an end signal ends it at once.
    void aLostMicrophoneStopsTheRecordingAndTheProgramAnswers()
    {
        auto pactl = [](const QStringList &arguments) {
            QProcess run;
            run.start(QStringLiteral("pactl"), arguments);
            run.waitForFinished(10000);
            return run.exitCode() == 0 ? QString::fromUtf8(run.readAllStandardOutput()) : QString();
        };
        QString module;
        for (const QString &line : pactl({"list", "short", "modules"}).split('\n')) {
            const QStringList fields = line.split('\t');
            if (fields.value(1) == QLatin1String("module-sine-source"))
                module = fields.value(0);
        }
        QVERIFY2(!module.isEmpty(), "the test sound server has its microphone");
        auto plugBack = qScopeGuard([&] {
            pactl({"load-module", "module-sine-source", "source_name=mirelo_sine", "frequency=440"});
        });
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false));
        QVERIFY2(recordFullScreen(), "the record button must start a full-screen recording");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(recordUntil(clock, 3000));
        QCOMPARE(QProcess::execute(QStringLiteral("pactl"), {"unload-module", module}), 0);
        QVERIFY2(waitFor([&] { return bar().id.isEmpty() && !frame().id.isEmpty(); }, 30000),
                 "the lost microphone must stop the recording");
        const QString history = user.dataFolder() + "History.xml";
        QVERIFY2(waitFor([&] { return historyFiles(history).size() == 1; }, 30000), "the recording is listed");
        QVERIFY2(!waitForWindow(m_pid, kTitle, isMessageSize, 30000).isEmpty(), "the user is told why");
        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY2(waitForExit(p, 30000), "the program must go on answering, and leave");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(historyFiles(history).size(), 1);
    }

    // The stop hotkey pressed at any moment of a start that hides the panels
    // (the record hotkey, then the same key again soon after): the start
    // ends or the recording stops, never a crash, never a bar left behind,
    // and the panel comes back each time.
    void aStopAtAnyMomentOfTheStartLeavesNothingBehind()
    {
        ColourWindow panel(QRect(0, 1040, 1920, 40), qRgb(40, 40, 40), "_NET_WM_WINDOW_TYPE_DOCK");
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false, "HideTaskbar=true\nHideDesktopIcons=true\n"));
        QVERIFY(openRegionPage({{"Down", "Return"}}));
        // What the program shows, once it has stayed so a moment: 1 idle
        // (its frame, no bar, the panel back), 2 recording, 0 neither yet.
        auto state = [&] {
            if (!bar().id.isEmpty())
                return 2;
            return !frame().id.isEmpty() && panel.isMapped() ? 1 : 0;
        };
        auto settled = [&] {
            int last = -1;
            QElapsedTimer since;
            bool ok = waitFor(
                [&] {
                    const int now = state();
                    if (now != last) {
                        last = now;
                        since.start();
                    }
                    return now != 0 && since.elapsed() >= 1500;
                },
                60000);
            return ok ? last : 0;
        };
        const QString history = user.dataFolder() + "History.xml";
        int recorded = 0;
        for (const char *gap : {"0", "0.05", "0.1", "0.2", "0.35", "0.6", "1"}) {
            QVERIFY(xdotool({"key", "ctrl+alt+s", "sleep", gap, "key", "ctrl+alt+s"}));
            int now = settled();
            QVERIFY2(now != 0, gap);
            // What of "idle" is missing, for a failure to say.
            auto shown = [&] {
                return QStringLiteral("%1: bar %2, main window %3, panel %4")
                    .arg(QLatin1String(gap), bar().id.isEmpty() ? "gone" : "shown",
                         frame().id.isEmpty() ? "hidden" : "shown", panel.isMapped() ? "shown" : "hidden");
            };
            if (now == 2) {
                QVERIFY(key({"ctrl+alt+s"}));
                // Under load a press injected right after such a start on a
                // bare server now and then never becomes a key event: the
                // program is idle with its hotkey grabbed, and the X server
                // reports no key at all, not even a raw one. Said, and
                // pressed once more; a recording no press ends still fails.
                if (!waitFor([&] { return state() == 1; }, 15000)) {
                    qWarning("A stop press was lost: %s", qPrintable(shown()));
                    QVERIFY(key({"ctrl+alt+s"}));
                }
                QVERIFY2(waitFor([&] { return state() == 1; }, 30000), qPrintable(shown()));
            }
            QCOMPARE(p.state(), QProcess::Running);
            // Whatever recorded is finished and listed.
            const QDir videos(user.root() + "/home/Documents/Olvex/Free Mirelo/Video");
            QVERIFY(waitFor(
                [&] {
                    const QStringList files = videos.entryList(QDir::Files | QDir::Hidden);
                    recorded = files.size();
                    return historyFiles(history).size() == files.size();
                },
                30000));
        }
        QVERIFY(panel.isMapped());
        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY2(waitForExit(p, 30000), "the program must leave");
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(historyFiles(history).size(), recorded);
    }

    // Without a recording an end signal leaves as the tray's Exit does.
    void anEndSignalWhileIdleLeavesCleanly()
    {
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false));
        QCOMPARE(::kill(pid_t(p.processId()), SIGINT), 0);
        QVERIFY2(waitForExit(p, 30000), "the program must leave");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(user.dataFolder() + "config.xml"));
    }

    // The X server goes away mid-recording (here a second one, the
    // program's own): its file is still finished and listed before the end.
    void losingTheDisplayKeepsTheRecording()
    {
        QProcess server;
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset"});
        QVERIFY(server.waitForStarted(10000));
        QVERIFY(waitFor([&] { return server.canReadLine(); }, 20000));
        const QByteArray display = ":" + server.readLine().trimmed();
        const QByteArray testDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display); // for the program and for xdotool
        auto back = qScopeGuard([&] {
            qputenv("DISPLAY", testDisplay);
            server.kill();
            server.waitForFinished(5000);
        });
        ProgramUser user;
        QProcess p;
        Kill guard{p};
        QVERIFY(start(p, user, false));
        QElapsedTimer pressed;
        QVERIFY2(recordFullScreen(&pressed), "the record button must start a full-screen recording");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(recordUntil(clock, 4000));
        server.terminate();
        const double recorded = clock.elapsed() / 1000.0;
        QVERIFY2(waitForExit(p, 30000), "the program must end without its display");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        // It records on until it sees the server gone, which a loaded
        // machine may take a while to show; never past its end.
        verifyFinishedRecording(user, recorded, pressed.elapsed() / 1000.0);
    }
};

QTEST_GUILESS_MAIN(TestRecordByHand)
#include "tst_pulse_recordbyhand.moc"
