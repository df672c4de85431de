// The tray icon: what clicks and menu entries emit, the menu's state for
// each window state (with a stand-in window), what the main window does
// with each request while idle and while recording, including the desktop
// icons and panels kept out of the recording, and the tray's and the menus'
// entries in every language the program ships.
#include <QtTest>

#include "controlbarlink.h"
#include "core/datagrouphotkeys.h"
#include "core/datagrouprecording.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "core/edition.h"
#include "core/enviroment.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "mainwindow/mirelo.h"
#include "myframe.h"
#include "platform/fakedesktopchrome.h"
#include "systemtray.h"
#include "testsupport.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>

namespace {

class FakeHost : public QObject, public TrayHost
{
public:
    int windowState = 0;
    int barState = 0;
    bool canRecord = true;
    bool barVisible = true;
    void queryState(int *state, int *mode, int *bar, bool *can) const override
    {
        *state = windowState;
        *mode = 1;
        *bar = barState;
        *can = canRecord;
    }
    bool isControlPanelVisible() const override { return barVisible; }
};

// The control bar as the main window sees it: its calls and a state.
class StandInBar : public QDialog, public ControlBar
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    QStringList calls;
    int state = 0;
    int recordState() const override { return state; }
    void setSystemSoundLevel(int) override {}
    void setMicrophoneLevel(int) override {}
    void startRecord() override
    {
        calls << "start";
        state = 1;
    }
    void pauseRecord() override
    {
        calls << "pause";
        state = state == 1 ? 2 : 1;
    }
    void stopRecord() override
    {
        calls << "stop";
        done(0);
    }
    void stopUnattended() override {}
    void finishForExit() override {}
    void recordingFailed(int) override {}
    void screenshot() override {}
    void retranslate() override {}
};

StandInBar *s_bar = nullptr;
QDialog *makeBar(QWidget *parent, TaskScheduleItem *)
{
    s_bar = new StandInBar(parent);
    return s_bar;
}

// "text enabled" of each entry, in menu order.
QStringList entries(const SystemTray &tray)
{
    QStringList out;
    for (QAction *a : tray.trayMenu()->actions())
        out << a->text() + (a->isEnabled() ? "+" : "-");
    return out;
}

} // namespace

