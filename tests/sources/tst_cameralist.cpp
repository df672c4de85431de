// The webcam list against the test engine: scans, choices, the preview's
// engine sequences and the snapshot the settings dialog returns to.
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "cameralist.h"
#include "skinmanager.h"
#include "sourcesfixture.h"

using namespace sourcesfixture;

namespace {
const QByteArray kTwo = "cameras \"A\" \"B\"\ncameraids \"a\" \"b\"\nformats 1280x720@30/4 640x480@15/5\n";
const QStringList kCameraOps = {"closeCamera", "selectCamera", "setCameraFormat", "getCameraFormat", "openCamera",
                                "setCameraFlip"};

QPushButton *manager(CameraList &list)
{
    return list.findChild<QPushButton *>(QStringLiteral("btnManager"));
}

QRadioButton *buttonNamed(CameraList &list, const QString &text)
{
    for (QRadioButton *b : list.findChildren<QRadioButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QString openLine(QWidget *w)
{
    return QStringLiteral("openCamera window=%1").arg(quint64(w->winId()));
}
// Reacts to the camera-refused event inside the engine call, as a direct
// receiver on the GUI thread would: reads the list and asks it to rescan.
struct Reentry {
    CameraList *list = nullptr;
    int events = 0;
    QStringList seen;
};

extern "C" int reenter(int event, int *, void *context)
{
    auto *r = static_cast<Reentry *>(context);
    if (event != MIRELO_EVENT_CAMERA_BLOCKED || !r->list)
        return 0;
    ++r->events;
    for (int i = 0; i < r->list->deviceCount(); ++i)
        r->seen << r->list->device(i)->name();
    r->list->scanDevice();
    r->list->rescanDevice();
    return 0;
}
} // namespace

class TestCameraList : public QObject
{
    Q_OBJECT
    Ground ground;

    void startWith(const QByteArray &engine, int storedIndex)
    {
        ground.start(engine);
        ground.env->privateData->CameraIndex = storedIndex;
    }

private slots:
    void init() { g_dscale = 1.0; }
    void cleanup() { ground.stop(); }

    void formatTexts()
    {
        QCOMPARE(CameraList::formatText(1280, 720, 30, 4), QStringLiteral("1280X720    30.0FPS    MJPG"));
        QCOMPARE(CameraList::formatText(640, 480, 7.5, 9), QStringLiteral("640X480    7.5FPS    UNKNOWN"));
        QCOMPARE(CameraList::formatText(640, 480, 15, -1), QStringLiteral("640X480    15.0FPS    UNKNOWN"));
    }

    void scanBuildsRecordsAndButtons()
    {
        startWith(kTwo, 1);
        CameraList list;
        QCOMPARE(list.deviceCount(), 2);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(list.device(0)->formatNames(),
                 (QStringList{"1280X720    30.0FPS    MJPG", "640X480    15.0FPS    YUY2"}));
        QCOMPARE(list.currentFormatSize(), QSize(1280, 720));
        QVERIFY(buttonNamed(list, "B")->isChecked());
        QVERIFY(manager(list)->isEnabled());
        QCOMPARE(list.height(), (2 + 2) * 30 + 30);
        QVERIFY(!list.device(2));
        QVERIFY(!list.device(-1));
    }

    void rescanKeepsTheCurrentCameraById()
    {
        startWith(kTwo, 1);
        CameraList list;
        QSignalSpy changed(&list, &CameraList::deviceChanged);
        list.rescanDevice();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(list.currentIndex(), 1);

        script("cameras \"B\" \"A\"\ncameraids \"b\" \"a\"\n");
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        QVERIFY(buttonNamed(list, "B")->isChecked());
        QCOMPARE(ground.env->privateData->CameraIndex, 0);
    }

    void unpluggingTheCurrentCamera()
    {
        startWith(kTwo, 1);
        CameraList list;
        QSignalSpy changed(&list, &CameraList::deviceChanged);
        script("cameras \"A\"\ncameraids \"a\"\n");
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        QCOMPARE(ground.env->privateData->CameraIndex, 0);

        script("");
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(ground.env->privateData->CameraIndex, -1);
        QCOMPARE(list.currentFormatSize(), QSize(-1, -1));
        QVERIFY(!manager(list)->isEnabled());
        QCOMPARE(list.findChildren<QRadioButton *>().size(), 1);
    }

    void unreadableNameKeepsTheCameraWithoutFormatsOrId()
    {
        startWith(kTwo + "result getCameraName -1 0\n", 0);
        CameraList list;
        QCOMPARE(list.deviceCount(), 2);
        QVERIFY(list.device(0)->name().isEmpty());
        QVERIFY(list.device(0)->formatNames().isEmpty());
        QVERIFY(list.device(0)->id().isEmpty());
        QCOMPARE(list.device(1)->name(), QStringLiteral("B"));
        QCOMPARE(list.currentFormatSize(), QSize(-1, -1));
        QSignalSpy changed(&list, &CameraList::deviceChanged);
        script(kTwo + "result getCameraName -1 0\n");
        list.rescanDevice();
        QCOMPARE(changed.count(), 1);
    }

    void storedIndexBeyondTheCamerasOpensNothing()
    {
        startWith(kTwo, 5);
        QWidget preview;
        preview.show();
        CameraList list;
        QCOMPARE(list.currentIndex(), 5);
        list.openCurrentPreview(&preview);
        QVERIFY(callsOf({"openCamera"}).isEmpty());
        QVERIFY(!manager(list)->isEnabled());
        QCOMPARE(list.currentFlip(), 0);
        list.setFlip(true); // no camera: nothing
        QVERIFY(callsOf({"setCameraFlip"}).isEmpty());
    }

    void burstOfNotificationsGivesOneRescan()
    {
        startWith(kTwo, 0);
        CameraList list;
        auto *timer = list.findChild<QTimer *>();
        QVERIFY(timer && timer->isSingleShot());
        QCOMPARE(timer->interval(), 1000);
        clearTrace();
        // Each notification while the wait runs starts it again (checked
        // right after an event loop turn saw it still running, so no timer
        // can end in between).
        list.delayRescanDevice();
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(timer->remainingTime() < 500);
            QVERIFY(timer->isActive());
            list.delayRescanDevice();
            QVERIFY(timer->remainingTime() > 500);
            QVERIFY(callsOf({"refreshDevices"}).isEmpty());
        }
        QTRY_COMPARE_WITH_TIMEOUT(callsOf({"refreshDevices"}).size(), 1, 5000);
        // Nothing is left to rescan again.
        QVERIFY(!timer->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(callsOf({"refreshDevices"}).size(), 1);
    }

    void recordWithoutWebcamKeepsThePreview()
    {
        startWith(kTwo, 0);
        QWidget preview;
        preview.show();
        CameraList list;
        list.openCurrentPreview(&preview);
        QSignalSpy chosen(&list, &CameraList::cameraIndexChanged);
        clearTrace();
        buttonNamed(list, "Record without Webcam")->click();
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 233);
        QVERIFY(calls().isEmpty());
        QVERIFY(!manager(list)->isEnabled());
        QCOMPARE(list.currentIndex(), 0);

        buttonNamed(list, "B")->click();
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 1);
        QVERIFY(manager(list)->isEnabled());
        QCOMPARE(ground.env->privateData->CameraIndex, 1);
        QCOMPARE(callsOf(kCameraOps), (QStringList{"closeCamera", "closeCamera", "selectCamera index=1",
                                                   "setCameraFormat index=0", "getCameraFormat", openLine(&preview),
                                                   "setCameraFlip flip=0"}));
    }

