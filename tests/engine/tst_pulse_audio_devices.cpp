// The engine's audio devices against a private sound server that has a
// null output (its monitor is system sound) and a sine source (a
// microphone): lists, ids, the remembered choice, levels, gain and the
// device events.
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <future>
#include <unistd.h>

#include "audio_test_engine.h"

namespace {
const int kSystem = MIRELO_DEVICE_SYSTEM_SOUND;
const int kMic = MIRELO_DEVICE_MICROPHONE;
const QString kMonitorId = QStringLiteral("mirelo_null_sink.monitor");
const QString kSineId = QStringLiteral("mirelo_sine");
}

class TestPulseAudioDevices : public QObject
{
    Q_OBJECT
private:
    AudioTestEngine m_engine;
    QTemporaryDir m_data;

    // Levels of `event` that arrive within the next `ms`.
    QVector<int> levelsFor(int event, int ms)
    {
        m_engine.clearEvents();
        QTest::qWait(ms);
        return m_engine.dataOf(event);
    }

    // Waits until a level of `event` arriving from now on passes `test`:
    // a level metered before a change may still be on its way.
    bool levelReaches(int event, const std::function<bool(int)> &test)
    {
        m_engine.clearEvents();
        return QTest::qWaitFor(
            [&] {
                const QVector<int> levels = m_engine.dataOf(event);
                return !levels.isEmpty() && test(levels.last());
            },
            10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(m_data.isValid());
        QVERIFY(m_engine.load());
        QCOMPARE(m_engine.initialize(m_data.path().toUtf8()), int(MIRELO_OK));
    }
    void cleanupTestCase() { m_engine.shutdown(); }

    void listsSplitMonitorsFromInputs()
    {
        QCOMPARE(m_engine.refresh(kSystem), int(MIRELO_OK));
        QCOMPARE(m_engine.refresh(kMic), int(MIRELO_OK));
        const QStringList system = m_engine.ids(kSystem);
        const QStringList mic = m_engine.ids(kMic);
        QVERIFY2(system.contains(kMonitorId), qPrintable(system.join(',')));
        QVERIFY2(!system.contains(kSineId), qPrintable(system.join(',')));
        QVERIFY2(mic.contains(kSineId), qPrintable(mic.join(',')));
        for (const QString &id : mic)
            QVERIFY2(!id.endsWith(QLatin1String(".monitor")), qPrintable(id));

        // Names are the descriptions the user knows the devices by.
        const QString monitorName = m_engine.name(kSystem, system.indexOf(kMonitorId));
        QVERIFY2(monitorName.contains(QLatin1String("Test_Output")), qPrintable(monitorName));
        QVERIFY(!m_engine.name(kMic, mic.indexOf(kSineId)).isEmpty());

        // Outside the list or the types: a negative result, buffer untouched.
        int result = 0;
        m_engine.name(kMic, mic.size(), &result);
        QVERIFY(result < 0);
        m_engine.id(kSystem, -1, &result);
        QVERIFY(result < 0);
        QVERIFY(m_engine.count(MIRELO_DEVICE_WEBCAM) < 0);
        QVERIFY(m_engine.select(kMic, mic.size()) < 0);
        auto nameFn = m_engine.op<MireloGetAudioDeviceNameFn>(MIRELO_OP_GET_AUDIO_DEVICE_NAME);
        QVERIFY(nameFn(kMic, 0, nullptr) < 0);
    }

    void currentDeviceIsRememberedAcrossStarts()
    {
        // The server's default output's monitor, with nothing chosen yet.
        const QStringList system = m_engine.ids(kSystem);
        QCOMPARE(m_engine.current(kSystem), system.indexOf(kMonitorId));

        const int module = AudioTestEngine::loadModule(
            {"module-sine-source", "source_name=mirelo_second_mic", "frequency=880"});
        QVERIFY(module >= 0);
        QStringList mic = m_engine.ids(kMic);
        const int second = mic.indexOf(QStringLiteral("mirelo_second_mic"));
        QVERIFY(second >= 0);
        // A link planted at the working name is not written through.
        const QString victim = m_data.filePath("victim.txt");
        {
            QFile v(victim);
            QVERIFY(v.open(QIODevice::WriteOnly));
            v.write("kept");
        }
        QVERIFY(QFile::link(victim, m_data.filePath("AudioDevices.conf.tmp")));
        QCOMPARE(m_engine.select(kMic, second), int(MIRELO_OK));
        QCOMPARE(m_engine.current(kMic), second);
        {
            QFile v(victim);
            QVERIFY(v.open(QIODevice::ReadOnly));
            QCOMPARE(v.readAll(), QByteArray("kept"));
        }

        // A restart knows the choice again, at its position in the new list.
        QCOMPARE(m_engine.shutdown(), int(MIRELO_OK));
        QCOMPARE(m_engine.initialize(m_data.path().toUtf8()), int(MIRELO_OK));
        mic = m_engine.ids(kMic);
        QCOMPARE(m_engine.current(kMic), mic.indexOf(QStringLiteral("mirelo_second_mic")));

        // The choices are read as a file someone else may have put there: a
        // FIFO is not waited for, and a file far larger than its two lines
        // (a sparse one, whatever it begins with) is not read. Either is
        // no choice, and a start goes on.
        const QString conf = m_data.filePath("AudioDevices.conf");
        QFile saved(conf);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray choices = saved.readAll();
        saved.close();
        QVERIFY(choices.contains("Microphone=mirelo_second_mic\n"));
        for (const char *kind : {"fifo", "sparse"}) {
            QCOMPARE(m_engine.shutdown(), int(MIRELO_OK));
            QFile::remove(conf);
            if (qstrcmp(kind, "fifo") == 0) {
                QVERIFY(testsupport::makeFifo(conf));
            } else {
                QFile f(conf);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(choices);
                QVERIFY(f.resize(16 * 1024 * 1024));
            }
            auto started = std::async(std::launch::async, [&] { return m_engine.initialize(m_data.path().toUtf8()); });
            if (started.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
                const int fd = ::open(QFile::encodeName(conf).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
                started.wait();
                QFAIL(kind);
            }
            QCOMPARE(started.get(), int(MIRELO_OK));
            mic = m_engine.ids(kMic);
            QVERIFY2(m_engine.current(kMic) != mic.indexOf(QStringLiteral("mirelo_second_mic")), kind);
        }
        // Put back whole, the file is read again.
        QCOMPARE(m_engine.shutdown(), int(MIRELO_OK));
        QFile::remove(conf);
        QFile back(conf);
        QVERIFY(back.open(QIODevice::WriteOnly));
        back.write(choices);
        back.close();
        QCOMPARE(m_engine.initialize(m_data.path().toUtf8()), int(MIRELO_OK));
        mic = m_engine.ids(kMic);
        QCOMPARE(m_engine.current(kMic), mic.indexOf(QStringLiteral("mirelo_second_mic")));

        // Once it is gone, the current device falls back to one that exists.
        m_engine.clearEvents();
        QVERIFY(AudioTestEngine::unloadModule(module));
        QTRY_VERIFY(m_engine.dataOf(MIRELO_EVENT_AUDIO_DEVICES_CHANGED).size() > 0);
        mic = m_engine.ids(kMic);
        const int current = m_engine.current(kMic);
        QVERIFY(current >= 0 && current < mic.size());
        // The choice was not in use, so its loss is no device-lost event.
        QVERIFY(m_engine.dataOf(MIRELO_EVENT_AUDIO_DEVICE_LOST).isEmpty());
        QCOMPARE(m_engine.select(kMic, mic.indexOf(kSineId)), int(MIRELO_OK));
    }

    void levelsArriveAndFollowTheGain()
    {
        // A tone played into the null output the way a program plays sound
        // (short buffers), so system sound is metered at a real pace.
        const QString wav = m_data.path() + "/tone.wav";
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=f=440:d=60", "-y", wav}), 0);
        QProcess tone;
        tone.start("paplay", {"--latency-msec=20", "-d", "mirelo_null_sink", wav});
        QVERIFY(tone.waitForStarted());
        const QStringList system = m_engine.ids(kSystem);
        QCOMPARE(m_engine.select(kSystem, system.indexOf(kMonitorId)), int(MIRELO_OK));
        QCOMPARE(m_engine.volume(kSystem, 100), int(MIRELO_OK));
        QCOMPARE(m_engine.open(kSystem), int(MIRELO_OK));
        m_engine.clearEvents();
        // (The server's first stream on a monitor may wait a moment.)
        QTRY_VERIFY_WITH_TIMEOUT(m_engine.dataOf(MIRELO_EVENT_SYSTEM_SOUND_LEVEL).size() >= 3
                                     && m_engine.dataOf(MIRELO_EVENT_SYSTEM_SOUND_LEVEL).last() > 0, 5000);

        QVector<int> full = levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 1000);
        // About ten a second, from the engine's thread, within 0..100.
        QVERIFY2(full.size() >= 6 && full.size() <= 14, qPrintable(QString::number(full.size())));
        for (const auto &e : m_engine.events())
            QVERIFY(!e.onCallerThread);
        const int fullLevel = *std::min_element(full.begin(), full.end());
        QVERIFY2(fullLevel > 0 && fullLevel < 100, qPrintable(QString::number(fullLevel)));

        QCOMPARE(m_engine.volume(kSystem, 0), int(MIRELO_OK));
        QVERIFY(levelReaches(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, [](int level) { return level == 0; }));
        const QVector<int> silent = levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 400);
        QVERIFY(!silent.isEmpty());
        QCOMPARE(*std::max_element(silent.begin(), silent.end()), 0);

        QCOMPARE(m_engine.volume(kSystem, 50), int(MIRELO_OK));
        QVERIFY(levelReaches(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, [](int level) { return level > 0; }));
        QVector<int> half = levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 400);
        QVERIFY(!half.isEmpty());
        const int halfLevel = *std::min_element(half.begin(), half.end());
        QVERIFY2(qAbs(halfLevel * 2 - fullLevel) <= 4,
                 qPrintable(QStringLiteral("%1 vs %2").arg(halfLevel).arg(fullLevel)));

