// The main window against the test engine: its events raised from the
// engine's own thread, the hotkeys (one screenshot tool at a time), the
// close decision, the end of a recording and the end asked from outside.
#include <QtTest>

#include "areaselected.h"
#include "commondialog.h"
#include "keptfile.h"
#include "audiodevicelist.h"
#include "controlbarlink.h"
#include "core/edition.h"
#include "core/enginebinding.h"
#include "core/engineevents.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "core/screenaccess.h"
#include "recordsource.h"
#include "fakewindowstacking.h"
#include "mainwindow/mirelo.h"
#include "mirelo_test_engine.h"
#include "myframe.h"
#include "history.h"
#include "platform/fakedesktopchrome.h"
#include "historylist.h"
#include "screencapturing.h"
#include "taskschedulelist.h"

#include <QComboBox>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

// Stands in for the control bar: records which of its calls ran.
class StandInBar : public QDialog, public ControlBar
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    static inline QPointer<StandInBar> last;
    QStringList calls;
    int recordState() const override { return 0; }
    void setSystemSoundLevel(int) override {}
    void setMicrophoneLevel(int) override {}
    bool started = false;
    void startRecord() override
    {
        calls << "start";
        started = true;
    }
    // Stopped before it started, it ends at once, as the program's bar.
    void stopRecord() override
    {
        calls << "stop";
        if (!started)
            reject();
    }
    void pauseRecord() override { calls << "pause"; }
    void screenshot() override { calls << "screenshot"; }
    void recordingFailed(int error) override { calls << QStringLiteral("failed %1").arg(error); }
    void soundLost() override { calls << "sound lost"; }
    void retranslate() override {}
    void stopUnattended() override { calls << "stop unattended"; }
    void finishForExit() override { calls << "finish for exit"; }
};

QDialog *makeBar(QWidget *parent, TaskScheduleItem *)
{
    auto *bar = new StandInBar(parent);
    StandInBar::last = bar;
    return bar;
}

template <typename Fn> Fn engineFn(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

void raise(int event, int data)
{
    QCOMPARE(engineFn<MireloTestEngineRaiseFn>("mireloTestEngineRaise")(event, data, 0), 0);
}

void loadScript(const char *text)
{
    engineFn<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(text);
}

// A main window in its frame, which takes the window with it, as in the
// program.
MyFrame *framedWindow(Mirelo **window)
{
    *window = new Mirelo(nullptr, QString());
    auto *frame = new MyFrame(*window, nullptr, CAbstractFrame::CloseButton, QPixmap(), 0, 0);
    (*window)->setFrame(frame);
    return frame;
}

// Such a window recording by hand at once, with a stand-in bar.
MyFrame *recordingWindow(Mirelo **window)
{
    MyFrame *frame = framedWindow(window);
    g_enviroment->recording()->setShowCountdown(false);
    (*window)->prepareToRecord(g_taskScheduleList->createItem());
    return frame;
}

QString trace()
{
    return QString::fromUtf8(engineFn<MireloTestEngineTraceFn>("mireloTestEngineTrace")());
}

// What the window tells the user while it lives: its messages (answered at
// once, as none may wait for an answer) and its notices for later.
struct Told {
    QStringList messages;
    QStringList notices;
    Told()
    {
        CommonDialog::setRunHook([this](CommonDialog *d) {
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                messages << label->text();
            return int(QDialog::Accepted);
        });
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([this](const QString &text) { notices << text; });
    }
    ~Told()
    {
        CommonDialog::setRunHook({});
        KeptFile::setNoticeHandler({});
    }
};

} // namespace