    void setCheckedButtonIsQuiet()
    {
        startWith(kTwo, 0);
        CameraList list;
        QSignalSpy chosen(&list, &CameraList::cameraIndexChanged);
        list.setCheckedButton(233);
        QVERIFY(buttonNamed(list, "Record without Webcam")->isChecked());
        QVERIFY(!manager(list)->isEnabled());
        list.setCheckedButton(77);
        list.checkCurrentDevice();
        QVERIFY(buttonNamed(list, "A")->isChecked());
        QVERIFY(manager(list)->isEnabled());
        QCOMPARE(chosen.count(), 0);
    }

    void openingAppliesTheStoredFormatOfTheSameCamera()
    {
        startWith(kTwo, 1);
        ground.config->setLastCameraName(QStringLiteral("B"));
        ground.config->setLastCameraFormatIndex(1);
        QWidget hidden;
        CameraList list;
        clearTrace();
        list.openCurrentPreview(&hidden);
        QCOMPARE(callsOf(kCameraOps).first(), QStringLiteral("closeCamera"));
        QVERIFY(callsOf({"openCamera", "selectCamera"}).isEmpty());

        QWidget preview;
        preview.show();
        clearTrace();
        list.openCurrentPreview(&preview);
        QCOMPARE(callsOf(kCameraOps),
                 (QStringList{"closeCamera", "selectCamera index=1", "setCameraFormat index=1", "getCameraFormat",
                              openLine(&preview), "setCameraFlip flip=0", "setCameraFormat index=1",
                              "getCameraFormat"}));
        QCOMPARE(list.currentFormatSize(), QSize(640, 480));

        // A stored format this camera does not have is left alone.
        ground.config->setLastCameraFormatIndex(7);
        clearTrace();
        list.openCurrentPreview(&preview);
        QVERIFY(!callsOf({"setCameraFormat"}).contains("setCameraFormat index=7"));
    }

