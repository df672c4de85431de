// The main window's pages against the test engine: the record button's rule
// across pages and toggles, the record box without a camera, the webcam-off
// tip, the fixed-region menu, the record-length button and the microphone
// privacy flow. And what the window shows after something ended by itself:
// the record length and task schedule buttons once a one-time limit or a
// once job is used up (also a job that ran while the program was closed),
// and the webcam controls after the privacy notice closed a camera that
// refused access, on the webcam page and on the screen page.
#include <QSignalSpy>
#include <QtTest>

#include "areaselected.h"
#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerawindow.h"
#include "commondialog.h"
#include "controlbarlink.h"
#include "countdownwindow.h"
#include "controller.h"
#include "core/edition.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "cpushbutton.h"
#include "mainwindow/mirelo.h"
#include "mainwindow/myframe.h"
#include "mirelo_test_engine.h"
#include "mysystemprivacywidget.h"
#include "pagewidgets.h"
#include "privacyprompts.h"
#include "recordlength.h"
#include "skinmanager.h"
#include "taskschedulelist.h"
#include "testsupport.h"
#include "ui_SystemPrivacyWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <functional>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QSlider>
#include <QStackedWidget>

namespace {

template <typename Fn>
Fn control(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

void loadScript(const char *text)
{
    QCOMPARE(control<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(text), 0);
}

int traceCount(const QString &op, const QString &part)
{
    const QStringList lines = QString::fromUtf8(control<MireloTestEngineTraceFn>("mireloTestEngineTrace")())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int n = 0;
    for (const QString &line : lines)
        n += line.startsWith(op + QLatin1Char(' ')) && line.contains(part);
    return n;
}

// What the modal dialogs said and answer: tips and warnings alike.
struct Dialogs {
    QStringList texts;
    bool accept = true;
    Dialogs()
    {
        CommonDialog::setRunHook([this](CommonDialog *d) {
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                texts << label->text();
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
    }
    ~Dialogs() { CommonDialog::setRunHook({}); }
};

// Stands in for the control bar; the test ends the recording with done().
QPointer<QDialog> s_bar;

QDialog *makeBar(QWidget *parent, TaskScheduleItem *)
{
    s_bar = new QDialog(parent);
    return s_bar;
}

// The webcam button's picture for the box's state, as the window draws it.
QImage cameraButtonPicture(bool on)
{
    const QPixmap file(SkinManager::instance()->skinPath()
                       + (on ? "image/mainfuncamera-on-normal.png" : "image/mainfuncamera-off-normal.png"));
    const int side = int(36 * g_dscale);
    return file.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
}

QImage cameraButtonNow(const PageWidgets *w)
{
    return static_cast<CPushButton *>(w->btnCamera)->imageMap().value(IMAGE_NORMAL).toImage();
}

// Answers the privacy notice with OK each time it opens, counting it.
struct NoticeAnswer {
    QList<int> kinds;
    QTimer timer;
    NoticeAnswer()
    {
        timer.setInterval(10);
        // The notice shows in a frame of its own, which waits for nobody.
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                auto *frame = qobject_cast<MyFrame *>(window);
                auto *notice = frame && frame->isVisible() ? qobject_cast<MySystemPrivacyWidget *>(frame->content())
                                                           : nullptr;
                if (!notice || !notice->isVisible())
                    continue;
                kinds << notice->deviceKind();
                notice->form()->btnOK->click();
                return;
            }
        });
        timer.start();
    }
};

} // namespace

class TestMireloPages : public QObject
{
    Q_OBJECT
private:
    Mirelo *m_main = nullptr;
    PageWidgets *w = nullptr;

    void start(const char *script)
    {
        loadScript(script);
        control<MireloTestEngineClearTraceFn>("mireloTestEngineClearTrace")();
        m_main = new Mirelo(nullptr, QString());
        w = m_main->pageWidgets();
        QVERIFY(w);
    }