class TestMireloEvents : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        ControlBarLink::setFactory(&makeBar);
    }
    void cleanupTestCase()
    {
        ControlBarLink::setFactory(nullptr);
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }

    void levelsDevicesAndIgnoredEvents()
    {
        Mirelo mirelo(nullptr, QString());
        QSignalSpy changed(&mirelo, &Mirelo::audioDeviceChanged);
        QSignalSpy lost(&mirelo, &Mirelo::currentAudioDeviceLost);

        raise(0, 37);
        raise(1, 64);
        QTRY_COMPARE(mirelo.systemSoundBar()->value(), 37);
        QTRY_COMPARE(mirelo.microphoneBar()->value(), 64);

        // An event the window does not know, and one without its value,
        // change nothing; a level raised after them shows they were seen.
        raise(8, 4);
        engineEventCallback(0, nullptr, mirelo.engineEvents());
        raise(0, 12);
        QTRY_COMPARE(mirelo.systemSoundBar()->value(), 12);
        QCOMPARE(changed.count() + lost.count(), 0);

        // Both lists follow a change of the devices.
        loadScript("audio 4 \"Speakers\" \"HDMI\"\naudio 8 \"Mic\"\n");
        raise(4, 0);
        QTRY_COMPARE(g_systemSoundList->deviceCount(), 2);
        QTRY_COMPARE(g_microphoneList->deviceCount(), 1);
    }

    void lostDeviceStopsTheRecording()
    {
        Mirelo mirelo(nullptr, QString());
        g_enviroment->recording()->ShowCountdown = false;
        loadScript("audio 4 \"Speakers\"\naudio 8 \"Mic\"\n");
        raise(4, 0);
        QTRY_COMPARE(g_systemSoundList->deviceCount(), 1);
        g_systemSoundList->setDeviceEnabled(true);

        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QVERIFY(StandInBar::last);
        QCOMPARE(StandInBar::last->calls, QStringList{"start"});
        QCOMPARE(mirelo.windowState(), int(Mirelo::StateRecording));
        QVERIFY(!g_systemSoundList->isPersistent());

        // The speakers go: the recording stops and, with no device left,
        // the engine lets go of it and the bar drops.
        raise(0, 50);
        QTRY_COMPARE(mirelo.systemSoundBar()->value(), 50);
        loadScript("audio 8 \"Mic\"\ncurrent 4 -1\n");
        raise(4, 0);
        QTRY_COMPARE(g_systemSoundList->deviceCount(), 0);
        engineFn<MireloTestEngineClearTraceFn>("mireloTestEngineClearTrace")();
        raise(3, 4);
        QTRY_VERIFY(StandInBar::last->calls.contains("sound lost"));
        QTRY_VERIFY(trace().contains("closeAudioDevice type=4"));
        QCOMPARE(mirelo.systemSoundBar()->value(), 0);
        QVERIFY(!trace().contains("closeAudioDevice type=8"));

        // The engine could not write the file (a full disk): the bar hears
        // it at once, with the reason.
        raise(MIRELO_EVENT_RECORDING_FAILED, ENOSPC);
        QTRY_VERIFY(StandInBar::last->calls.contains(QStringLiteral("failed %1").arg(ENOSPC)));
    }

    void shortcutTable()
    {
        Mirelo mirelo(nullptr, QString());
        g_enviroment->recording()->ShowCountdown = false;
        // Without a recording, pause and the bar's hotkey do nothing, and
        // start does nothing on the home page.
        mirelo.shortcutHandled(1);
        mirelo.shortcutHandled(4);
        mirelo.shortcutHandled(0);
        QVERIFY(!mirelo.controlPanel());

        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        StandInBar *bar = StandInBar::last;
        QVERIFY(bar && bar->isVisible());
        bar->calls.clear();
        mirelo.shortcutHandled(1);
        mirelo.shortcutHandled(2);
        mirelo.shortcutHandled(0);
        QCOMPARE(bar->calls, (QStringList{"pause", "screenshot", "stop"}));
        mirelo.shortcutHandled(4);
        QVERIFY(!bar->isVisible());
        mirelo.shortcutHandled(4);
        QVERIFY(bar->isVisible());
        // One recording at a time.
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QCOMPARE(StandInBar::last.data(), bar);
    }

    // Pressed again while the capture tool is open, the hotkey opens no
    // second one over it; the tool is shown, not run, so the hotkey's
    // handler returns at once.
    void screenshotHotkeyOpensOneToolAtATime()
    {
        Mirelo mirelo(nullptr, QString());
        auto openTools = [] {
            QList<ScreenCapturing *> open;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *tool = qobject_cast<ScreenCapturing *>(w); tool && tool->isVisible())
                    open << tool;
            }
            return open;
        };
        mirelo.shortcutHandled(2);
        QTRY_COMPARE(openTools().size(), 1);
        QPointer<ScreenCapturing> first = openTools().first();
        mirelo.shortcutHandled(2);
        QCOMPARE(openTools(), QList<ScreenCapturing *>{first.data()});
        first->close();
        QTRY_VERIFY(!first);
        // Closed, the hotkey opens the tool again.
        mirelo.shortcutHandled(2);
        QTRY_COMPARE(openTools().size(), 1);
        QVERIFY(openTools().first() != first.data());
        openTools().first()->close();
        QTRY_VERIFY(openTools().isEmpty());
    }

    void recordFinishedPowersOffAndGoesOn()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath("off");
        qputenv("MIRELO_POWEROFF_COMMAND", QStringLiteral("touch \"%1\"").arg(marker).toLocal8Bit());
        Mirelo mirelo(nullptr, QString());
        g_enviroment->recording()->setAutoOpenHistory(false);
        g_enviroment->recording()->ShowCountdown = false;
        TaskScheduleItem *later = g_taskScheduleList->createItem();
        later->setEnabled(true);
        later->setStartTime(QDateTime::currentDateTime().addSecs(3600));
        g_taskScheduleList->appendItem(later);
        TaskScheduleItem *item = g_taskScheduleList->createItem();
        item->setShutdown(true);
        mirelo.prepareToRecord(item);
        QVERIFY(!g_taskScheduleList->timer()->isActive());
        QVERIFY(StandInBar::last);
        StandInBar::last->done(0);
        QTRY_VERIFY(QFile::exists(marker));
        // The steps after the power-off still ran.
        QCOMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QVERIFY(!mirelo.controlPanel());
        QVERIFY(g_systemSoundList->isPersistent() && g_microphoneList->isPersistent());
        QVERIFY(g_taskScheduleList->timer()->isActive());
        qunsetenv("MIRELO_POWEROFF_COMMAND");
    }

    // An output folder that cannot hold a file stops the start with a
    // message that says so; a bar that started nothing opens no History,
    // one that recorded does.
    void unusableFolderOrFailedStartShowsNoHistory()
    {
        QTemporaryDir dir;
        Mirelo mirelo(nullptr, QString());
        g_enviroment->recording()->setAutoOpenHistory(true);
        g_enviroment->recording()->ShowCountdown = false;
        Told told;
        QStringList &messages = told.messages;
        auto historyShown = [] { return g_history && g_history->isVisible(); };
        StandInBar::last = nullptr;

        // A folder nobody can write in, root included.
        g_enviroment->output()->VideoFolder = QStringLiteral("/proc");
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.last(), QStringLiteral("The location of output files cannot be written, please choose "
                                                 "another one in settings."));
        // One that cannot be made at all.
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        g_enviroment->output()->VideoFolder = dir.filePath("file/sub");
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.last().contains(QStringLiteral("not valid")));
        QVERIFY(!StandInBar::last);
        QCOMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QVERIFY(!historyShown());

        // The bar could not start the engine.
        g_enviroment->output()->VideoFolder = dir.path();
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QVERIFY(StandInBar::last);
        StandInBar::last->done(QDialog::Rejected);
        QVERIFY(!historyShown());
        QCOMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files), QStringList{"file"}); // no probe left
        // A recording that ended.
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        StandInBar::last->done(QDialog::Accepted);
        QVERIFY(historyShown());
        g_history->hide();
        QCOMPARE(messages.size(), 2);
    }

    // In a Wayland session the screen reads black: a screen recording (by
    // hand or scheduled), a screenshot and a region pick are refused with
    // the reason, and no bar starts; a sound recording still starts.
    void waylandSessionRefusesOnlyWhatReadsTheScreen()
    {
        QTemporaryDir dir;
        Mirelo mirelo(nullptr, QString());
        g_enviroment->recording()->ShowCountdown = false;
        g_enviroment->output()->VideoFolder = dir.path();
        Told told;
        const QStringList &messages = told.messages;
        RecordSource::Live live;
        live.selectedRect = [] { return QRect(0, 0, 320, 240); };
        live.systemSoundCount = [] { return 1; };
        RecordSource::setLive(live);
        DataGroupPrivate *p = g_enviroment->privateData;
        p->ScreenEnabled = true;
        p->CameraEnabled = false;
        p->SystemsoundEnabled = true;
        p->SystemsoundIndex = 0;
        screenaccess::setWaylandSession(true);
        StandInBar::last = nullptr;

        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        TaskScheduleItem *job = g_taskScheduleList->createItem();
        job->setName(QStringLiteral("every morning"));
        mirelo.prepareToRecord(job);
        mirelo.showScreenCapturing();
        // The job's reason waits among the notices, for whoever comes back.
        QCOMPARE(messages, QStringList({screenaccess::refusal(), screenaccess::refusal()}));
        QCOMPARE(told.notices.size(), 1);
        QVERIFY(told.notices[0].contains(screenaccess::refusal()));
        QVERIFY(!StandInBar::last);
        QCOMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget *w) { return qobject_cast<ScreenCapturing *>(w) != nullptr; }));

        p->ScreenEnabled = false;
        mirelo.prepareToRecord(g_taskScheduleList->createItem());
        QVERIFY(StandInBar::last);
        QCOMPARE(StandInBar::last->calls, QStringList{"start"});
        StandInBar::last->done(QDialog::Rejected);
        QCOMPARE(messages.size(), 2);
        screenaccess::setWaylandSession(false);
        RecordSource::resetLive();
    }

    // A logout or shutdown: the recording stops unattended (no message to
    // answer), the desktop comes back and the window leaves as by Exit; a
    // second request meanwhile changes nothing. During a countdown no
    // recording starts after it.
    void endRequestedFromOutside()
    {
        FakeDesktopChrome chrome;
        {
            // First: once a test has left as by Exit, no nested loop of the
            // test program runs any more (the countdown's included).
            StandInBar::last = nullptr;
            Mirelo *mirelo = nullptr;
            std::unique_ptr<MyFrame> frame(framedWindow(&mirelo));
            g_enviroment->recording()->setShowCountdown(true);
            QTimer::singleShot(0, mirelo, &Mirelo::endOnRequest);
            mirelo->prepareToRecord(g_taskScheduleList->createItem());
            QVERIFY(mirelo->countdown());
            QTRY_VERIFY(!g_taskScheduleList);
            QVERIFY(!StandInBar::last);
            QVERIFY(!mirelo->countdown());
        }
        {
            Mirelo *mirelo = nullptr;
            std::unique_ptr<MyFrame> frame(recordingWindow(&mirelo));
            QPointer<StandInBar> bar = StandInBar::last;
            QVERIFY(bar);
            chrome.calls.clear();
            mirelo->endOnRequest();
            mirelo->endOnRequest();
            QCOMPARE(bar->calls, QStringList({"start", "stop unattended"}));
            QVERIFY(chrome.calls.contains("show taskbar") && chrome.calls.contains("show icons"));
            QTRY_VERIFY(!g_taskScheduleList && !g_historyList); // left as by Exit
            QVERIFY(!frame->isVisible());
        }
    }

    // A start is made of steps that return to the event loop: the countdown,
    // then the bar and the wait for the hidden panels to leave the screen.
    // During the countdown the stop hotkey is lost and a job that falls due
    // is skipped; during the wait a stop ends the start: nothing records,
    // the panels come back and the window is idle, ready for the next one.
    void aStopDuringTheStartEndsItCleanly()
    {
        FakeDesktopChrome chrome;
        Mirelo *mirelo = nullptr;
        std::unique_ptr<MyFrame> frame(framedWindow(&mirelo));
        g_enviroment->recording()->setShowCountdown(true);
        g_enviroment->recording()->setHideTaskbar(true);
        g_enviroment->recording()->setAutoOpenHistory(false);
        StandInBar::last = nullptr;
        TaskScheduleItem *byHand = g_taskScheduleList->createItem();
        mirelo->prepareToRecord(byHand);
        QCOMPARE(mirelo->startStage(), int(Mirelo::StartCountdown));
        QVERIFY(mirelo->countdown() && mirelo->countdown()->isVisible());
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateRecording));
        emit g_enviroment->hotkeys()->shortcutActivated(MR_SHORTCUT_STOP);
        TaskScheduleItem *due = g_taskScheduleList->createItem();
        due->setName(QStringLiteral("due now"));
        mirelo->prepareToRecord(due);
        QVERIFY(!StandInBar::last);
        QCOMPARE(mirelo->currentItem(), byHand);
        QVERIFY(mirelo->countdown()->isVisible());

        // Escape: the bar shows at once, the panels go; it starts once the
        // screen shows them gone.
        mirelo->countdown()->reject();
        QPointer<StandInBar> bar = StandInBar::last;
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(mirelo->startStage(), int(Mirelo::StartHidingChrome));
        QVERIFY(chrome.calls.contains("hide taskbar"));
        QVERIFY(bar->calls.isEmpty());
        emit g_enviroment->hotkeys()->shortcutActivated(MR_SHORTCUT_STOP);
        QCOMPARE(bar->calls, QStringList{"stop"});
        QVERIFY(!mirelo->controlPanel());
        QCOMPARE(mirelo->startStage(), int(Mirelo::StartIdle));
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateIdle));
        QCOMPARE(chrome.calls.last(), QStringLiteral("recover"));
        QVERIFY(chrome.calls.contains("show taskbar"));
        // The wait's end finds no start to go on with.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(!bar || bar->calls == QStringList{"stop"});

        // The next start goes all the way.
        chrome.calls.clear();
        mirelo->prepareToRecord(g_taskScheduleList->createItem());
        QVERIFY(mirelo->countdown());
        mirelo->countdown()->accept();
        QTRY_COMPARE(mirelo->startStage(), int(Mirelo::StartIdle));
        QVERIFY(StandInBar::last && StandInBar::last != bar);
        QCOMPARE(StandInBar::last->calls, QStringList{"start"});
        QCOMPARE(chrome.calls, QStringList{"hide taskbar"});
        StandInBar::last->done(QDialog::Accepted);
        g_enviroment->recording()->setHideTaskbar(false);
    }

    // The display is gone: only the file is finished; nothing is asked of
    // the display and the desktop is not touched.
    void lostDisplayFinishesOnlyTheFile()
    {
        FakeDesktopChrome chrome;
        Mirelo *mirelo = nullptr;
        std::unique_ptr<MyFrame> frame(recordingWindow(&mirelo));
        QPointer<StandInBar> bar = StandInBar::last;
        QVERIFY(bar);
        chrome.calls.clear();
        mirelo->finishBeforeExit();
        QCOMPARE(bar->calls, QStringList({"start", "finish for exit"}));
        QVERIFY(chrome.calls.isEmpty());
        QVERIFY(mirelo->isExiting());
    }

    void closeDecision()
    {
        Mirelo *mirelo = nullptr;
        auto *frame = framedWindow(&mirelo);
        frame->show();
        g_areaSelected->show();
        DataGroupOthers *others = g_enviroment->others();
        others->setExitWhenCloseTip(false);
        others->setExitWhenClose(false);
        // Kept running: out of sight, and, with no tray to come back
        // from, minimised rather than hidden.
        QVERIFY(!Mirelo::frameCloseCallback(mirelo));
        QVERIFY(!g_areaSelected->isVisible());
        QVERIFY(frame->isMinimized());
        QVERIFY(g_taskScheduleList && !mirelo->isExiting());
        QVERIFY(Mirelo::frameCloseCallback(nullptr));

        others->setExitWhenClose(true);
        QVERIFY(mirelo->confirmClose());
        QVERIFY(mirelo->isExiting());
        QVERIFY(!g_taskScheduleList && !g_historyList);
        // Events after the exit began find nothing to touch. The probe's
        // slot is queued after the window's for each event: once it has
        // the last one, the window has had them all.
        QObject probe;
        int lastLevel = -1;
        connect(mirelo->engineEvents(), &EngineEvents::systemSoundLevel, &probe, [&](int level) { lastLevel = level; });
        raise(4, 0);
        raise(3, 4);
        raise(0, 20);
        QTRY_COMPARE(lastLevel, 20);
        QCOMPARE(mirelo->systemSoundBar()->value(), 0);
        delete frame;
    }

    void windowStaysAboveTheRegionFrame()
    {
        FakeWindowStacking stacking;
        auto *mirelo = new Mirelo(nullptr, QString());
        auto *frame = new MyFrame(mirelo, nullptr, CAbstractFrame::CloseButton, QPixmap(), 0, 0);
        mirelo->setFrame(frame);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(frame, &activate);
        QVERIFY(!stacking.staysOnTop(frame->windowHandle()));
        g_areaSelected->show();
        QApplication::sendEvent(frame, &activate);
        QVERIFY(stacking.staysOnTop(frame->windowHandle()));
        // The region frame goes: the window is an ordinary one again.
        g_areaSelected->hide();
        QVERIFY(!stacking.staysOnTop(frame->windowHandle()));
        // Shown again while the window stays active (a preset from its
        // menu): the window goes above it without waiting for an activation.
        g_areaSelected->show();
        QVERIFY(stacking.staysOnTop(frame->windowHandle()));
        g_areaSelected->hide();
        QVERIFY(!stacking.staysOnTop(frame->windowHandle()));
        // Not while the window itself is out of sight.
        frame->hide();
        g_areaSelected->show();
        QVERIFY(!stacking.staysOnTop(frame->windowHandle()));
        delete frame;
    }

    void wheelNeverChangesAComboBox()
    {
        Mirelo mirelo(nullptr, QString());
        QComboBox box;
        box.addItems({"a", "b", "c"});
        box.show();
        QWheelEvent wheel(QPointF(5, 5), box.mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box, &wheel);
        QCOMPARE(box.currentIndex(), 0);
    }
};

QTEST_MAIN(TestMireloEvents)
#include "tst_mirelo_events.moc"