        // Out of range gains are refused and change nothing.
        QVERIFY(m_engine.volume(kSystem, 201) < 0);
        QVERIFY(m_engine.volume(kSystem, -1) < 0);
        half = levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 400);
        QVERIFY(!half.isEmpty());
        QVERIFY(qAbs(*std::min_element(half.begin(), half.end()) - halfLevel) <= 1);

        // Above 100 % the level grows, up to the top of the bar.
        QCOMPARE(m_engine.volume(kSystem, 200), int(MIRELO_OK));
        QVERIFY(levelReaches(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, [&](int level) { return level > halfLevel + 2; }));
        const QVector<int> loud = levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 400);
        QVERIFY(!loud.isEmpty());
        QVERIFY(qAbs(*std::min_element(loud.begin(), loud.end()) - qMin(100, fullLevel * 2)) <= 2);

        // Closing stops the levels: at most the one metered before the
        // close may still arrive.
        QCOMPARE(m_engine.close(kSystem), int(MIRELO_OK));
        QVERIFY(levelsFor(MIRELO_EVENT_SYSTEM_SOUND_LEVEL, 600).size() <= 1);
        QCOMPARE(m_engine.volume(kSystem, 100), int(MIRELO_OK));
        tone.kill();
        tone.waitForFinished();
    }

    void microphoneLevelsComeAsTheirOwnEvent()
    {
        const QStringList mic = m_engine.ids(kMic);
        QCOMPARE(m_engine.select(kMic, mic.indexOf(kSineId)), int(MIRELO_OK));
        QCOMPARE(m_engine.open(kMic), int(MIRELO_OK));
        m_engine.clearEvents();
        // The sine source hands its sound over in blocks of two seconds.
        QTRY_VERIFY_WITH_TIMEOUT(!m_engine.dataOf(MIRELO_EVENT_MICROPHONE_LEVEL).isEmpty(), 5000);
        const QVector<int> levels = m_engine.dataOf(MIRELO_EVENT_MICROPHONE_LEVEL);
        QVERIFY(*std::max_element(levels.begin(), levels.end()) > 0);
        QVERIFY(m_engine.dataOf(MIRELO_EVENT_SYSTEM_SOUND_LEVEL).isEmpty());
        QCOMPARE(m_engine.close(kMic), int(MIRELO_OK));
    }

    void aLevelsCallbackMayCloseAndReopenTheMeters()
    {
        // A program may call the engine from its callback: the thread that
        // raised the level does the call itself instead of waiting for it.
        const QStringList mic = m_engine.ids(kMic);
        QCOMPARE(m_engine.select(kMic, mic.indexOf(kSineId)), int(MIRELO_OK));
        std::atomic<int> closed{1}, reopened{1};
        m_engine.setEventHook([&](int event, int) {
            if (event != MIRELO_EVENT_MICROPHONE_LEVEL || closed.load() != 1)
                return;
            closed = m_engine.close(kMic);
            reopened = m_engine.open(kMic);
        });
        QCOMPARE(m_engine.open(kMic), int(MIRELO_OK));
        QTRY_VERIFY_WITH_TIMEOUT(reopened.load() != 1, 10000);
        m_engine.setEventHook(nullptr);
        QCOMPARE(closed.load(), int(MIRELO_OK));
        QCOMPARE(reopened.load(), int(MIRELO_OK));
        // The reopened meter goes on metering; closed from here it stops.
        QVERIFY(levelReaches(MIRELO_EVENT_MICROPHONE_LEVEL, [](int level) { return level > 0; }));
        QCOMPARE(m_engine.close(kMic), int(MIRELO_OK));
        QVERIFY(levelsFor(MIRELO_EVENT_MICROPHONE_LEVEL, 600).size() <= 1);
    }

    void losingTheDeviceInUseRaisesLostThenChanged()
    {
        const int module = AudioTestEngine::loadModule(
            {"module-sine-source", "source_name=mirelo_usb_mic", "frequency=660"});
        QVERIFY(module >= 0);
        QStringList mic = m_engine.ids(kMic);
        QCOMPARE(m_engine.select(kMic, mic.indexOf(QStringLiteral("mirelo_usb_mic"))), int(MIRELO_OK));
        QCOMPARE(m_engine.open(kMic), int(MIRELO_OK));
        // In use once its sound arrives.
        QVERIFY(levelReaches(MIRELO_EVENT_MICROPHONE_LEVEL, [](int) { return true; }));

        m_engine.clearEvents();
        QVERIFY(AudioTestEngine::unloadModule(module));
        QTRY_VERIFY(!m_engine.dataOf(MIRELO_EVENT_AUDIO_DEVICES_CHANGED).isEmpty());
        QVector<int> order;
        for (const auto &e : m_engine.events())
            if (e.event == MIRELO_EVENT_AUDIO_DEVICE_LOST || e.event == MIRELO_EVENT_AUDIO_DEVICES_CHANGED)
                order << e.event << e.data;
        QCOMPARE(order.mid(0, 4), (QVector<int>{MIRELO_EVENT_AUDIO_DEVICE_LOST, kMic,
                                                 MIRELO_EVENT_AUDIO_DEVICES_CHANGED, 0}));

        // What the device list does next: select another, close, reopen.
        mic = m_engine.ids(kMic);
        QVERIFY(!mic.contains(QStringLiteral("mirelo_usb_mic")));
        QCOMPARE(m_engine.select(kMic, mic.indexOf(kSineId)), int(MIRELO_OK));
        QCOMPARE(m_engine.close(kMic), int(MIRELO_OK));
        QCOMPARE(m_engine.open(kMic), int(MIRELO_OK));
        m_engine.close(kMic);
    }

    void addedOutputAppearsAsSystemSound()
    {
        m_engine.clearEvents();
        const int module = AudioTestEngine::loadModule(
            {"module-null-sink", "sink_name=mirelo_hdmi", "sink_properties=device.description=HDMI"});
        QVERIFY(module >= 0);
        QTRY_VERIFY(!m_engine.dataOf(MIRELO_EVENT_AUDIO_DEVICES_CHANGED).isEmpty());
        QVERIFY(m_engine.ids(kSystem).contains(QStringLiteral("mirelo_hdmi.monitor")));
        QVERIFY(!m_engine.ids(kMic).contains(QStringLiteral("mirelo_hdmi.monitor")));
        QVERIFY(AudioTestEngine::unloadModule(module));
    }

    void longNamesAreCutToTheBuffer()
    {
        // A description far beyond the buffer, ending in characters outside
        // the basic plane so a cut could fall inside a surrogate pair.
        QString description(1500, QLatin1Char('n'));
        for (int i = 0; i < 40; ++i)
            description += QString::fromUcs4(U"\U0001F3A4");
        const int module = AudioTestEngine::loadModule(
            {"module-null-sink", "sink_name=mirelo_long",
             QStringLiteral("sink_properties=device.description=%1").arg(description)});
        QVERIFY(module >= 0);
        const QStringList system = m_engine.ids(kSystem);
        const int index = system.indexOf(QStringLiteral("mirelo_long.monitor"));
        QVERIFY(index >= 0);

        // The program's buffer, with guard units after it.
        std::vector<char16_t> buffer(MIRELO_NAME_BUFFER_UNITS + 64, char16_t(0xBEEF));
        auto nameFn = m_engine.op<MireloGetAudioDeviceNameFn>(MIRELO_OP_GET_AUDIO_DEVICE_NAME);
        QVERIFY(nameFn(kSystem, index, buffer.data()) >= 0);
        for (size_t i = MIRELO_NAME_BUFFER_UNITS; i < buffer.size(); ++i)
            QCOMPARE(int(buffer[i]), 0xBEEF);
        const auto end = std::find(buffer.begin(), buffer.begin() + MIRELO_NAME_BUFFER_UNITS, char16_t(0));
        QVERIFY(end != buffer.begin() + MIRELO_NAME_BUFFER_UNITS);
        const QString name = QString::fromUtf16(buffer.data(), int(end - buffer.begin()));
        QVERIFY(name.size() >= MIRELO_NAME_BUFFER_UNITS - 2 && name.size() <= MIRELO_NAME_BUFFER_UNITS - 1);
        QVERIFY(!name.at(name.size() - 1).isHighSurrogate());
        QVERIFY(name.contains(QStringLiteral("nnnn")));
        QVERIFY(AudioTestEngine::unloadModule(module));
    }
};

QTEST_GUILESS_MAIN(TestPulseAudioDevices)
#include "tst_pulse_audio_devices.moc"
