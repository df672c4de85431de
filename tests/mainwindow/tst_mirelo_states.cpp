// What the main window shows after something ended by itself: the record
// length and task schedule buttons once a one-time limit or a once job is
// used up (also when the job ran while the program was closed), and the
// webcam controls after the privacy notice closed a camera that refused
// access, on the webcam page and on the screen page.
#include <QtTest>

#include "cameralist.h"
#include "camerawindow.h"
#include "controlbarlink.h"
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
#include "skinmanager.h"
#include "taskschedulelist.h"
#include "testsupport.h"
#include "ui_SystemPrivacyWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLibrary>

namespace {

// Stands in for the control bar; the test ends the recording with done().
QPointer<QDialog> s_bar;

QDialog *makeBar(QWidget *parent, TaskScheduleItem *)
{
    s_bar = new QDialog(parent);
    return s_bar;
}

void loadScript(const char *text)
{
    const auto load = reinterpret_cast<MireloTestEngineLoadScriptFn>(
        QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), "mireloTestEngineLoadScript"));
    QCOMPARE(load(text), 0);
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
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *frame = qobject_cast<MyFrame *>(QApplication::activeModalWidget());
            auto *notice = frame ? qobject_cast<MySystemPrivacyWidget *>(frame->content()) : nullptr;
            if (!notice)
                return;
            kinds << notice->deviceKind();
            notice->form()->btnOK->click();
        });
        timer.start();
    }
};

} // namespace

class TestMireloStates : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        createApplicationData();
        g_myConfig = new MyConfig;
        SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
        ControlBarLink::setFactory(&makeBar);
    }
    void cleanupTestCase()
    {
        ControlBarLink::setFactory(nullptr);
        delete g_myConfig;
        g_myConfig = nullptr;
        releaseApplicationData();
        engineUnload();
    }

    void oneTimeLengthLimitIsOffOnceUsed()
    {
        loadScript("");
        Mirelo mirelo(nullptr, QString());
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
    }

    void onceJobIsOffOnceFiredAndAfterARestart()
    {
        loadScript("");
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
        Mirelo mirelo(nullptr, QString());
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
    }

    // One main window for both pages: the controller keeps its notice for
    // the program's one main window.
    void refusedCameraIsClosedByTheNotice()
    {
        loadScript("cameras \"Cam A\"\nevent 5 0 on openCamera thread caller\n");
        Mirelo mirelo(nullptr, QString());
        PageWidgets *w = mirelo.pageWidgets();
        g_cameraList->scanDevice();
        QCOMPARE(g_cameraList->deviceCount(), 1);
        NoticeAnswer answer;

        // The webcam page: the refusal comes while the camera window shows.
        // The notice explains it, and OK closes the camera and goes home.
        mirelo.enterCameraPage();
        QTRY_COMPARE(answer.kinds, QList<int>{1});
        QTRY_COMPARE(mirelo.recordMode(), 0);
        QVERIFY(!g_cameraWindow->isVisible());
        QVERIFY(!w->chxCamera->isChecked());
        QVERIFY(!g_enviroment->privateData->CameraEnabled);
        QCOMPARE(cameraButtonNow(w), cameraButtonPicture(false));

        // The screen page with the camera switched on: OK switches it off,
        // box, button and setting alike, and the page stays.
        mirelo.enterVideoPage();
        QVERIFY(!w->chxCamera->isChecked());
        w->chxCamera->setChecked(true);
        QCOMPARE(cameraButtonNow(w), cameraButtonPicture(true));
        QTRY_COMPARE(answer.kinds, (QList<int>{1, 1}));
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

QTEST_MAIN(TestMireloStates)
#include "tst_mirelo_states.moc"
