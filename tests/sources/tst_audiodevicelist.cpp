// The sound device lists against the test engine.
#include <QLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "audiodevicelist.h"
#include "core/levelmeters.h"
#include "controller.h"
#include "skinmanager.h"
#include "sourcesfixture.h"

using namespace sourcesfixture;

namespace {
const QStringList kEngineOps = {QStringLiteral("selectAudioDevice"), QStringLiteral("closeAudioDevice"),
                                QStringLiteral("openAudioDevice")};

QByteArray devices(const QByteArray &names, const QByteArray &ids, int current = 0)
{
    return "audio 4 " + names + "\naudioids 4 " + ids + "\ncurrent 4 " + QByteArray::number(current)
           + "\naudio 8 \"Mic\"\n";
}
} // namespace

class TestAudioDeviceList : public QObject
{
    Q_OBJECT
    Ground ground;

private slots:
    void init() { g_dscale = 1.0; }
    void cleanup() { ground.stop(); }

    void constructionTakesTheEnginesDeviceWithoutMeteringIt()
    {
        ground.start(devices("\"A\" \"B\" \"C\"", "\"a\" \"b\" \"c\"", 1));
        ground.env->privateData->SystemsoundIndex = 2;
        AudioDeviceList list(nullptr, 4);
        QCOMPARE(list.deviceCount(), 3);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(ground.env->privateData->SystemsoundIndex, 1);
        // No level is shown: the device is not metered (that would wake the
        // program ten times a second for nothing).
        QCOMPARE(callsOf(kEngineOps), (QStringList{"selectAudioDevice type=4 index=1"}));
        QCOMPARE(list.device(1)->name(), QStringLiteral("B"));
        QCOMPARE(list.device(1)->id(), QStringLiteral("b"));
        QVERIFY(!list.device(3));
        QVERIFY(!list.device(-1));
    }

    void rescanWithTheSameDevicesReopensAndEmitsNothing()
    {
        ground.start(devices("\"A\" \"B\"", "\"a\" \"b\"", 1));
        AudioDeviceList list(nullptr, 4);
        QWidget bar;
        LevelMeters::watchBar(&bar, 4);
        bar.show();
        QCOMPARE(callsOf(kEngineOps).value(1), QStringLiteral("openAudioDevice type=4"));
        QSignalSpy changed(&list, &AudioDeviceList::deviceChanged);
        clearTrace();
        list.rescanDevice();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(callsOf(kEngineOps), (QStringList{"selectAudioDevice type=4 index=1", "closeAudioDevice type=4",
                                                   "openAudioDevice type=4"}));
    }

    // A device is metered while a level bar of its type shows or a recording
    // of it runs, and only then.
    void meteredWhileItsLevelShowsOrItRecords()
    {
        ground.start(devices("\"A\"", "\"a\""));
        AudioDeviceList list(nullptr, 4);
        QWidget page;
        auto *bar = new QWidget(&page);
        LevelMeters::watchBar(bar, 4);
        clearTrace();
        page.show();
        QCOMPARE(callsOf(kEngineOps), QStringList{"openAudioDevice type=4"});
        QVERIFY(LevelMeters::isOpen(4));
        clearTrace();
        page.hide(); // the window went to the tray, another page shows
        QCOMPARE(callsOf(kEngineOps), QStringList{"closeAudioDevice type=4"});
        QVERIFY(!LevelMeters::isOpen(4));
        clearTrace();
        list.rescanDevice(); // a device change while no level shows opens nothing
        QCOMPARE(callsOf(kEngineOps), QStringList{"selectAudioDevice type=4 index=0"});

        clearTrace();
        LevelMeters::setRecording(4, true);
        page.show();
        page.hide();
        QCOMPARE(callsOf(kEngineOps), QStringList{"openAudioDevice type=4"});
        clearTrace();
        LevelMeters::setRecording(4, false);
        QCOMPARE(callsOf(kEngineOps), QStringList{"closeAudioDevice type=4"});
        clearTrace();
        LevelMeters::setRecording(8, false); // the other type was not metered
        delete bar;
        QVERIFY(callsOf(kEngineOps).isEmpty());
    }

