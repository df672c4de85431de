// The binding to the engine library, run against the test engine.
#include <QFile>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "enginebinding.h"
#include "engineevents.h"
#include "mirelo_test_engine.h"

namespace {

// Resolves a control entry of the test engine (already loaded by the binding).
template <typename Fn>
Fn control(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

void loadScript(const char *text)
{
    QCOMPARE(control<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(text), 0);
}

QStringList traceLines()
{
    return QString::fromUtf8(control<MireloTestEngineTraceFn>("mireloTestEngineTrace")())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class Receiver : public QObject
{
    Q_OBJECT
public:
    QList<QThread *> threads;
    QList<int> values;
public slots:
    void onLost(int type)
    {
        threads << QThread::currentThread();
        values << type;
    }
    void onChanged()
    {
        threads << QThread::currentThread();
        values << -4;
    }
};

} // namespace

class TestEngineBinding : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        if (engineLoaded())
            engineShutdown();
        engineUnload();
        qunsetenv("MIRELO_TEST_ENGINE_MISSING");
        qunsetenv("MIRELO_ENGINE");
    }

    void pathFromEnvironment()
    {
        QVERIFY(engineLibraryPath().endsWith(QLatin1String("/libMirelo.so")));
        qputenv("MIRELO_ENGINE", "/opt/other/libEngine.so");
        QCOMPARE(engineLibraryPath(), QStringLiteral("/opt/other/libEngine.so"));
    }

    void missingLibraryIsReportedAndCallsFailSafely()
    {
        QString error;
        QVERIFY(!engineLoadFrom(QStringLiteral("/nonexistent/libMirelo.so"), &error));
        QVERIFY2(error.contains(QLatin1String("/nonexistent/libMirelo.so")), qPrintable(error));
        QVERIFY(!engineLoaded());
        int count = 77;
        const MireloEncoderAdapter *list = nullptr;
        QCOMPARE(engineGetEncoderAdapters(&list, &count), int(MIRELO_E_FAILED));
        QCOMPARE(count, 77);
        QCOMPARE(engineStartRecording(nullptr), int(MIRELO_E_FAILED));
    }

    void fileThatIsNoLibrary()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("libMirelo.so"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a library");
        f.close();
        QString error;
        QVERIFY(!engineLoadFrom(path, &error));
        QVERIFY(error.contains(path));
    }

