// Both sound lists with the real engine and a private PulseAudio server:
// its devices are listed, and a choice reaches the settings file once the
// private group is saved.
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "audiodevicelist.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "fakehotkeybackend.h"
#include "skinmanager.h"
#include "testsupport.h"

class TestPulseAudioLists : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void listsShowTheServersDevicesAndKeepTheChoice()
    {
        g_dscale = 1.0;
        QString error;
        QVERIFY2(engineLoadFrom(testsupport::binDir() + QStringLiteral("/libMirelo.so"), &error), qPrintable(error));
        QCOMPARE(engineInitialize(dir.path(), nullptr, nullptr), 0);
        FakeHotkeyBackend hotkeys;
        MyConfig config;
        g_myConfig = &config;
        g_enviroment = new Enviroment;

        {
            AudioDeviceList sound(nullptr, 4);
            AudioDeviceList mic(nullptr, 8);
            QVERIFY(sound.deviceCount() >= 1);
            QVERIFY(mic.deviceCount() >= 1);
            bool monitor = false;
            for (int i = 0; i < sound.deviceCount(); ++i)
                monitor = monitor || sound.device(i)->id() == QLatin1String("mirelo_null_sink.monitor");
            QVERIFY(monitor);
            bool sine = false;
            for (int i = 0; i < mic.deviceCount(); ++i)
                sine = sine || mic.device(i)->id() == QLatin1String("mirelo_sine");
            QVERIFY(sine);
            QCOMPARE(sound.findChildren<QRadioButton *>().size(), sound.deviceCount() + 1);

            mic.clickButton(mic.deviceCount() - 1);
            sound.setAudioVolume(150);
            g_enviroment->savePrivate();
            QSettings store(QStringLiteral("Olvex"), QStringLiteral("Free Mirelo"));
            QCOMPARE(store.value(QStringLiteral("Private/MicrophoneIndex")).toInt(), mic.deviceCount() - 1);
            QCOMPARE(store.value(QStringLiteral("Private/SystemsoundIndex")).toInt(), sound.currentIndex());
            QCOMPARE(store.value(QStringLiteral("Private/SystemsoundVolume")).toInt(), 150);
        }
        delete g_enviroment;
        g_enviroment = nullptr;
        g_myConfig = nullptr;
        engineShutdown();
    }
};

QTEST_MAIN(TestPulseAudioLists)
#include "tst_pulse_audiolists.moc"