    void flipAndFormatActOnTheCurrentCamera()
    {
        startWith(kTwo, 1);
        QWidget preview;
        preview.show();
        CameraList list;
        list.openCurrentPreview(&preview);
        clearTrace();
        list.setFlip(true);
        QCOMPARE(callsOf(kCameraOps), (QStringList{"selectCamera index=1", "setCameraFlip flip=1"}));
        QCOMPARE(list.currentFlip(), 1);

        clearTrace();
        list.setFormat(1);
        QCOMPARE(callsOf(kCameraOps),
                 (QStringList{"selectCamera index=1", "setCameraFormat index=1", "getCameraFormat", "closeCamera",
                              "selectCamera index=1", "setCameraFormat index=1", "getCameraFormat",
                              openLine(&preview), "setCameraFlip flip=1"}));
        clearTrace();
        list.setFormat(2); // not a format of this camera
        QVERIFY(calls().isEmpty());
    }

    void restorePutsEachCamerasValuesBackOnThatCamera()
    {
        startWith(kTwo, 0);
        QWidget preview;
        preview.show();
        CameraList list;
        list.openCurrentPreview(&preview);
        list.setPosition(2);
        list.saveState();

        list.setFormat(1);
        list.setFlip(true);
        list.selectCamera(1);
        list.setFlip(true);
        list.setPosition(4);
        clearTrace();
        list.restoreState();
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(list.position(), 2);
        QCOMPARE(ground.env->privateData->CameraIndex, 0);
        const QStringList trace = callsOf(kCameraOps);
        // Back on A, then A's format and flip on A, B's flip on B, and the
        // preview reopened on A.
        const int a = trace.indexOf("selectCamera index=0", 3);
        const int b = trace.indexOf("selectCamera index=1");
        QVERIFY2(a > 0 && b > a, qPrintable(trace.join('\n')));
        QCOMPARE(trace.mid(a, 4), (QStringList{"selectCamera index=0", "setCameraFormat index=0", "getCameraFormat",
                                               "setCameraFlip flip=0"}));
        QCOMPARE(trace.mid(b, 2), (QStringList{"selectCamera index=1", "setCameraFlip flip=0"}));
        QCOMPARE(trace.mid(b + 2), (QStringList{"closeCamera", "selectCamera index=0", "setCameraFormat index=0",
                                                "getCameraFormat", openLine(&preview), "setCameraFlip flip=0"}));
        QCOMPARE(list.device(0)->flip(), 0);
        QCOMPARE(list.device(1)->flip(), 0);
        QCOMPARE(list.device(0)->currentFormat(), 0);
    }

    void refusedCameraEventDuringTheScanLeavesTheListWhole()
    {
        startWith(kTwo, 1);
        CameraList list;
        Reentry reentry;
        QCOMPARE(engineInitialize(QString(), &reenter, &reentry), 0);
        script("cameras \"A\" \"B\" \"C\"\ncameraids \"a\" \"b\" \"c\"\nformats 640x480@30/5\n"
               "event 5 0 on getCameraName thread caller\n");
        reentry.list = &list;
        QSignalSpy changed(&list, &CameraList::deviceChanged);
        list.rescanDevice();
        QCOMPARE(reentry.events, 3);
        // The receiver saw the old records, whole, while the scan ran.
        QCOMPARE(reentry.seen, (QStringList{"A", "B", "A", "B", "A", "B"}));
        QCOMPARE(list.deviceCount(), 3);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list.findChildren<QRadioButton *>().size(), 4);
        QVERIFY(buttonNamed(list, "C"));
        QVERIFY(buttonNamed(list, "B")->isChecked());
        reentry.list = nullptr;
    }

    void destroyedPreviewWidgetIsNeverUsed()
    {
        startWith(kTwo, 0);
        CameraList list;
        {
            QWidget preview;
            preview.show();
            list.openCurrentPreview(&preview);
        }
        clearTrace();
        list.selectCamera(1);
        list.selectCamera(0);
        list.setFormat(1);
        list.rescanDevice();
        QVERIFY(callsOf({"openCamera"}).isEmpty());
    }
};

QTEST_MAIN(TestCameraList)
#include "tst_cameralist.moc"