    void missingOperationsAreNamed()
    {
        qputenv("MIRELO_TEST_ENGINE_MISSING", "19,setWatermark");
        QString error;
        QVERIFY(!engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH), &error));
        QVERIFY2(error.contains(QLatin1String("engineStartRecording")), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("engineSetWatermark")), qPrintable(error));
        QVERIFY(!error.contains(QLatin1String("engineStopRecording")));
        QVERIFY(!engineLoaded());
    }

    void loadThroughEnvironmentAndCallWithArguments()
    {
        qputenv("MIRELO_ENGINE", MIRELO_TEST_ENGINE_PATH);
        QString error = QStringLiteral("stale");
        QVERIFY2(engineLoad(&error), qPrintable(error));
        QVERIFY(error.isEmpty());
        loadScript("result startRecording -7 0\ntime 1500000\n");
        EngineEvents events;
        QCOMPARE(engineInitialize(QStringLiteral("/data/Grüße"), &events), 0);
        RecordParams params{};
        QCOMPARE(engineStartRecording(&params), -7);
        QCOMPARE(engineStartRecording(&params), 0);
        int64_t us = 0;
        QCOMPARE(engineGetRecordedTime(&us), 0);
        QCOMPARE(us, int64_t(1500000));
        QCOMPARE(engineSetAudioVolume(8, 150), 0);
        const QStringList lines = traceLines();
        QVERIFY(lines.contains(QStringLiteral("initialize dataFolder=\"/data/Grüße\" callback=1 context=1 -> 0")));
        QVERIFY(lines.contains(QStringLiteral("setAudioVolume type=8 volume=150 -> 0")));
        QCOMPARE(lines.filter(QStringLiteral("startRecording")).size(), 2);
        QVERIFY(lines.filter(QStringLiteral("startRecording")).first().endsWith(QLatin1String("-> -7")));
    }

    void namesAreAlwaysTerminated_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("length");
        QTest::newRow("careful engine, short name") << QByteArray() << 5;
        QTest::newRow("careful engine, long name") << QByteArray("names long") << 1023;
        QTest::newRow("no terminator") << QByteArray("names unterminated") << 1023;
    }

    void namesAreAlwaysTerminated()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, length);
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        loadScript(("audio 8 \"Mic é\" \"Other\"\n" + mode).constData());
        QCOMPARE(engineInitialize(QString(), nullptr, nullptr), 0);
        QString name;
        QCOMPARE(engineGetAudioDeviceName(8, 0, &name), 0);
        QCOMPARE(name.size(), length);
        QVERIFY(name.startsWith(QStringLiteral("Mic é")));
        QString untouched = QStringLiteral("keep");
        QVERIFY(engineGetAudioDeviceName(8, 5, &untouched) < 0);
        QCOMPARE(untouched, QStringLiteral("keep"));
        QCOMPARE(engineGetAudioDeviceCount(8), 2);
    }

    void scriptAndTraceFiles()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("engine.script"));
        const QString trace = dir.filePath(QStringLiteral("engine.trace"));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("# a webcam that fails to open\ncameras \"USB \\\"Cam\\\"\"\nevent 2 0 after 5 on openCamera\n");
        f.close();
        qputenv("MIRELO_TEST_ENGINE_SCRIPT", script.toUtf8());
        qputenv("MIRELO_TEST_ENGINE_TRACE", trace.toUtf8());
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        EngineEvents events;
        QSignalSpy failed(&events, &EngineEvents::cameraOpenFailed);
        QCOMPARE(engineInitialize(QString(), &events), 0);
        QCOMPARE(engineGetCameraCount(), 1);
        QString name;
        QCOMPARE(engineGetCameraName(0, &name), 0);
        QCOMPARE(name, QStringLiteral("USB \"Cam\""));
        // Only after the call it is tied to: a level raised 10 ms ahead
        // comes after anything the script could have raised by itself.
        QSignalSpy level(&events, &EngineEvents::systemSoundLevel);
        QCOMPARE(control<MireloTestEngineRaiseFn>("mireloTestEngineRaise")(0, 1, 10), 0);
        QTRY_COMPARE(level.size(), 1);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(engineOpenCamera(0x2a), 0);
        QTRY_COMPARE(failed.size(), 1);
        engineShutdown();
        qunsetenv("MIRELO_TEST_ENGINE_SCRIPT");
        qunsetenv("MIRELO_TEST_ENGINE_TRACE");
        QFile t(trace);
        QVERIFY(t.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(t.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.contains(QStringLiteral("openCamera window=42 -> 0")));
        QVERIFY(lines.contains(QStringLiteral("getCameraCount -> 1")));
        QCOMPARE(lines.last(), QStringLiteral("shutdown -> 0"));
    }

    void aLevelIsPassedOnWhenItChangesAndOnceASecondWhenNot()
    {
        // Ten levels a second of a quiet device must not wake the bars ten
        // times a second; a change passes at once, each type on its own.
        EngineEvents events;
        QSignalSpy system(&events, &EngineEvents::systemSoundLevel);
        QSignalSpy mic(&events, &EngineEvents::microphoneLevel);
        int level = 30;
        engineEventCallback(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, &level, &events);
        engineEventCallback(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, &level, &events);
        engineEventCallback(MIRELO_EVENT_MICROPHONE_LEVEL, &level, &events);
        level = 31;
        engineEventCallback(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, &level, &events);
        QCOMPARE(system.size(), 2);
        QCOMPARE(system.at(0).first().toInt(), 30);
        QCOMPARE(system.at(1).first().toInt(), 31);
        QCOMPARE(mic.size(), 1);
        // The same level again once the last is a second old: a bar shown
        // meanwhile gets it.
        QTRY_VERIFY_WITH_TIMEOUT(
            (engineEventCallback(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, &level, &events), system.size() == 3), 3000);
        QCOMPARE(system.last().first().toInt(), 31);
    }

    void callbackFromEngineThreadReachesGuiThreadSlots()
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        loadScript("event 4 0 after 10\n");
        EngineEvents events;
        Receiver receiver;
        connect(&events, &EngineEvents::currentAudioDeviceLost, &receiver, &Receiver::onLost);
        connect(&events, &EngineEvents::audioDevicesChanged, &receiver, &Receiver::onChanged);
        QSignalSpy levels(&events, &EngineEvents::microphoneLevel);
        QCOMPARE(engineInitialize(QString(), &events), 0);
        auto raise = control<MireloTestEngineRaiseFn>("mireloTestEngineRaise");
        QCOMPARE(raise(3, 8, 20), 0);
        QCOMPARE(raise(9, 1, 0), 0);  // unknown: ignored
        QCOMPARE(raise(-1, 1, 0), 0); // unknown: ignored
        QCOMPARE(raise(1, 42, 30), 0);
        QTRY_COMPARE(receiver.values.size(), 2);
        QTRY_COMPARE(levels.size(), 1);
        QCOMPARE(levels.first().first().toInt(), 42);
        QCOMPARE(receiver.values, (QList<int>{-4, 8}));
        for (QThread *t : receiver.threads)
            QCOMPARE(t, QThread::currentThread());
        // After shut-down the engine has no callback to call.
        QCOMPARE(engineShutdown(), 0);
        QVERIFY(raise(4, 0, 0) < 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineBinding)
#include "tst_enginebinding.moc"