    // A main window whose one camera refuses access each time it opens.
    void startWithRefusingCamera()
    {
        start("cameras \"Cam A\"\nevent 5 0 on openCamera thread caller\n");
        g_cameraList->scanDevice();
        QCOMPARE(g_cameraList->deviceCount(), 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        createApplicationData();
        g_myConfig = new MyConfig;
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    }
    void cleanupTestCase()
    {
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
        engineUnload();
    }
    void cleanup()
    {
        delete m_main;
        m_main = nullptr;
        privacyprompts::setCamera(true);
        privacyprompts::setMicrophone(true);
    }

    void recordButtonFollowsPagesAndToggles()
    {
        start("audio 4 \"Speakers\"\naudio 8 \"Mic\"\n");
        m_main->enterHomePage();
        QVERIFY(!w->btnRecord->isEnabled());
        m_main->enterVideoPage();
        QCOMPARE(m_main->recordMode(), 1);
        QVERIFY(w->chxScreen->isChecked());
        QVERIFY(w->btnRecord->isEnabled());
        w->chxSystemSound->setChecked(false);
        w->chxMicrophone->setChecked(false);
        w->chxScreen->setChecked(false);
        QVERIFY(!w->btnRecord->isEnabled());
        w->chxMicrophone->setChecked(true);
        QVERIFY(w->btnRecord->isEnabled());
        m_main->enterAudioPage();
        QCOMPARE(m_main->recordMode(), 3);
        QCOMPARE(w->cbxRecConfig->currentIndex(), 3);
        QVERIFY(!w->chxScreen->isChecked() && !w->fraCamera->isVisibleTo(m_main));
        QVERIFY(w->btnRecord->isEnabled());
        w->chxMicrophone->setChecked(false);
        QVERIFY(!w->btnRecord->isEnabled());
        // Home again: no mode, no recording.
        w->chxSystemSound->setChecked(true);
        m_main->enterHomePage();
        QCOMPARE(m_main->recordMode(), 0);
        QVERIFY(!w->btnRecord->isEnabled());
    }

    void recordBoxFallsBackWithoutCamera()
    {
        start("cameras\n");
        Dialogs dialogs;
        m_main->enterVideoPage();
        w->cbxRecConfig->setCurrentIndex(3);
        QCOMPARE(m_main->recordMode(), 3);
        w->cbxRecConfig->setCurrentIndex(2);
        QCOMPARE(dialogs.texts, QStringList({"No webcam detected."}));
        QCOMPARE(w->cbxRecConfig->currentIndex(), 3);
        QCOMPARE(m_main->recordMode(), 3);
        // The home page's webcam button says the same and stays home.
        m_main->enterHomePage();
        m_main->enterCameraPage();
        QCOMPARE(dialogs.texts.size(), 2);
        QCOMPARE(m_main->recordMode(), 0);
    }

    void webcamOffInWebcamModeAsksFirst()
    {
        start("cameras \"Cam A\"\n");
        QVERIFY(g_cameraList);
        g_cameraList->scanDevice();
        QCOMPARE(g_cameraList->deviceCount(), 1);
        g_enviroment->others()->IsShowToAudioTips = true;
        Dialogs dialogs;
        m_main->enterVideoPage();
        w->cbxRecConfig->setCurrentIndex(2);
        QCOMPARE(m_main->recordMode(), 2);
        QVERIFY(w->chxCamera->isChecked());

        dialogs.accept = false;
        w->chxCamera->setChecked(false);
        QCOMPARE(dialogs.texts.size(), 1);
        QVERIFY(dialogs.texts.first().startsWith("Record without Webcam will change to Record Audio mode"));
        QVERIFY(w->chxCamera->isChecked());
        QCOMPARE(m_main->recordMode(), 2);

        dialogs.accept = true;
        w->chxCamera->setChecked(false);
        QCOMPARE(m_main->recordMode(), 3);
        QCOMPARE(w->cbxRecConfig->currentIndex(), 3);
        QVERIFY(!w->fraCamera->isVisibleTo(m_main));
    }

    void fixedRegionEntryCentresOnTheScreen()
    {
        start("");
        m_main->enterHomePage();
        QMenu *menu = m_main->areaMenu();
        QVERIFY(menu);
        QAction *fixed = nullptr;
        for (QAction *a : menu->actions())
            if (a->menu() && a->text() == QLatin1String("Fixed region"))
                fixed = a;
        QVERIFY(fixed);
        QAction *vga = nullptr;
        for (QAction *a : fixed->menu()->actions())
            if (a->text() == QLatin1String("640x480"))
                vga = a;
        QVERIFY(vga);
        vga->trigger();
        QCOMPARE(m_main->recordMode(), 1);
        QCOMPARE(w->cbxRecConfig->currentIndex(), 1);
        const QRect screen = g_enviroment->privateData->selectedScreenGeometry();
        // The frame animates to it.
        QTRY_COMPARE(g_areaSelected->selectedRect().size(), QSize(640, 480));
        QCOMPARE(g_areaSelected->selectedRect().center(), screen.center());
        QVERIFY(!g_areaSelected->isFullScreen());
    }

    void recordLengthButtonTogglesThePopup()
    {
        start("");
        RecordLength *popup = m_main->recordLengthPopup();
        QVERIFY(popup && !popup->isVisible());
        m_main->showRecordLength();
        QVERIFY(popup->isVisible() && popup->isOpen());
        m_main->showRecordLength();
        QVERIFY(!popup->isVisible() && !popup->isOpen());
        // The popup's switch reaches the button's text.
        g_enviroment->privateData->RecordLengthEnabled = false;
        m_main->showRecordLength();
        popup->findChild<QCheckBox *>("chxRecordLength")->setChecked(true);
        m_main->showRecordLength();
        QVERIFY(w->btnRecLength->text().contains("ON"));
    }

    void blockedMicrophoneIsSwitchedOffAndReopenedOnce()
    {
        start("audio 8 \"Mic\"\n");
        QSignalSpy reopen(m_main, &Mirelo::SigActiveMicro);
        m_main->enterAudioPage();
        m_main->show(); // its level shows: the microphone is metered
        w->chxMicrophone->setChecked(true);
        QVERIFY(w->sldMicrophone->isEnabled());
        // While the notice may still come, switching on asks nothing more.
        QCOMPARE(reopen.count(), 0);
        // The engine's privacy event cleared the prompt; the notice closes it.
        privacyprompts::setMicrophone(false);
        m_main->privacyCloseMicrophone();
        QVERIFY(!w->chxMicrophone->isChecked());
        QVERIFY(!w->sldMicrophone->isEnabled());
        QVERIFY(!g_microphoneList->isDeviceEnabled());
        QCOMPARE(reopen.count(), 0);
        QCoreApplication::processEvents();
        const int opened = traceCount("openAudioDevice", "8");
        // Switched on again by the user: the engine is asked to reopen it.
        w->chxMicrophone->setChecked(true);
        QCOMPARE(reopen.count(), 1);
        QCoreApplication::processEvents();
        QVERIFY(traceCount("openAudioDevice", "8") > opened);
        QVERIFY(w->sldMicrophone->isEnabled() && g_microphoneList->isDeviceEnabled());
        // Hidden (to the tray), nothing is metered any more.
        const int closed = traceCount("closeAudioDevice", "8");
        m_main->hide();
        QCOMPARE(traceCount("closeAudioDevice", "8"), closed + 1);
    }

    void countdownIgnoresHotkeysAndEndsOnEscape()
    {
        start("");
        m_main->enterVideoPage();
        g_enviroment->recording()->ShowCountdown = true;
        // The countdown shows without being modal: the keyboard stays with
        // the user's program.
        const auto shownCountdown = [] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<CountDownWindow *>(w); window && window->isVisible())
                    return window;
            }
            return static_cast<CountDownWindow *>(nullptr);
        };
        // Shown, not run: the call returns with the countdown on the screen.
        QVERIFY(m_main->runCountdown());
        CountDownWindow *window = shownCountdown();
        QVERIFY(window);
        QVERIFY(!QApplication::activeModalWidget());
        QSignalSpy ended(window, &QDialog::finished);
        // A stop hotkey now would start a second recording road.
        emit g_enviroment->hotkeys()->shortcutActivated(MR_SHORTCUT_STOP);
        QVERIFY(!m_main->currentItem() && !m_main->controlPanel());
        QVERIFY(window->isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(ended.size(), 1);
        QTRY_VERIFY(!shownCountdown());
        QVERIFY(!m_main->countdown());

        // Off: no window at all.
        g_enviroment->recording()->ShowCountdown = false;
        QVERIFY(!m_main->runCountdown());
        QVERIFY(!shownCountdown());
    }

    void oneTimeLengthLimitIsOffOnceUsed()
    {
        start("");
        Mirelo &mirelo = *m_main;
        ControlBarLink::setFactory(&makeBar);
        g_enviroment->recording()->ShowCountdown = false;
        g_enviroment->recording()->setAutoOpenHistory(false);
        DataGroupPrivate *data = g_enviroment->privateData;
        data->RecordLength = 60;
        data->RecordLengthForEachTime = false;
        data->RecordLengthEnabled = true;
        mirelo.recordLengthStateChanged(true); // what the popup says when the limit is switched on
        const QAbstractButton *button = mirelo.pageWidgets()->btnRecLength;
        QCOMPARE(button->text(), QStringLiteral("Set record length (ON)"));

        mirelo.prepareToRecord();
        QVERIFY(s_bar);
        QCOMPARE(mirelo.currentItem()->length(), 60);
        QVERIFY(!data->RecordLengthEnabled);
        QCOMPARE(button->text(), QStringLiteral("Set record length (OFF)"));
        s_bar->done(0);
        QTRY_COMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QCOMPARE(button->text(), QStringLiteral("Set record length (OFF)"));

        // A limit for each time stays on.
        data->RecordLengthForEachTime = true;
        data->RecordLengthEnabled = true;
        mirelo.recordLengthStateChanged(true);
        mirelo.prepareToRecord();
        QVERIFY(s_bar);
        s_bar->done(0);
        QTRY_COMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QCOMPARE(button->text(), QStringLiteral("Set record length (ON)"));
        ControlBarLink::setFactory(nullptr);
    }

    void onceJobIsOffOnceFiredAndAfterARestart()
    {
        const QDateTime now = QDateTime::currentDateTime();
        {
            // A once job whose time came while the program was closed: its
            // task still says enabled.
            TaskScheduleList store;
            TaskScheduleItem *past = store.createItem();
            past->setDescription("past");
            past->setStartTime(now.addSecs(-600));
            past->setEnabled(true);
            QVERIFY(past->registerTask());
        }
        start("");
        Mirelo &mirelo = *m_main;
        ControlBarLink::setFactory(&makeBar);
        g_enviroment->recording()->setAutoOpenHistory(false);
        const QAbstractButton *button = mirelo.findChild<QAbstractButton *>("btnTaskSchedule");
        QCOMPARE(g_taskScheduleList->count(), 1);
        QVERIFY(g_taskScheduleList->itemAt(0)->isExpired());
        QCOMPARE(button->text(), QStringLiteral("Task Schedule (OFF)"));

        // The only enabled job is a once job two seconds ahead: on until it
        // fires, off from then on.
        TaskScheduleItem *soon = g_taskScheduleList->createItem();
        soon->setDescription("soon");
        soon->setStartTime(now.addSecs(2));
        soon->setEnabled(true);
        QVERIFY(soon->registerTask());
        g_taskScheduleList->appendItem(soon);
        Controller::instance()->refreshTaskScheduleState(); // what the task window does on OK
        g_taskScheduleList->scheduleNext(QString());
        QCOMPARE(button->text(), QStringLiteral("Task Schedule (ON)"));
        QTRY_VERIFY_WITH_TIMEOUT(s_bar, 15000);
        QCOMPARE(mirelo.currentItem(), soon);
        QVERIFY(soon->isExpired() && !soon->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("Task Schedule (OFF)"));
        s_bar->done(0);
        QTRY_COMPARE(mirelo.windowState(), int(Mirelo::StateIdle));
        QCOMPARE(button->text(), QStringLiteral("Task Schedule (OFF)"));
        ControlBarLink::setFactory(nullptr);
    }

    // The webcam page: the refusal comes while the camera window shows. The
    // notice explains it, and OK closes the camera and goes home.
    void refusedCameraIsClosedByTheNotice()
    {
        startWithRefusingCamera();
        Mirelo &mirelo = *m_main;
        NoticeAnswer answer;

        mirelo.enterCameraPage();
        QTRY_COMPARE(answer.kinds, QList<int>{1});
        QTRY_COMPARE(mirelo.recordMode(), 0);
        QVERIFY(!g_cameraWindow->isVisible());
        QVERIFY(!w->chxCamera->isChecked());
        QVERIFY(!g_enviroment->privateData->CameraEnabled);
        QCOMPARE(cameraButtonNow(w), cameraButtonPicture(false));
    }

    // The screen page with the camera switched on: OK switches it off, box,
    // button and setting alike, and the page stays. In a new main window:
    // the notice went with the one before.
    void refusedCameraIsSwitchedOffByTheNotice()
    {
        startWithRefusingCamera();
        Mirelo &mirelo = *m_main;
        NoticeAnswer answer;

        mirelo.enterVideoPage();
        QVERIFY(!w->chxCamera->isChecked());
        w->chxCamera->setChecked(true);
        QCOMPARE(cameraButtonNow(w), cameraButtonPicture(true));
        QTRY_COMPARE(answer.kinds, QList<int>{1});
        QTRY_VERIFY(!g_enviroment->privateData->CameraEnabled);
        QCOMPARE(mirelo.recordMode(), 1);
        QVERIFY(!g_cameraWindow->isVisible());
        QVERIFY(!w->chxCamera->isChecked());
        QCOMPARE(cameraButtonNow(w), cameraButtonPicture(false));
        // Back on the screen page later, the camera stays off.
        mirelo.enterHomePage();
        mirelo.enterVideoPage();
        QVERIFY(!w->chxCamera->isChecked());
        QVERIFY(!g_cameraWindow->isVisible());
    }
};

QTEST_MAIN(TestMireloPages)
#include "tst_mirelo_pages.moc"