    void lostAndInsertedDevices()
    {
        ground.start(devices("\"A\" \"B\" \"C\"", "\"a\" \"b\" \"c\"", 1));
        AudioDeviceList list(nullptr, 4);
        QSignalSpy changed(&list, &AudioDeviceList::deviceChanged);

        // A device before the chosen one: the choice follows its id.
        script(devices("\"N\" \"A\" \"B\" \"C\"", "\"n\" \"a\" \"b\" \"c\""));
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), 2);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        QCOMPARE(list.findChildren<QRadioButton *>().size(), 5);

        // The chosen one gone: the first device.
        script(devices("\"N\" \"A\" \"C\"", "\"n\" \"a\" \"c\""));
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        QCOMPARE(ground.env->privateData->SystemsoundIndex, 0);

        // Lost while at position 0: the index stays 0.
        script(devices("\"A\" \"C\"", "\"a\" \"c\""));
        list.rescanDevice();
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(changed.takeFirst().at(0).toBool(), false);

        // All gone: no index, nothing opened.
        script("audio 8 \"Mic\"\n");
        clearTrace();
        list.rescanDevice();
        QCOMPARE(list.deviceCount(), 0);
        QCOMPARE(list.currentIndex(), -1);
        QVERIFY(callsOf(kEngineOps).isEmpty());
    }

    void emptyIdsAlwaysCountAsChanged()
    {
        ground.start(devices("\"A\" \"B\"", "\"\" \"b\""));
        AudioDeviceList list(nullptr, 4);
        QSignalSpy changed(&list, &AudioDeviceList::deviceChanged);
        list.rescanDevice();
        list.rescanDevice();
        QCOMPARE(changed.count(), 2);
        QVERIFY(list.device(0)->id().isEmpty());
    }

    void engineIndexOutsideTheListMeansTheFirst()
    {
        ground.start(devices("\"A\" \"B\"", "\"a\" \"b\"", 7));
        AudioDeviceList list(nullptr, 4);
        QCOMPARE(list.currentIndex(), 0);
        QCOMPARE(callsOf(kEngineOps).value(0), QStringLiteral("selectAudioDevice type=4 index=0"));
    }

    void unreadableNamesStayEmpty()
    {
        ground.start(devices("\"A\" \"B\"", "\"a\" \"b\"") + "result getAudioDeviceName -1\n");
        AudioDeviceList list(nullptr, 4);
        QCOMPARE(list.deviceCount(), 2);
        QVERIFY(list.device(0)->name().isEmpty());
        QCOMPARE(list.device(0)->id(), QStringLiteral("a"));
    }

    void loadSettingsTakesOnlyValidValuesWithoutEngineCalls()
    {
        ground.start(devices("\"A\" \"B\" \"C\"", "\"a\" \"b\" \"c\""));
        AudioDeviceList list(nullptr, 4);
        DataGroupPrivate *p = ground.env->privateData;
        clearTrace();

        p->SystemsoundEnabled = true;
        p->SystemsoundIndex = 2;
        p->SystemsoundVolume = 150;
        list.loadSettings();
        QVERIFY(list.isDeviceEnabled());
        QCOMPARE(list.currentIndex(), 2);
        QCOMPARE(list.volume(), 150);

        p->SystemsoundIndex = 3;
        p->SystemsoundVolume = 201;
        list.loadSettings();
        QCOMPARE(list.currentIndex(), 2);
        QCOMPARE(list.volume(), 150);
        p->SystemsoundIndex = -2;
        p->SystemsoundVolume = -1;
        list.loadSettings();
        QCOMPARE(list.currentIndex(), 2);
        QCOMPARE(list.volume(), 150);
        QVERIFY(calls().isEmpty());

        // No devices: never enabled.
        script("");
        list.rescanDevice();
        list.loadSettings();
        QVERIFY(!list.isDeviceEnabled());
    }

    void clicks()
    {
        ground.start(devices("\"A\" \"B\"", "\"a\" \"b\""));
        AudioDeviceList list(nullptr, 4);
        QSignalSpy indexChanged(&list, &AudioDeviceList::deviceIndexChanged);
        QSignalSpy controller(Controller::instance(), &Controller::systemSoundButtonClicked);
        list.show();

        // Right after construction the checked device selects again.
        clearTrace();
        list.clickButton(0);
        QCOMPARE(indexChanged.count(), 1);
        QCOMPARE(callsOf(kEngineOps).value(0), QStringLiteral("selectAudioDevice type=4 index=0"));
        QVERIFY(list.isVisible());
        // The same button again only closes the list.
        clearTrace();
        list.clickButton(0);
        QVERIFY(!list.isVisible());
        QCOMPARE(indexChanged.count(), 1);
        QVERIFY(calls().isEmpty());

        // "Record without" with the source on asks the controller once.
        list.setDeviceEnabled(true);
        list.clickButton(AudioDeviceList::kWithoutId);
        QCOMPARE(controller.count(), 1);
        list.show();
        list.clickButton(AudioDeviceList::kWithoutId);
        QCOMPARE(controller.count(), 1);
        QVERIFY(!list.isVisible());

        // With the source off it only closes the list.
        list.rescanDevice();
        list.setDeviceEnabled(false);
        list.show();
        list.clickButton(AudioDeviceList::kWithoutId);
        QCOMPARE(controller.count(), 1);
        QVERIFY(!list.isVisible());

        // Ids without a button do nothing.
        list.clickButton(-1);
        list.setCheckedButton(-1);
        list.setCheckedButton(57);
        QCOMPARE(indexChanged.count(), 1);
    }

    void microphoneRowAsksTheMicrophoneRequest()
    {
        ground.start(devices("\"A\"", "\"a\""));
        AudioDeviceList list(nullptr, 8);
        QSignalSpy mic(Controller::instance(), &Controller::microphoneButtonClicked);
        QSignalSpy sound(Controller::instance(), &Controller::systemSoundButtonClicked);
        list.setDeviceEnabled(true);
        list.clickButton(AudioDeviceList::kWithoutId);
        QCOMPARE(mic.count(), 1);
        QCOMPARE(sound.count(), 0);
    }

    void checkedButtonIsNotHandledAsAClick()
    {
        ground.start(devices("\"A\" \"B\"", "\"a\" \"b\""));
        AudioDeviceList list(nullptr, 4);
        QSignalSpy indexChanged(&list, &AudioDeviceList::deviceIndexChanged);
        clearTrace();
        list.setCheckedButton(1);
        for (QRadioButton *b : list.findChildren<QRadioButton *>())
            QCOMPARE(b->isChecked(), b->text() == QLatin1String("B"));
        QCOMPARE(indexChanged.count(), 0);
        QVERIFY(calls().isEmpty());
        // It counts as the last click: clicking it closes the list.
        list.show();
        list.clickButton(1);
        QVERIFY(!list.isVisible());
    }

    void privateKeysOnlyWhilePersistent()
    {
        ground.start("audio 8 \"M1\" \"M2\"\n");
        AudioDeviceList list(nullptr, 8);
        DataGroupPrivate *p = ground.env->privateData;
        p->MicrophoneIndex = 0;
        p->MicrophoneVolume = 100;
        p->MicrophoneEnabled = false;

        list.setPersistent(false);
        list.setCurrentIndex(1);
        list.setAudioVolume(50);
        list.setDeviceEnabled(true);
        QCOMPARE(p->MicrophoneIndex, 0);
        QCOMPARE(p->MicrophoneVolume, 100);
        QCOMPARE(p->MicrophoneEnabled, false);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(list.volume(), 50);

        list.setPersistent(true);
        clearTrace();
        list.setCurrentIndex(0);
        list.setAudioVolume(180);
        list.setDeviceEnabled(true);
        QCOMPARE(p->MicrophoneIndex, 0);
        QCOMPARE(p->MicrophoneVolume, 180);
        QCOMPARE(p->MicrophoneEnabled, true);
        QCOMPARE(callsOf({"setAudioVolume"}), QStringList{"setAudioVolume type=8 volume=180"});

        // Out of range: nothing changes, nothing reaches the engine.
        clearTrace();
        list.setAudioVolume(201);
        list.setAudioVolume(-1);
        list.setCurrentIndex(2);
        QCOMPARE(list.volume(), 180);
        QCOMPARE(list.currentIndex(), 0);
        QVERIFY(calls().isEmpty());
    }

    void sizesAndOrder()
    {
        ground.start(devices("\"A\" \"B\" \"C\"", "\"a\" \"b\" \"c\""));
        AudioDeviceList sound(nullptr, 4);
        QCOMPARE(sound.height(), 150);
        const auto buttons = sound.findChildren<QRadioButton *>();
        QCOMPARE(buttons.size(), 4);
        for (QRadioButton *b : buttons)
            QCOMPARE(b->height(), 30);
        auto *layout = sound.layout();
        QCOMPARE(static_cast<QRadioButton *>(layout->itemAt(0)->widget())->text(), QStringLiteral("A"));
        QCOMPARE(static_cast<QRadioButton *>(layout->itemAt(2)->widget())->text(), QStringLiteral("C"));
        QCOMPARE(layout->itemAt(3)->widget()->objectName(), QStringLiteral("line"));
        QCOMPARE(static_cast<QRadioButton *>(layout->itemAt(4)->widget())->text(),
                 QStringLiteral("Record without System Sound"));

        AudioDeviceList mic(nullptr, 8);
        mic.retranslateUi();
        QCOMPARE(mic.findChild<QRadioButton *>("btnCloseAudio")->text(), QStringLiteral("Record without Microphone"));
        g_dscale = 1.5;
        mic.rescanDevice();
        QCOMPARE(mic.height(), int(2 * 30 * 1.5 + 30 * 1.5));
    }
};

QTEST_MAIN(TestAudioDeviceList)
#include "tst_audiodevicelist.moc"