class TestSystemTray : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        createApplicationData();
        g_myConfig = new MyConfig;
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
    }

    void clicksAndEntriesEmitTheirValues()
    {
        FakeHost host;
        SystemTray tray(&host);
        QSignalSpy spy(&tray, &SystemTray::actionActivate);
        tray.iconIsActived(QSystemTrayIcon::Trigger);
        tray.iconIsActived(QSystemTrayIcon::DoubleClick);
        tray.iconIsActived(QSystemTrayIcon::MiddleClick);
        tray.iconIsActived(QSystemTrayIcon::Context);
        for (QAction *a : {tray.actStart(), tray.actPause(), tray.actScreenCapture(), tray.actPreferences(),
                           tray.actFloatBar(), tray.actExit()}) {
            a->setEnabled(true);
            a->trigger();
        }
        QList<int> values;
        for (const QList<QVariant> &args : spy)
            values << args.first().value<TrayAction>();
        QCOMPARE(values, (QList<int>{0, 1, 2, 3, 4, 5, 8, 9}));
        QCOMPARE(tray.trayIcon()->parent(), &host);
        QVERIFY(!tray.trayIcon()->icon().isNull());
    }

    void menuFollowsTheWindowState()
    {
        FakeHost host;
        SystemTray tray(&host);
        // Recording, bar shown.
        host.windowState = 6;
        host.barState = 1;
        tray.iconIsActived(QSystemTrayIcon::Context);
        QCOMPARE(entries(tray), (QStringList{"Pause+", "Stop+", "Screen Capture-", "Preferences-",
                                              "Hide float bar+", "Exit-"}));
        // Paused with the bar hidden; a StatusNotifier host only opens the menu.
        host.barState = 2;
        host.barVisible = false;
        emit tray.trayMenu()->aboutToShow();
        QCOMPARE(entries(tray), (QStringList{"Resume+", "Stop+", "Screen Capture-", "Preferences-",
                                              "Show float bar+", "Exit-"}));
        // Recording not started yet: nothing to stop or pause.
        host.barState = 0;
        tray.updateActions();
        QCOMPARE(entries(tray), (QStringList{"Pause-", "Stop-", "Screen Capture-", "Preferences-",
                                              "Show float bar-", "Exit-"}));
        // Idle with no source chosen.
        host.windowState = 0;
        host.canRecord = false;
        tray.updateActions();
        QCOMPARE(entries(tray), (QStringList{"Pause-", "Start-", "Screen Capture+", "Preferences+",
                                              "Show float bar-", "Exit+"}));
        // The settings dialog is open.
        host.windowState = 2;
        host.canRecord = true;
        tray.updateActions();
        QCOMPARE(entries(tray), (QStringList{"Pause-", "Start+", "Screen Capture+", "Preferences-",
                                              "Show float bar-", "Exit+"}));

        // A parent that is no window of ours: only the three go off.
        QObject stranger;
        SystemTray lone(&stranger);
        lone.updateActions();
        QCOMPARE(entries(lone), (QStringList{"Pause+", "Start+", "Screen Capture-", "Preferences-",
                                              "Show float bar-", "Exit+"}));
    }

    void mainWindowCarriesTheRequestsOut()
    {
        FakeDesktopChrome chrome;
        ControlBarLink::setFactory(&makeBar);
        Mirelo *mirelo = new Mirelo(nullptr, QString());
        MyFrame frame(mirelo, nullptr, 0x10000005, QPixmap());
        mirelo->setFrame(&frame);
        SystemTray *tray = mirelo->systemTray();
        QVERIFY(tray);
        // The start maps back what a crashed run left hidden.
        QVERIFY(chrome.calls.contains("recover"));
        chrome.calls.clear();
        // The hotkeys show beside their entries.
        QCOMPARE(tray->actPause()->shortcut().toString(QKeySequence::NativeText),
                 QKeySequence(g_enviroment->hotkeys()->HotkeyPause).toString(QKeySequence::NativeText));

        // Idle: a click brings the frame back; Pause does nothing.
        frame.hide();
        emit tray->actionActivate(TrayClick);
        QVERIFY(frame.isVisible());
        emit tray->actionActivate(TrayPause);
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateIdle));

        // Recording, with the desktop kept out of the picture.
        g_enviroment->recording()->HideDesktopIcons = true;
        g_enviroment->recording()->HideTaskbar = true;
        // The History window opening after the stop is not what is checked here.
        g_enviroment->recording()->AutoOpenHistory = false;
        g_enviroment->recording()->ShowCountdown = false;
        mirelo->setRecordMode(1);
        emit tray->actionActivate(TrayStart);
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateRecording));
        QVERIFY(s_bar);
        StandInBar *bar = s_bar;
        // It starts once the screen shows the desktop's icons and panels gone.
        QTRY_COMPARE(bar->calls, QStringList{"start"});
        QCOMPARE(chrome.calls, (QStringList{"hide icons", "hide taskbar"}));
        QVERIFY(!frame.isVisible());
        // Screen capture, preferences and exit wait for the end.
        for (TrayAction a : {TrayScreenCapture, TrayPreferences, TrayExit})
            emit tray->actionActivate(a);
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateRecording));
        QVERIFY(!frame.isVisible());
        emit tray->actionActivate(TrayPause);
        tray->updateActions();
        QCOMPARE(tray->actPause()->text(), QStringLiteral("Resume"));
        emit tray->actionActivate(TrayFloatBar);
        QVERIFY(!bar->isVisible());
        emit tray->actionActivate(TrayClick);
        QVERIFY(bar->isVisible());
        emit tray->actionActivate(TrayStart);
        QCOMPARE(bar->calls, (QStringList{"start", "pause", "stop"}));
        QCOMPARE(mirelo->windowState(), int(Mirelo::StateIdle));
        QCOMPARE(chrome.calls.mid(2, 2), (QStringList{"show icons", "show taskbar"}));
        QVERIFY(frame.isVisible());

        // Exit from the tray leaves without asking, panels mapped back.
        chrome.calls.clear();
        emit tray->actionActivate(TrayExit);
        QTRY_VERIFY(mirelo->isExiting());
        QVERIFY(!frame.isVisible());
        QVERIFY(chrome.calls.contains("show taskbar"));
        QVERIFY(!mirelo->systemTray());
        ControlBarLink::setFactory(nullptr);
        delete mirelo;
    }

    // Icons or a taskbar this desktop cannot hide are said once, before the
    // first recording by hand that asks to hide them, and not again.
    void chromeThatCannotBeHiddenIsSaidOnce()
    {
        FakeDesktopChrome chrome;
        chrome.iconsHideable = false;
        chrome.taskbarHideable = false;
        ControlBarLink::setFactory(&makeBar);
        QStringList said;
        CommonDialog::setRunHook([&](CommonDialog *d) {
            said << d->findChild<QLabel *>(QStringLiteral("lblPrompt"))->text();
            return int(QDialog::Accepted);
        });
        Mirelo *mirelo = new Mirelo(nullptr, QString());
        MyFrame frame(mirelo, nullptr, 0x10000005, QPixmap());
        mirelo->setFrame(&frame);
        g_enviroment->recording()->HideDesktopIcons = true;
        g_enviroment->recording()->HideTaskbar = false;
        g_enviroment->recording()->ShowCountdown = false;
        g_enviroment->recording()->AutoOpenHistory = false;
        mirelo->setRecordMode(1);
        auto record = [&] {
            for (int i = 0; i < 2; ++i) {
                emit mirelo->systemTray()->actionActivate(TrayStart);
                QCOMPARE(mirelo->windowState(), int(Mirelo::StateRecording));
                emit mirelo->systemTray()->actionActivate(TrayStart);
                QCOMPARE(mirelo->windowState(), int(Mirelo::StateIdle));
            }
        };
        record();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains(QLatin1String("icons")));
        QVERIFY(!said.first().contains(QLatin1String("taskbar")));
        // The taskbar asked for later is said then, the icons not again.
        g_enviroment->recording()->HideTaskbar = true;
        record();
        QCOMPARE(said.size(), 2);
        QVERIFY(said.last().contains(QLatin1String("taskbar")));
        QVERIFY(!said.last().contains(QLatin1String("icons")));
        delete mirelo;
        // Both at once: one message.
        said.clear();
        mirelo = new Mirelo(nullptr, QString());
        MyFrame again(mirelo, nullptr, 0x10000005, QPixmap());
        mirelo->setFrame(&again);
        mirelo->setRecordMode(1);
        record();
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains(QLatin1String("icons")) && said.first().contains(QLatin1String("taskbar")));
        g_enviroment->recording()->HideTaskbar = false;
        g_enviroment->recording()->HideDesktopIcons = false;
        CommonDialog::setRunHook({});
        ControlBarLink::setFactory(nullptr);
        delete mirelo;
    }

    // Last: it switches the language back to English at its end. A switch
    // reaches the window the way the controller's does (its retranslate).
    void everyLanguageReachesTheTrayAndTheMenus()
    {
        Mirelo *mirelo = new Mirelo(nullptr, QString());
        MyFrame frame(mirelo, nullptr, 0x10000005, QPixmap());
        mirelo->setFrame(&frame);
        const QString folder = testsupport::binDir() + "/Language";
        // Each entry beside the source text it is translated from.
        struct Entry {
            const char *context, *source;
            QString now;
        };
        auto entries = [&] {
            QList<Entry> out;
            const char *tray[] = {"Pause", "Start", "Screen Capture", "Preferences", "Show float bar", "Exit"};
            const QList<QAction *> trayActions = mirelo->systemTray()->trayMenu()->actions();
            for (int i = 0; i < 6; ++i)
                out.append({"SystemTray", tray[i], trayActions.at(i)->text()});
            const char *camera[] = {"Camera Settings", "Transparency", "Sticky on Top", "Take Photo",
                                    "Flip Horizontal", "Close"};
            const QList<QAction *> cameraActions = g_cameraWindow->menu()->actions();
            for (int i = 0; i < 6; ++i)
                out.append({"CameraWindow", camera[i], cameraActions.at(i)->text()});
            out.append({"CameraWindow", "Take Photo",
                        g_cameraWindow->toolFrame()->findChild<QWidget *>("btnTakePhoto")->toolTip()});
            for (QAction *a : frame.settingsMenu()->actions()) {
                if (!a->isSeparator())
                    out.append({"MyFrame", nullptr, a->text()});
            }
            return out;
        };
        const QList<Entry> english = entries();
        for (const QString language : {"zh", "zh_TW", "fr", "jp", "de", "ko"}) {
            QVERIFY(loadTranslators(language, folder, "Mirelo"));
            mirelo->retranslate();
            const QList<Entry> now = entries();
            QCOMPARE(now.size(), english.size());
            int changed = 0;
            for (int i = 0; i < now.size(); ++i) {
                const char *source = english[i].source;
                const QString sourceText = source ? QString::fromLatin1(source) : english[i].now;
                const QString expected = QCoreApplication::translate(english[i].context, qPrintable(sourceText));
                QVERIFY2(now[i].now == expected, qPrintable(language + ": " + sourceText + " shows " + now[i].now));
                changed += now[i].now != sourceText;
            }
            // The language's translations were there to be shown.
            QVERIFY2(changed >= now.size() - 2, qPrintable(language));
        }
        QVERIFY(loadTranslators("en", folder, "Mirelo"));
        mirelo->retranslate();
        QCOMPARE(mirelo->systemTray()->trayMenu()->actions().at(2)->text(), QStringLiteral("Screen Capture"));
        delete mirelo;
    }
};

QTEST_MAIN(TestSystemTray)
#include "tst_systemtray.moc"
