// The main window's start seen from outside: its construction steps in the
// start-up log, the run log's first line, and a scheduled second start that
// leaves a hidden frame hidden.
#include <QtTest>

#include <functional>

#include "mirelo_test_engine.h"
#include "programrun.h"
#include "testsupport.h"
#include "trayowner.h"

using namespace testsupport;

namespace {
const QString kFrameTitle = QStringLiteral("Olvex Free Mirelo");
const QString kEngine = QStringLiteral(MIRELO_TEST_ENGINE_PATH);

QStringList lines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void presetCloseToTray(const ProgramUser &user)
{
    QDir().mkpath(user.root() + "/config/Olvex");
    QFile f(user.root() + "/config/Olvex/Free Mirelo.conf");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Others]\nExitWhenCloseTip=false\nExitWhenClose=false\n");
}

bool clickCloseUntil(const QString &frame, const std::function<bool()> &done)
{
    for (int attempt = 0; attempt < 6; ++attempt) {
        const QRect g = windowGeometry(frame);
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
    return false;
}
} // namespace

class TestMainWindowStart : public QObject
{
    Q_OBJECT
private slots:
    void constructionStepsAreLoggedInOrder()
    {
        ProgramUser user;
        QProcess p;
        QVERIFY(startProgram(p, user, {}, kEngine));
        QVERIFY(!waitForWindow(p.processId(), kFrameTitle, isMainFrameSize, 15000).isEmpty());
        const QStringList steps{"core init", "Enviroment init", "AreaSelected init", "Camera init",
                                "AudioDevice init", "SystemTray init", "TaskSchedule init", "RecordLength init",
                                "HistoryList init", "new Controller begin", "new Controller finish"};
        const QStringList logged = lines(user.dataFolder() + "Log/Runstate.log");
        int at = 0;
        for (const QString &line : logged) {
            if (at < steps.size() && line.contains("]" + steps.at(at) + " <"))
                ++at;
        }
        QVERIFY2(at == steps.size(), qPrintable(logged.join('\n')));
        QVERIFY(lines(user.dataFolder() + "Log/myrun.log").value(0).contains("Startup begin!!! QS:"));
        // The store's own folder is made under the data folder.
        QVERIFY(QFileInfo(user.dataFolder() + "Tasks/Olvex Free Mirelo/1.1").isDir());
        stopProgram(p);
    }

    void aScheduledSecondStartLeavesTheFrameHidden()
    {
        // Closed to a tray, so the frame is hidden, not minimised.
        TrayOwner tray;
        QVERIFY(tray.isValid());
        ProgramUser user;
        presetCloseToTray(user);
        QProcess first;
        QVERIFY(startProgram(first, user, {}, kEngine));
        const QString frame = waitForWindow(first.processId(), kFrameTitle, isMainFrameSize, 15000);
        QVERIFY(!frame.isEmpty());
        QVERIFY(clickCloseUntil(frame, [&] { return visibleWindows(first.processId(), kFrameTitle).isEmpty(); }));

        QProcess second;
        QVERIFY(startProgram(second, user, {"-Task", "{00000000-0000-0000-0000-000000000001}"}, kEngine));
        QVERIFY(waitForExit(second, 8000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(waitForWindow(first.processId(), kFrameTitle, 2000).isEmpty());
        QCOMPARE(first.state(), QProcess::Running);
        stopProgram(first);
    }
};

QTEST_MAIN(TestMainWindowStart)
#include "tst_x11_mainwindowstart.moc"
