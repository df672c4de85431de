// A sound server that stops answering (stopped with SIGSTOP) never holds
// the caller: each call gives up within a few seconds with a failure or an
// empty answer, recordings go on without sound, and once the server runs
// again the devices come back.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <future>

#include "audio_test_engine.h"
#include "engine_harness.h"

namespace {

pid_t soundServerPid()
{
    QFile f(qEnvironmentVariable("PULSE_RUNTIME_PATH") + QStringLiteral("/pid"));
    return f.open(QIODevice::ReadOnly) ? pid_t(f.readAll().trimmed().toInt()) : 0;
}

// The call's result, or a failed test when it is still waiting after 15 s
// (libpulse's own time-out is 30 s).
template <class Call>
bool answers(Call call, int &result)
{
    auto future = std::async(std::launch::async, call);
    if (future.wait_for(std::chrono::seconds(15)) != std::future_status::ready) {
        ::kill(soundServerPid(), SIGCONT); // lets the call end
        future.wait();
        return false;
    }
    result = future.get();
    return true;
}

} // namespace

class TestPulseEngineHungServer : public QObject
{
    Q_OBJECT
    AudioTestEngine m_engine;
    QTemporaryDir m_data;
    pid_t m_server = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        m_server = soundServerPid();
        QVERIFY(m_server > 0);
        QVERIFY(m_engine.load());
        QCOMPARE(m_engine.initialize(m_data.path().toUtf8()), int(MIRELO_OK));
        QVERIFY(m_engine.ids(MIRELO_DEVICE_MICROPHONE).contains(QStringLiteral("mirelo_sine")));
    }
    void cleanupTestCase()
    {
        ::kill(m_server, SIGCONT);
        m_engine.shutdown();
    }

    void everyCallAnswersWhileTheServerIsStopped()
    {
        QCOMPARE(::kill(m_server, SIGSTOP), 0);
        int r = 0;
        QVERIFY2(answers([&] { return m_engine.refresh(MIRELO_DEVICE_MICROPHONE); }, r), "refresh waited");
        QVERIFY2(answers([&] { return m_engine.current(MIRELO_DEVICE_SYSTEM_SOUND); }, r), "current waited");
        QVERIFY2(answers([&] { return m_engine.open(MIRELO_DEVICE_MICROPHONE); }, r), "open waited");
        QVERIFY2(answers([&] { return m_engine.close(MIRELO_DEVICE_MICROPHONE); }, r), "close waited");

        // A recording with sound asked for starts (its sound track silent)
        // and stops.
        const QByteArray path = QFile::encodeName(enginetest::outDir() + "/hung.mp4");
        RecordParams job = enginetest::screenJob(path, 320, 240, 25);
        job.audioSources = MIRELO_DEVICE_SYSTEM_SOUND | MIRELO_DEVICE_MICROPHONE;
        int rect[4] = {0, 0, 320, 240};
        m_engine.op<MireloSetCaptureRectFn>(MIRELO_OP_SET_CAPTURE_RECT)(reinterpret_cast<MireloCaptureRect *>(rect));
        QVERIFY2(answers([&] { return m_engine.op<MireloStartRecordingFn>(MIRELO_OP_START_RECORDING)(&job); }, r),
                 "start waited");
        QCOMPARE(r, int(MIRELO_OK));
        QVERIFY2(answers([&] { return m_engine.op<MireloStopRecordingFn>(MIRELO_OP_STOP_RECORDING)(); }, r),
                 "stop waited");
        QCOMPARE(r, int(MIRELO_OK));

        // The engine goes on: with the server back, the devices are there.
        QCOMPARE(::kill(m_server, SIGCONT), 0);
        QTRY_VERIFY(m_engine.ids(MIRELO_DEVICE_MICROPHONE).contains(QStringLiteral("mirelo_sine")));
    }
};

QTEST_GUILESS_MAIN(TestPulseEngineHungServer)
#include "tst_pulse_engine_hung_server.moc"
