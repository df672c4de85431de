// The output group against the test engine: the encoder probe and list,
// the value readers and the names of new files.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "datagroupoutput.h"
#include "enginebinding.h"
#include "enviroment.h"
#include "fakehotkeybackend.h"
#include "mirelo_test_engine.h"

namespace {

template <typename Fn>
Fn control(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

// Starts the test engine with a script.
void startEngine(const QByteArray &script)
{
    QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
    QCOMPARE(control<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(script.constData()), 0);
    QCOMPARE(engineInitialize(QString(), nullptr, nullptr), 0);
    control<MireloTestEngineClearTraceFn>("mireloTestEngineClearTrace")();
}

int hardwareTests()
{
    const QString trace = QString::fromUtf8(control<MireloTestEngineTraceFn>("mireloTestEngineTrace")());
    return trace.count(QStringLiteral("testHardwareEncoder "));
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yy-MM-dd_hh-mm"));
}

} // namespace

class TestDataGroupOutput : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        if (engineLoaded())
            engineShutdown();
        engineUnload();
    }

    void encoderList_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QVector<int>>("list");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("tests");

        QTest::newRow("no adapter") << QByteArray() << 0 << QVector<int>{0} << 0 << 0
                                    << QStringList{QStringLiteral("Software Encoder")} << 0;
        QTest::newRow("nvidia") << QByteArray("adapters 2\n") << 2 << QVector<int>{0, 2} << 2 << 2
                                << QStringList{QStringLiteral("Software Encoder"), QStringLiteral("Nvidia Hardware Encoder")} << 1;
        QTest::newRow("amd") << QByteArray("adapters 4\n") << 4 << QVector<int>{0, 3} << 3 << 4
                             << QStringList{QStringLiteral("Software Encoder"), QStringLiteral("AMD Hardware Encoder")} << 1;
        QTest::newRow("amd and intel: the first is the default")
            << QByteArray("adapters 4 1\n") << 5 << QVector<int>{0, 1, 3} << 1 << 1
            << QStringList{QStringLiteral("Software Encoder"), QStringLiteral("Intel Hardware Encoder"),
                           QStringLiteral("AMD Hardware Encoder")}
            << 2;
        QTest::newRow("nvidia listed but failing its test")
            << QByteArray("adapters 2 1\nhwtest 2 -7\n") << 1 << QVector<int>{0, 1} << 1 << 1
            << QStringList{QStringLiteral("Software Encoder"), QStringLiteral("Intel Hardware Encoder")} << 2;
        QTest::newRow("junk families are skipped")
            << QByteArray("adapters 3 8 -1 0\n") << 0 << QVector<int>{0} << 0 << 0
            << QStringList{QStringLiteral("Software Encoder")} << 0;
        QTest::newRow("two adapters of one family")
            << QByteArray("adapters 2 2\n") << 2 << QVector<int>{0, 2} << 2 << 2
            << QStringList{QStringLiteral("Software Encoder"), QStringLiteral("Nvidia Hardware Encoder")} << 1;
    }

    void encoderList()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, mask);
        QFETCH(QVector<int>, list);
        QFETCH(int, type);
        QFETCH(int, flag);
        QFETCH(QStringList, names);
        QFETCH(int, tests);
        startEngine(script);
        DataGroupOutput output(nullptr, false, -1);
        QCOMPARE(output.hardwareMask, mask);
        QCOMPARE(output.availableEncoders, list);
        QCOMPARE(output.VideoEncoder, type);
        QCOMPARE(output.availableEncoders.value(output.VideoEncoderIndex), type);
        QCOMPARE(output.videoEncoderFlag(), flag);
        QCOMPARE(output.videoEncoders(), names);
        QCOMPARE(hardwareTests(), tests);

        // A copy builds the same list from the mask, without asking the engine.
        DataGroupOutput copy(nullptr, true, output.hardwareMask);
        QCOMPARE(copy.availableEncoders, list);
        QCOMPARE(copy.VideoEncoder, type);
        QCOMPARE(hardwareTests(), tests);
    }

    void onlyTheLiveSetProbes()
    {
        FakeHotkeyBackend hotkeys;
        startEngine("adapters 2\n");
        Enviroment env;
        QCOMPARE(hardwareTests(), 1);
        QCOMPARE(env.defaults->output->availableEncoders, (QVector<int>{0, 2}));
        QCOMPARE(env.saved->output->VideoEncoder, 2);
        env.restoreDefaults();
        QCOMPARE(hardwareTests(), 2);
    }

    void storedEncoderMissingHereBecomesSoftware()
    {
        FakeHotkeyBackend hotkeys;
        {
            QSettings store(QStringLiteral("Olvex"), QStringLiteral("Free Mirelo"));
            store.setValue(QStringLiteral("Output/VideoEncoder"), 2);
        }
        startEngine("adapters 1\n");
        Enviroment env;
        QCOMPARE(env.output()->VideoEncoder, 0);
        QCOMPARE(env.output()->VideoEncoderIndex, 0);
        QCOMPARE(env.output()->videoEncoderFlag(), 0);
        env.settings->remove(QStringLiteral("Output/VideoEncoder"));
    }

    void emptyFoldersNeverNameFilesAtTheRoot()
    {
        QSettings store(QStringLiteral("Olvex"), QStringLiteral("Free Mirelo"));
        store.setValue(QStringLiteral("Output/VideoFolder"), QString());
        store.setValue(QStringLiteral("Output/ScreenshotsFolder"), QStringLiteral("  "));
        DataGroupOutput output(nullptr, true, 0);
        output.load(&store);
        QCOMPARE(output.VideoFolder, DataGroupOutput::defaultVideoFolder());
        QCOMPARE(output.ScreenshotsFolder, DataGroupOutput::defaultScreenshotsFolder());
        store.remove(QStringLiteral("Output"));

        QSignalSpy changed(&output, &DataGroupOutput::valueChanged);
        output.setOutputFolder(QString());
        output.setScreenshotsFolder(QStringLiteral(" "));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(output.VideoFolder, DataGroupOutput::defaultVideoFolder());
        QVERIFY(!output.newVideoFilePath().startsWith(QStringLiteral("/Video_")));
    }

    void encoderIndexSetter()
    {
        startEngine("adapters 1 2\n");
        DataGroupOutput output(nullptr, false, -1);
        QSignalSpy spy(&output, &DataGroupOutput::valueChanged);
        output.setVideoEncoderIndex(3); // the list size
        output.setVideoEncoderIndex(-1);
        QCOMPARE(spy.size(), 0);
        QCOMPARE(output.VideoEncoder, 1);
        output.setVideoEncoderIndex(2);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(output.VideoEncoderIndex, 2);
        QCOMPARE(output.VideoEncoder, 2);
        output.setVideoEncoderIndex(0); // what the control bar does after -7
        QCOMPARE(output.videoEncoderFlag(), 0);
    }

    void valueReaders()
    {
        DataGroupOutput output(nullptr, true, 0);
        QCOMPARE(output.frameRateValue(), 25.0f);
        output.setVideoFrameRate(4);
        QCOMPARE(output.frameRateValue(), 23.97f);
        QCOMPARE(output.sampleRateValue(), 44100);
        output.setAudioSampleRate(0);
        QCOMPARE(output.sampleRateValue(), 48000);
        output.setAudioSampleRate(2);
        QCOMPARE(output.sampleRateValue(), 32000);
        QCOMPARE(output.videoFrameRates().size(), 12);
        QCOMPARE(output.audioSampleRates(), (QStringList{QStringLiteral("48000"), QStringLiteral("44100"), QStringLiteral("32000")}));
        QCOMPARE(output.videoFormats(), QStringList{QStringLiteral("MP4")});
        QCOMPARE(output.audioFormats(), QStringList{QStringLiteral("MP3")});
        QCOMPARE(output.imageFormats(), QStringList{QStringLiteral("JPG")});
        QCOMPARE(output.videoQualities(), (QStringList{QStringLiteral("High"), QStringLiteral("Medium"), QStringLiteral("Low")}));
        QCOMPARE(output.audioQualities(), output.videoQualities());
    }

    void fileNamesCountPastNinetyNine()
    {
        QTemporaryDir dir;
        const QString folder = dir.path();
        const QString first = DataGroupOutput::newFilePath(folder, QStringLiteral("Video"), QStringLiteral("mp4"));
        QVERIFY2(first.startsWith(folder + QStringLiteral("/Video_")), qPrintable(first));
        QVERIFY(first.endsWith(QLatin1String("-01.mp4")));
        // Same minute, nothing written yet: the same name again.
        QCOMPARE(DataGroupOutput::newFilePath(folder, QStringLiteral("Video"), QStringLiteral("mp4")), first);

        // Fill 01..99 for this minute and the next, so a minute turning over
        // during the test cannot hide the counter.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime &t : {now, now.addSecs(60)}) {
            const QString minute = t.toString(QStringLiteral("yy-MM-dd_hh-mm"));
            for (int n = 1; n <= 99; ++n)
                touch(QStringLiteral("%1/Video_%2-%3.mp4").arg(folder, minute).arg(n, 2, 10, QLatin1Char('0')));
        }
        const QString next = DataGroupOutput::newFilePath(folder, QStringLiteral("Video"), QStringLiteral("mp4"));
        QVERIFY2(next.endsWith(QLatin1String("-100.mp4")), qPrintable(next));
        QCOMPARE(QFileInfo(next).fileName().size(), QStringLiteral("Video_yy-MM-dd_hh-mm-100.mp4").size());

        // A folder, not only a file, takes the name.
        const QString snap = DataGroupOutput::newFilePath(folder, QStringLiteral("Snapshot"), QStringLiteral("jpg"));
        QVERIFY(QDir(folder).mkdir(QFileInfo(snap).fileName()));
        QVERIFY(DataGroupOutput::newFilePath(folder, QStringLiteral("Snapshot"), QStringLiteral("jpg")).endsWith(QLatin1String("-02.jpg")));
    }

    void fileNamesOfTheGroup()
    {
        DataGroupOutput output(nullptr, true, 0);
        output.setOutputFolder(QStringLiteral("/rec/"));
        output.setScreenshotsFolder(QStringLiteral("/shots"));
        const QString video = output.newVideoFilePath();
        QVERIFY2(video.startsWith(QStringLiteral("/rec//Video_") + stamp()), qPrintable(video));
        QVERIFY(video.endsWith(QLatin1String("-01.mp4")));
        QVERIFY(output.newAudioFilePath().startsWith(QStringLiteral("/rec//Audio_")));
        QVERIFY(output.newAudioFilePath().endsWith(QLatin1String(".mp3")));
        QVERIFY(output.newSnapshotFilePath().startsWith(QStringLiteral("/shots/Snapshot_")));
        QVERIFY(output.newSnapshotFilePath().endsWith(QLatin1String("-01.jpg")));

        // Format indexes without a name still give a real extension.
        output.setVideoFormat(5);
        output.setAudioFormat(10);
        QCOMPARE(output.VideoFormat, 5);
        QVERIFY2(output.newVideoFilePath().endsWith(QLatin1String("-01.mp4")), qPrintable(output.newVideoFilePath()));
        QVERIFY(output.newAudioFilePath().endsWith(QLatin1String("-01.mp3")));
    }
};

QTEST_MAIN(TestDataGroupOutput)
#include "tst_datagroupoutput.moc"
