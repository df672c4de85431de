// The program's start seen from outside: real starts of the built program
// on a private X server, each test with users of its own.
#include <QDomDocument>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#include <functional>

#include "filenamecodec.h"
#include "mirelo_test_engine.h"
#include "programrun.h"
#include "testsupport.h"
#include "trayowner.h"

using namespace testsupport;

namespace {
const QString kFrameTitle = QStringLiteral("Olvex Free Mirelo");
const QString kEngine = QStringLiteral(MIRELO_TEST_ENGINE_PATH);
constexpr int kStartTimeout = 15000;

QString configValue(const QString &file, const QString &key)
{
    QFile f(file);
    QDomDocument doc;
    if (!f.open(QIODevice::ReadOnly) || !doc.setContent(&f))
        return QStringLiteral("<unreadable>");
    return doc.documentElement().firstChildElement("Options").firstChildElement(key).text();
}
// Presets the close behaviour in the user's settings store.
void presetClose(const ProgramUser &user, bool ask, bool exit)
{
    QDir().mkpath(user.root() + "/config/Olvex");
    QFile f(user.root() + "/config/Olvex/Free Mirelo.conf");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Others]\nExitWhenCloseTip=%1\nExitWhenClose=%2\n")
                .arg(ask ? "true" : "false", exit ? "true" : "false")
                .toUtf8());
}

// Clicks the close button at the right end of the frame's title bar until
// `done` holds (a click that comes before the frame is ready is lost).
bool clickClose(const QString &frame, const std::function<bool()> &done)
{
    QRect g;
    for (int attempt = 0; attempt < 6; ++attempt) {
        // Read the place again each time: a busy machine may still be
        // placing the frame when the first click goes out.
        g = windowGeometry(frame);
        if (g.width() < 100) {
            QTest::qWait(300);
            continue;
        }
        xdotool({"mousemove", QString::number(g.right() - 24), QString::number(g.top() + 26), "sleep", "0.2",
                 "click", "1"});
        for (int wait = 0; wait < 30; ++wait) {
            if (done())
                return true;
            QTest::qWait(100);
        }
    }
    qWarning("close button at %d,%d of %d,%d %dx%d", g.right() - 24, g.top() + 26, g.x(), g.y(), g.width(), g.height());
    return false;
}

} // namespace

class TestStartupProcess : public QObject
{
    Q_OBJECT

    // Starts the program for `user` and waits for its frame.
    QString startToFrame(QProcess &p, const ProgramUser &user, const QStringList &args = {})
    {
        if (!startProgram(p, user, args, kEngine))
            return {};
        return waitForWindow(p.processId(), kFrameTitle, isMainFrameSize, kStartTimeout);
    }

    // Presses Return on a message box until the program ends (a key that
    // comes before the box is ready is lost).
    bool dismissWithReturn(QProcess &p, const QString &box)
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            xdotool({"windowfocus", "--sync", box});
            xdotool({"key", "--clearmodifiers", "Return"});
            if (p.waitForFinished(1000))
                return true;
        }
        return false;
    }

