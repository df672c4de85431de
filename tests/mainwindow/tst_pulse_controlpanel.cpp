// An audio-only recording through the control bar: system sound from the
// private sound server, the real engine, an MP3 and its history entry.
#include <QProcess>
#include <QtTest>

#include "audiodevicelist.h"
#include "globaldefs.h"
#include "controlpanel.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "historylist.h"
#include "testsupport.h"

class TestPulseControlPanel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QString error;
        QVERIFY2(engineLoadFrom(testsupport::binDir() + QStringLiteral("/libMirelo.so"), &error), qPrintable(error));
        engineInitialize(m_dir.path().toUtf8().constData(), nullptr, nullptr);
        g_enviroment = new Enviroment;
        g_enviroment->output()->setOutputFolder(m_dir.path());
        g_historyList = new HistoryList(nullptr);
        g_systemSoundList = new AudioDeviceList(nullptr, DEVICE_SYSTEM_SOUND);
        g_microphoneList = new AudioDeviceList(nullptr, DEVICE_MICROPHONE);
    }

    void cleanupTestCase()
    {
        delete g_systemSoundList;
        g_systemSoundList = nullptr;
        delete g_microphoneList;
        g_microphoneList = nullptr;
        delete g_historyList;
        g_historyList = nullptr;
        delete g_enviroment;
        g_enviroment = nullptr;
        engineShutdown();
    }

    void systemSoundOnly()
    {
        QTRY_VERIFY(g_systemSoundList->deviceCount() > 0);
        QObject jobs;
        auto *job = new TaskScheduleItem(nullptr, &jobs);
        RecordSource *s = job->recordSource();
        s->screenEnabled = s->cameraEnabled = s->microphoneEnabled = false;
        s->systemsoundEnabled = true;
        s->systemsoundIndex = 0;
        s->systemsoundVolume = 100;
        job->setStopType(TaskScheduleItem::StopByHand);
        QPointer<ControlPanel> bar = new ControlPanel(nullptr, job);
        QCOMPARE(bar->recordType(), 3);
        QVERIFY(!g_microphoneList->isDeviceEnabled());
        bar->startRecord();
        QCOMPARE(bar->recordState(), int(ControlPanel::Recording));
        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                int64_t t = 0;
                engineGetRecordedTime(&t);
                return t >= 2000000;
            }(),
            20000);
        bar->stopRecord();
        QTRY_VERIFY(bar.isNull());

        QCOMPARE(g_historyList->count(), 1);
        const HistoryItem *item = g_historyList->itemAt(0);
        QCOMPARE(item->type(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Audio_\\d\\d-\\d\\d-\\d\\d_\\d\\d-\\d\\d-01\\.mp3$"))
                     .match(QFileInfo(item->fileName()).fileName()).hasMatch(), qPrintable(item->fileName()));
        QVERIFY(QFileInfo(item->fileName()).size() > 0);
        QVERIFY(item->duration() > 1500);

        QFile file(g_enviroment->privateData->historyFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray xml = file.readAll();
        QVERIFY(xml.contains("Type=\"1\""));
        QVERIFY(!xml.contains(" Size="));
    }
};

QTEST_MAIN(TestPulseControlPanel)
#include "tst_pulse_controlpanel.moc"
