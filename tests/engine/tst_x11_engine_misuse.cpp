// Calls in the wrong order or with bad arguments: a negative result or a
// harmless answer, never a crash, and never a recording lost on the way.
#include "engine_harness.h"

#include "testsupport.h"

#include <QFile>
#include <QJsonObject>
#include <QLibrary>
#include <QThread>
#include <QtTest>

using namespace enginetest;

namespace {
int ignoreEvent(int, int *, void *) { return 0; }
} // namespace

class TestEngineMisuse : public QObject
{
    Q_OBJECT
    Engine engine;

    template <class Fn>
    Fn op(int ordinal) const { return engine.op<Fn>(ordinal); }

private slots:
    // Runs first: the library is loaded but not yet initialised.
    void callsBeforeInitialiseAreHarmless()
    {
        QLibrary lib(testsupport::binDir() + QStringLiteral("/libMirelo.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        auto entry = reinterpret_cast<MireloEngineEntryFn>(lib.resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
        QVERIFY(entry);
        auto fn = [&](int ordinal) { return entry(ordinal); };
        QCOMPARE(reinterpret_cast<MireloStopRecordingFn>(fn(MIRELO_OP_STOP_RECORDING))(), int(MIRELO_E_BAD_STATE));
        QCOMPARE(reinterpret_cast<MireloPauseRecordingFn>(fn(MIRELO_OP_PAUSE_RECORDING))(), int(MIRELO_E_BAD_STATE));
        int64_t t = -1;
        QCOMPARE(reinterpret_cast<MireloGetRecordedTimeFn>(fn(MIRELO_OP_GET_RECORDED_TIME))(&t), 0);
        QCOMPARE(t, int64_t(0));
        QCOMPARE(reinterpret_cast<MireloGetCameraCountFn>(fn(MIRELO_OP_GET_CAMERA_COUNT))(), 0);
        QVERIFY(reinterpret_cast<MireloOpenCameraFn>(fn(MIRELO_OP_OPEN_CAMERA))(0) < 0);
        QVERIFY(reinterpret_cast<MireloTakeCameraPhotoFn>(fn(MIRELO_OP_TAKE_CAMERA_PHOTO))("/tmp/x.jpg") < 0);
        QCOMPARE(reinterpret_cast<MireloGetAudioDeviceCountFn>(fn(MIRELO_OP_GET_AUDIO_DEVICE_COUNT))(4), 0);
        char16_t name[MIRELO_NAME_BUFFER_UNITS];
        QVERIFY(reinterpret_cast<MireloGetAudioDeviceNameFn>(fn(MIRELO_OP_GET_AUDIO_DEVICE_NAME))(4, 0, name) < 0);
        QVERIFY(reinterpret_cast<MireloOpenAudioDeviceFn>(fn(MIRELO_OP_OPEN_AUDIO_DEVICE))(8) < 0);
        QVERIFY(reinterpret_cast<MireloRefreshDevicesFn>(fn(MIRELO_OP_REFRESH_DEVICES))(4) < 0);
        QCOMPARE(reinterpret_cast<MireloShutdownFn>(fn(MIRELO_OP_SHUTDOWN))(), 0);

        QString error;
        QVERIFY2(engine.load(&error), qPrintable(error));
        QVERIFY(paintRoot(0x305070));
    }
    void cleanupTestCase() { engine.shutdown(); }

    void nullAndOutOfRangeArgumentsAreRefused()
    {
        QCOMPARE(op<MireloGetEncoderAdaptersFn>(MIRELO_OP_GET_ENCODER_ADAPTERS)(nullptr, nullptr),
                 int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(op<MireloTestHardwareEncoderFn>(MIRELO_OP_TEST_HARDWARE_ENCODER)(99, 0), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(op<MireloSetWatermarkFn>(MIRELO_OP_SET_WATERMARK)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(op<MireloGetCameraFormatsFn>(MIRELO_OP_GET_CAMERA_FORMATS)(nullptr), int(MIRELO_E_INVALID_ARGUMENT));
        QVERIFY(op<MireloGetCameraNameFn>(MIRELO_OP_GET_CAMERA_NAME)(0, nullptr) < 0);
        QVERIFY(op<MireloGetCameraIdFn>(MIRELO_OP_GET_CAMERA_ID)(-1, nullptr) < 0);
        QVERIFY(op<MireloSelectCameraFn>(MIRELO_OP_SELECT_CAMERA)(-1) < 0);
        QVERIFY(op<MireloSetCameraFormatFn>(MIRELO_OP_SET_CAMERA_FORMAT)(1 << 30) < 0);
        QVERIFY(op<MireloTakeCameraPhotoFn>(MIRELO_OP_TAKE_CAMERA_PHOTO)(nullptr) < 0);
        QVERIFY(op<MireloGetAudioDeviceNameFn>(MIRELO_OP_GET_AUDIO_DEVICE_NAME)(4, 0, nullptr) < 0);
        QVERIFY(op<MireloGetAudioDeviceIdFn>(MIRELO_OP_GET_AUDIO_DEVICE_ID)(3, 0, nullptr) < 0);
        QVERIFY(op<MireloSelectAudioDeviceFn>(MIRELO_OP_SELECT_AUDIO_DEVICE)(8, 1 << 30) < 0);
        QVERIFY(op<MireloSetAudioVolumeFn>(MIRELO_OP_SET_AUDIO_VOLUME)(4, 201) < 0);
        QVERIFY(op<MireloSetAudioVolumeFn>(MIRELO_OP_SET_AUDIO_VOLUME)(4, -1) < 0);
        RecordParams noPath = screenJob(QByteArray(), 320, 240, 30);
        noPath.filePath = nullptr;
        QCOMPARE(engine.start(noPath), int(MIRELO_E_INVALID_ARGUMENT));
    }

    void pausingOrResumingTwiceChangesNothing()
    {
        const QString file = outDir() + "/twice.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(path, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(300000));
        QCOMPARE(engine.resume(), 0); // not paused: nothing to resume
        QCOMPARE(engine.pause(), 0);
        const int64_t atPause = engine.time();
        QCOMPARE(engine.pause(), 0);
        QThread::msleep(300); // a while paused: the time stands still
        QCOMPARE(engine.time(), atPause);
        QCOMPARE(engine.resume(), 0);
        QCOMPARE(engine.resume(), 0);
        QVERIFY(engine.waitTime(atPause + 1));
        QCOMPARE(engine.stop(), 0);
        QCOMPARE(engine.pause(), int(MIRELO_E_BAD_STATE));
        QCOMPARE(engine.resume(), int(MIRELO_E_BAD_STATE));
    }

    // A further start that cannot begin a new part leaves the running part
    // alone: the user's recording goes on.
    void aRefusedSplitStartKeepsTheRecordingGoing()
    {
        const QByteArray first = QFile::encodeName(outDir() + "/kept.mp4");
        const QByteArray second = QFile::encodeName(outDir() + "/refused.mp4");
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        QCOMPARE(engine.start(screenJob(first, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(300000));
        QCOMPARE(engine.start(screenJob(second, 321, 240, 30)), int(MIRELO_E_INVALID_ARGUMENT));
        QCOMPARE(engine.start(screenJob(second, 320, 240, 0)), int(MIRELO_E_INVALID_ARGUMENT));
        const int64_t t = engine.time();
        QVERIFY2(engine.waitTime(t + 1), "the running part was stopped by a refused start");
        QCOMPARE(engine.stop(), 0);
        QVERIFY(!QFile::exists(QString::fromUtf8(second)));
    }

    // Initialising again while a recording runs (with sound asked for, so
    // the sound side is in use) first ends the recording cleanly: the file
    // is kept whole and the engine is ready again.
    void initialisingAgainEndsTheRecordingCleanly()
    {
        const QString file = outDir() + "/reinit.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(engine.setRect(0, 0, 320, 240), 0);
        RecordParams job = screenJob(path, 320, 240, 30);
        job.audioSources = MIRELO_DEVICE_SYSTEM_SOUND | MIRELO_DEVICE_MICROPHONE;
        QCOMPARE(engine.start(job), 0);
        QVERIFY(engine.waitTime(600000));
        QCOMPARE(op<MireloInitializeFn>(MIRELO_OP_INITIALIZE)("", ignoreEvent, nullptr), 0);
        QCOMPARE(engine.stop(), int(MIRELO_E_BAD_STATE)); // already ended
        QVERIFY(countFrames(file) >= 8);
        QVERIFY(indexAtFront(file)); // finished before initialise returned
        // And the engine records again.
        const QByteArray again = QFile::encodeName(outDir() + "/again.mp4");
        QCOMPARE(engine.start(screenJob(again, 320, 240, 30)), 0);
        QVERIFY(engine.waitTime(300000));
        QCOMPARE(engine.stop(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineMisuse)
#include "tst_x11_engine_misuse.moc"