private slots:
    void secondStartHandsOverAndEnds()
    {
        ProgramUser user;
        QProcess first;
        QVERIFY(!startToFrame(first, user).isEmpty());

        const QString config = user.dataFolder() + "config.xml";
        const QDateTime written = QFileInfo(config).lastModified();
        QVERIFY(written.isValid());
        // File times may count in seconds: a rewrite must fall in a later one.
        QTRY_VERIFY_WITH_TIMEOUT(QDateTime::currentSecsSinceEpoch() > written.toSecsSinceEpoch(), 5000);

        QProcess second;
        QVERIFY(startProgram(second, user, {}, kEngine));
        QVERIFY2(waitForExit(second, 8000), "a second start must end within its time-out");
        // It handed over before touching the options file.
        QCOMPARE(QFileInfo(config).lastModified(), written);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        // The first one still runs and still shows its frame.
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(visibleWindows(first.processId(), kFrameTitle).size(), 1);
        stopProgram(first);
    }

    void otherUsersAreOtherInstances()
    {
        ProgramUser a, b;
        QProcess first, second;
        QVERIFY(!startToFrame(first, a).isEmpty());
        QVERIFY(!startToFrame(second, b).isEmpty());
        stopProgram(first);
        stopProgram(second);
    }

    void killedInstanceDoesNotBlockTheNext()
    {
        ProgramUser user;
        QProcess first;
        QVERIFY(!startToFrame(first, user).isEmpty());
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));

        QProcess next;
        QVERIFY2(!startToFrame(next, user).isEmpty(), "the start after a killed one must show its frame");
        stopProgram(next);
    }

    void countMode()
    {
        ProgramUser user;
        QProcess count;
        QVERIFY(startProgram(count, user, {"--COUNT--url--", "install"}, kEngine));
        QVERIFY(waitForExit(count, 10000));
        QCOMPARE(count.exitCode(), 0);
        // It made the options file and showed nothing.
        QVERIFY(QFile::exists(user.dataFolder() + "config.xml"));
        QVERIFY(!QFile::exists(user.dataFolder() + "Log/myrun.log"));

        QProcess uninstall;
        QVERIFY(startProgram(uninstall, user, {"--count--url--", "uninstall"}, kEngine));
        QVERIFY(waitForExit(uninstall, 10000));
        QCOMPARE(uninstall.exitCode(), 0);
    }

    void notACountRequestStartsNormally_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("mode word capitalised") << QStringList{"--count--url--", "Install"};
        QTest::newRow("extra word") << QStringList{"--count--url--", "install", "now"};
        QTest::newRow("mode word missing") << QStringList{"--count--url--"};
        QTest::newRow("trailing -Task") << QStringList{"-Task"};
        QTest::newRow("lower-case -task") << QStringList{"-task", "job"};
        QTest::newRow("task pair") << QStringList{"-Task", "job-1"};
    }
    void notACountRequestStartsNormally()
    {
        QFETCH(QStringList, args);
        ProgramUser user;
        QProcess p;
        QVERIFY(!startToFrame(p, user, args).isEmpty());
        stopProgram(p);
    }

    void missingSkinFolderEndsWithCodeOne()
    {
        // A program folder of its own, without "Skin".
        QTemporaryDir folder;
        const QString program = folder.filePath("mirelo");
        QVERIFY(QFile::copy(programPath(), program));
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, kEngine, program));
        const QString box = waitForWindow(p.processId(), QString(), kStartTimeout);
        QVERIFY2(!box.isEmpty(), "the message must show");
        QVERIFY(visibleWindows(p.processId(), kFrameTitle).isEmpty());
        QVERIFY(dismissWithReturn(p, box));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("Skin initialization failed!"));
    }

    void missingEngineEndsWithCodeOne()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, "/nonexistent/libMirelo.so"));
        const QString box = waitForWindow(p.processId(), QString(), kStartTimeout);
        QVERIFY(!box.isEmpty());
        QVERIFY(dismissWithReturn(p, box));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("/nonexistent/libMirelo.so"));
    }

    void noUsableHomeEndsWithCodeOne_data()
    {
        QTest::addColumn<QString>("home"); // empty: not set
        QTest::newRow("unset") << QString();
        QTest::newRow("root") << QStringLiteral("/");
    }
    void noUsableHomeEndsWithCodeOne()
    {
        QFETCH(QString, home);
        ProgramUser user;
        QProcessEnvironment env = user.environment(kEngine);
        if (home.isEmpty())
            env.remove("HOME");
        else
            env.insert("HOME", home);
        // The count mode does nothing and ends well.
        QProcess count;
        count.setProcessEnvironment(env);
        count.start(programPath(), {"--count--url--", "install"});
        QVERIFY(waitForExit(count, 10000));
        QCOMPARE(count.exitStatus(), QProcess::NormalExit);
        QCOMPARE(count.exitCode(), 0);
        QVERIFY(!QFile::exists(user.dataFolder()));
        // A start says why it cannot go on.
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(programPath(), QStringList());
        QVERIFY(p.waitForStarted(10000));
        const QString box = waitForWindow(p.processId(), QString(), kStartTimeout);
        QVERIFY2(!box.isEmpty(), "the message must show");
        QVERIFY(dismissWithReturn(p, box));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("no usable home folder"));
        QVERIFY(!QFile::exists(user.dataFolder()));
    }

    void noDisplayEndsWithCodeOne()
    {
        ProgramUser user;
        QProcess p;
        QProcessEnvironment env = user.environment(kEngine);
        env.insert("DISPLAY", ":4711"); // no server there
        env.insert("QT_QPA_PLATFORM", "xcb");
        p.setProcessEnvironment(env);
        p.start(programPath(), QStringList());
        QVERIFY(p.waitForStarted(10000));
        QVERIFY(waitForExit(p, 10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("cannot open the display"));
    }

    void homeWhoseNameIsNotUtf8()
    {
        installFileNameCodec(); // so the environment below carries the raw name
        ProgramUser user;
        const QByteArray home = QFile::encodeName(user.root()) + "/h\xe9me";
        QVERIFY(::mkdir(home.constData(), 0700) == 0);
        QProcessEnvironment env = user.environment(kEngine);
        env.insert("HOME", QFile::decodeName(home));
        env.remove("XDG_DATA_HOME");
        QProcess count;
        count.setProcessEnvironment(env);
        count.start(programPath(), {"--count--url--", "install"});
        QVERIFY(waitForExit(count, 10000));
        QCOMPARE(count.exitCode(), 0);
        QVERIFY(::access((home + "/.local/share/Olvex/Free Mirelo/config.xml").constData(), F_OK) == 0);
    }

    void optionsFileSavedAtExit()
    {
        ProgramUser user;
        presetClose(user, false, true);
        QProcess p;
        const QString frame = startToFrame(p, user);
        QVERIFY(!frame.isEmpty());
        const QRect g = windowGeometry(frame);
        QVERIFY2(clickClose(frame, [&] { return p.state() == QProcess::NotRunning; }),
                 "closing the frame must end the program");
        QCOMPARE(p.exitCode(), 0);
        const QString config = user.dataFolder() + "config.xml";
        QCOMPARE(configValue(config, "Width"), QString::number(g.width()));
        QCOMPARE(configValue(config, "Height"), QString::number(g.height()));
        QVERIFY(!configValue(config, "Language").isEmpty());
        QVERIFY(QFile(user.dataFolder() + "Log/myrun.log").size() > 0);

        // Its single-instance channel is free again.
        QProcess again;
        QVERIFY(!startToFrame(again, user).isEmpty());
        stopProgram(again);
    }

    // A logout may come in the first instant of a start, before the main
    // window shows: the end signal is caught from before there is a window
    // at all, and ends the start with code 0 (not the default end, 143).
    void anEndSignalBeforeTheWindowEndsTheStartCleanly()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, kEngine));
        const pid_t pid = pid_t(p.processId());
        // SIGTERM's bit in the mask of caught signals, as the kernel shows it.
        auto caught = [pid] {
            QFile status(QStringLiteral("/proc/%1/status").arg(pid));
            if (!status.open(QIODevice::ReadOnly))
                return false;
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("SigCgt:"))
                    return ((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1) != 0;
            }
            return false;
        };
        bool frameShown = false;
        QVERIFY(QTest::qWaitFor(
            [&] {
                frameShown = !visibleWindows(p.processId(), kFrameTitle, isMainFrameSize).isEmpty();
                return frameShown || caught() || p.state() != QProcess::Running;
            },
            kStartTimeout));
        QVERIFY2(!frameShown, "the signal must be caught before the main window shows");
        QCOMPARE(::kill(pid, SIGTERM), 0);
        QVERIFY2(waitForExit(p, 30000), "the start must end");
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }

    // A desktop that asks Qt to scale windows must not scale ours a second
    // time: the skin's display scale already sizes everything.
    void qtScalingStaysOff()
    {
        ProgramUser user;
        QProcess p;
        QProcessEnvironment env = user.environment(kEngine);
        env.insert("QT_SCALE_FACTOR", "2");
        env.insert("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
        p.setProcessEnvironment(env);
        p.start(programPath(), QStringList());
        QVERIFY(p.waitForStarted(10000));
        // Wider than high: not the splash screen, at any scale.
        const QString frame = waitForWindow(
            p.processId(), kFrameTitle, [](const QSize &size) { return size.width() > size.height(); }, kStartTimeout);
        QVERIFY(!frame.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(windowGeometry(frame).width() >= 800, 3000);
        QVERIFY2(windowGeometry(frame).width() < 1300, "the frame has its size at scale 1.0");
        stopProgram(p);
    }

    void closingToTheTrayKeepsRunningAndASecondStartShowsTheFrame()
    {
        // A desktop with a tray: closing hides the frame there.
        TrayOwner tray;
        QVERIFY(tray.isValid());
        ProgramUser user;
        presetClose(user, false, false);
        QProcess first;
        const QString frame = startToFrame(first, user);
        QVERIFY(!frame.isEmpty());
        QVERIFY(clickClose(frame, [&] { return visibleWindows(first.processId(), kFrameTitle).isEmpty(); }));
        // The last window closed, the program lives on: a second start
        // hands over to it, and it shows its frame again.
        QCOMPARE(first.state(), QProcess::Running);
        QProcess second;
        QVERIFY(startProgram(second, user, {}, kEngine));
        QVERIFY(waitForExit(second, 8000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(!waitForWindow(first.processId(), kFrameTitle, isMainFrameSize, 5000).isEmpty(), "the first start shows its frame again");
        QCOMPARE(first.state(), QProcess::Running);
        stopProgram(first);
    }

    void titleBarDragsTheFrame()
    {
        ProgramUser user;
        QProcess p;
        const QString frame = startToFrame(p, user);
        QVERIFY(!frame.isEmpty());
        const QRect before = windowGeometry(frame);
        const QString x = QString::number(before.x() + 300), y = QString::number(before.y() + 25);
        QVERIFY(xdotool({"mousemove", x, y, "sleep", "0.3", "mousedown", "1", "sleep", "0.2", "mousemove_relative",
                         "--", "50", "60", "sleep", "0.2", "mousemove_relative", "--", "50", "40", "sleep", "0.2",
                         "mouseup", "1"}));
        QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(frame).topLeft(), before.topLeft() + QPoint(100, 100), 3000);
        stopProgram(p);
    }

    void badFilesNeitherHangNorCrashTheStart()
    {
        // FIFOs as the options file and the settings store blocked their
        // open for good; a history 300 000 levels deep overflowed the
        // document model's recursion at every start.
        ProgramUser user;
        QVERIFY(makeFifo(user.dataFolder() + "config.xml"));
        QVERIFY(makeFifo(user.root() + "/config/Olvex/Free Mirelo.conf"));
        QFile history(user.dataFolder() + "History.xml");
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write(deepXml(300000, "History"));
        history.close();
        QProcess p;
        QVERIFY(!startToFrame(p, user).isEmpty());
        // Each is told in a message of its own, one after the other.
        for (int told = 0; told < 3; ++told) {
            const QString box = waitForWindow(p.processId(), kFrameTitle, isMessageSize, kStartTimeout);
            QVERIFY2(!box.isEmpty(), qPrintable(QString::number(told)));
            // A key that comes before the box is ready is lost.
            for (int attempt = 0; attempt < 10 && visibleWindows(p.processId()).contains(box); ++attempt) {
                xdotool({"windowfocus", "--sync", box});
                xdotool({"key", "--clearmodifiers", "Return"});
                for (int wait = 0; wait < 20 && visibleWindows(p.processId()).contains(box); ++wait)
                    QTest::qWait(50);
            }
            QVERIFY(!visibleWindows(p.processId()).contains(box));
        }
        QCOMPARE(p.state(), QProcess::Running);
        stopProgram(p);
        QVERIFY(QFileInfo(user.dataFolder() + "config.xml").isFile());
        QVERIFY(QFileInfo::exists(user.dataFolder() + "config.xml.bak"));
        QVERIFY(QFileInfo::exists(user.root() + "/config/Olvex/Free Mirelo.conf.bak"));
    }

    void cancelledCloseQuestionChangesNothing()
    {
        ProgramUser user;
        QProcess p;
        const QString frame = startToFrame(p, user);
        QVERIFY(!frame.isEmpty());
        // The question carries the program's title too.
        QString question;
        const bool asked = clickClose(
            frame, [&] { return !(question = visibleWindows(p.processId(), kFrameTitle, isMessageSize).value(0)).isEmpty(); });
        if (!asked) {
            for (const QString &id : visibleWindows(p.processId()))
                qWarning("window %s '%s'", qPrintable(id), qPrintable(windowName(id)));
        }
        QVERIFY(asked);
        for (int attempt = 0; attempt < 10 && visibleWindows(p.processId()).contains(question); ++attempt) {
            xdotool({"windowfocus", "--sync", question});
            xdotool({"key", "--clearmodifiers", "Escape"});
            QTest::qWait(300);
        }
        QVERIFY(!visibleWindows(p.processId()).contains(question));
        QCOMPARE(p.state(), QProcess::Running);
        QCOMPARE(visibleWindows(p.processId(), kFrameTitle).size(), 1);
        stopProgram(p);
    }
};

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "tst_x11_startup.moc"
