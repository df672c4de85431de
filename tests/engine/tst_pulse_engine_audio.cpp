// Recordings with sound, through the entry symbol, against a private sound
// server: a tone plays into the null output (system sound) and the sine
// source is the microphone. Checked from the files with ffprobe and ffmpeg.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "audio_test_engine.h"
#include "engine_harness.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QThread>

#include <csignal>
#include <ctime>

namespace {
const int kSystem = MIRELO_DEVICE_SYSTEM_SOUND;
const int kMic = MIRELO_DEVICE_MICROPHONE;

struct Probe
{
    QJsonArray streams;
    double formatDuration = 0;
    QJsonObject stream(const QString &type) const
    {
        for (const auto &s : streams)
            if (s.toObject().value("codec_type").toString() == type)
                return s.toObject();
        return {};
    }
    int count(const QString &type) const
    {
        int n = 0;
        for (const auto &s : streams)
            n += s.toObject().value("codec_type").toString() == type;
        return n;
    }
};

Probe probe(const QString &file)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", file});
    p.waitForFinished(30000);
    const QJsonObject all = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    Probe r;
    r.streams = all.value("streams").toArray();
    r.formatDuration = all.value("format").toObject().value("duration").toString().toDouble();
    return r;
}

double durationOf(const QJsonObject &stream) { return stream.value("duration").toString().toDouble(); }

// The loudest sample (dB) of the sound between `from` and `from + length`.
double maxVolume(const QString &file, double from, double length)
{
    QProcess p;
    p.start("ffmpeg", {"-hide_banner", "-nostats", "-ss", QString::number(from), "-t", QString::number(length),
                       "-i", file, "-vn", "-af", "volumedetect", "-f", "null", "-"});
    p.waitForFinished(30000);
    const QString log = QString::fromUtf8(p.readAllStandardError());
    const auto m = QRegularExpression("max_volume: (-?[0-9.inf]+) dB").match(log);
    return m.hasMatch() ? m.captured(1).toDouble() : -1000.0;
}

// The longest stretch of the file's sound quieter than -40 dB, in seconds.
double longestSilence(const QString &file)
{
    QProcess p;
    p.start("ffmpeg", {"-hide_banner", "-nostats", "-i", file, "-vn", "-af", "silencedetect=n=-40dB:d=0.5", "-f",
                       "null", "-"});
    p.waitForFinished(30000);
    double longest = 0;
    const QRegularExpression line("silence_duration: ([0-9.]+)");
    for (auto it = line.globalMatch(QString::fromUtf8(p.readAllStandardError())); it.hasNext();)
        longest = qMax(longest, it.next().captured(1).toDouble());
    return longest;
}

// The sync benchmark's reading of a recording of its stimulus: (file time
// of each beep, sound-to-picture offset in ms), in order.
QVector<QPair<double, double>> beepOffsets(const QString &file, QString *report)
{
    QProcess p;
    p.start("python3", {testsupport::sourceDir() + "/tools/bench/av_sync_analysis.py", file, "file", "-v"});
    p.waitForFinished(60000);
    QVector<QPair<double, double>> out;
    const QRegularExpression line("beep at +([0-9.]+) s: offset +([-+0-9.]+) ms");
    // What the analysis says besides its pairs (why it paired none).
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    *report = text.split('\n').filter(QRegularExpression("^(?!.*beep at)")).join(' ') + QString::fromUtf8(p.readAllStandardError());
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return out;
}
} // namespace

class TestPulseEngineAudio : public QObject
{
    Q_OBJECT
    AudioTestEngine m_engine;
    QTemporaryDir m_data;
    QProcess m_tone;

    int start(const RecordParams &p) { return m_engine.op<MireloStartRecordingFn>(MIRELO_OP_START_RECORDING)(&p); }
    int stop() { return m_engine.op<MireloStopRecordingFn>(MIRELO_OP_STOP_RECORDING)(); }
    int64_t recordedTime()
    {
        int64_t us = -1;
        m_engine.op<MireloGetRecordedTimeFn>(MIRELO_OP_GET_RECORDED_TIME)(&us);
        return us;
    }
    // Waits until the recording holds `us` of recorded time (a loaded
    // machine records slower than the clock on the wall).
    bool waitRecorded(int64_t us)
    {
        return QTest::qWaitFor([&] { return recordedTime() >= us; }, 20000);
    }
    void selectById(int type, const QString &id)
    {
        const QStringList ids = m_engine.ids(type);
        QVERIFY2(ids.contains(id), qPrintable(ids.join(',')));
        QCOMPARE(m_engine.select(type, ids.indexOf(id)), int(MIRELO_OK));
    }
    // What the control bar does before a recording: open each enabled type.
    RecordParams videoJob(const QByteArray &path, int sources, int rate)
    {
        RecordParams p = enginetest::screenJob(path, 320, 240, 25);
        p.audioSources = sources;
        p.sampleRate = rate;
        if (sources & kSystem)
            m_engine.open(kSystem);
        if (sources & kMic)
            m_engine.open(kMic);
        int rect[4] = {0, 0, 320, 240};
        m_engine.op<MireloSetCaptureRectFn>(MIRELO_OP_SET_CAPTURE_RECT)(reinterpret_cast<MireloCaptureRect *>(rect));
        return p;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QVERIFY(m_engine.load());
        QCOMPARE(m_engine.initialize(m_data.path().toUtf8()), int(MIRELO_OK));
        selectById(kSystem, "mirelo_null_sink.monitor");
        selectById(kMic, "mirelo_sine");
        // A tone played the way a program plays sound, with a short buffer
        // (a sine module would make the null output work in blocks of two
        // seconds).
        const QString wav = m_data.path() + "/tone.wav";
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=f=1000:d=120", "-y", wav}), 0);
        m_tone.start("paplay", {"--latency-msec=20", "-d", "mirelo_null_sink", wav});
        QVERIFY(m_tone.waitForStarted());
        // The server's first stream on a monitor can take a second or two to
        // be fed; a program meters long before it records.
        QCOMPARE(m_engine.open(kSystem), int(MIRELO_OK));
        QTRY_VERIFY_WITH_TIMEOUT(!m_engine.dataOf(MIRELO_EVENT_SYSTEM_SOUND_LEVEL).isEmpty()
                                     && m_engine.dataOf(MIRELO_EVENT_SYSTEM_SOUND_LEVEL).last() > 0, 5000);
    }
    void cleanupTestCase()
    {
        m_engine.shutdown();
        m_tone.kill();
        m_tone.waitForFinished();
    }

    void videoWithBothSourcesHasOneTrackInStep()
    {
        const QString file = enginetest::outDir() + "/both.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(start(videoJob(path, kSystem | kMic, 44100)), int(MIRELO_OK));
        QVERIFY(waitRecorded(3000000));
        QCOMPARE(stop(), int(MIRELO_OK));
        const double recorded = recordedTime() / 1e6;
        m_engine.close(kSystem);
        m_engine.close(kMic);

        const Probe p = probe(file);
        QCOMPARE(p.count("audio"), 1);
        const QJsonObject audio = p.stream("audio");
        QCOMPARE(audio.value("codec_name").toString(), QStringLiteral("aac"));
        QCOMPARE(audio.value("sample_rate").toString(), QStringLiteral("44100"));
        QCOMPARE(audio.value("channels").toInt(), 2);
        const double a = durationOf(audio);
        const double v = durationOf(p.stream("video"));
        QVERIFY2(qAbs(a - v) < 0.1, qPrintable(QStringLiteral("audio %1 s, video %2 s").arg(a).arg(v)));
        QVERIFY2(qAbs(v - recorded) < 0.25, qPrintable(QStringLiteral("video %1 s, recorded %2 s").arg(v).arg(recorded)));
        // The tone of the output device came through.
        QVERIFY(maxVolume(file, 0.5, 2.0) > -30.0);
    }

    void audioOnlyJobGivesAnMp3OfItsLength()
    {
        const QString file = enginetest::outDir() + "/alone.mp3";
        const QByteArray path = QFile::encodeName(file);
        RecordParams p{};
        p.filePath = const_cast<char *>(path.constData());
        p.audioSources = kSystem;
        p.sampleRate = 32000;
        p.audioQuality = 1;
        p.audioOnly = 1;
        p.fixedCode = 2;
        m_engine.open(kSystem);
        QCOMPARE(start(p), int(MIRELO_OK));
        QVERIFY(waitRecorded(2000000));
        QCOMPARE(stop(), int(MIRELO_OK));
        const double recorded = recordedTime() / 1e6;
        m_engine.close(kSystem);

        const Probe r = probe(file);
        QCOMPARE(r.count("video"), 0);
        QCOMPARE(r.count("audio"), 1);
        QCOMPARE(r.stream("audio").value("codec_name").toString(), QStringLiteral("mp3"));
        QCOMPARE(r.stream("audio").value("sample_rate").toString(), QStringLiteral("32000"));
        QVERIFY2(qAbs(r.formatDuration - recorded) < 0.1,
                 qPrintable(QStringLiteral("file %1 s, recorded %2 s").arg(r.formatDuration).arg(recorded)));
        QVERIFY(maxVolume(file, 0.3, 1.4) > -30.0);
    }

    void pausedSoundIsHeldLikeThePicture()
    {
        const QString file = enginetest::outDir() + "/paused.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(start(videoJob(path, kSystem, 48000)), int(MIRELO_OK));
        QVERIFY(waitRecorded(1000000));
        QCOMPARE(m_engine.op<MireloPauseRecordingFn>(MIRELO_OP_PAUSE_RECORDING)(), int(MIRELO_OK));
        const int64_t atPause = recordedTime();
        QTest::qWait(1000); // a second paused
        QCOMPARE(m_engine.op<MireloResumeRecordingFn>(MIRELO_OP_RESUME_RECORDING)(), int(MIRELO_OK));
        QVERIFY(waitRecorded(atPause + 1000000));
        QCOMPARE(stop(), int(MIRELO_OK));
        const double recorded = recordedTime() / 1e6;
        m_engine.close(kSystem);
        const Probe p = probe(file);
        const double a = durationOf(p.stream("audio"));
        const double v = durationOf(p.stream("video"));
        // The paused second is left out.
        QVERIFY2(v > 1.7 && v < recorded + 0.25, qPrintable(QString::number(v)));
        QVERIFY2(qAbs(a - v) < 0.1, qPrintable(QStringLiteral("audio %1 s, video %2 s").arg(a).arg(v)));
    }

    void removedMicrophoneLeavesSilenceAndTheRecordingGoesOn()
    {
        const int usb = AudioTestEngine::loadModule({"module-sine-source", "source_name=mirelo_usb_mic"});
        QVERIFY(usb >= 0);
        selectById(kMic, "mirelo_usb_mic");
        const QString file = enginetest::outDir() + "/removed.mp4";
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(start(videoJob(path, kSystem | kMic, 48000)), int(MIRELO_OK));
        // Only the recording holds the microphone now: its loss is still
        // the loss of a device in use.
        m_engine.close(kMic);
        QVERIFY(waitRecorded(1500000));
        m_engine.clearEvents();
        QVERIFY(AudioTestEngine::unloadModule(usb));
        QTRY_VERIFY(m_engine.dataOf(MIRELO_EVENT_AUDIO_DEVICE_LOST).contains(kMic));
        // The recording goes on past the loss.
        const int64_t lostAt = recordedTime();
        QVERIFY(waitRecorded(lostAt + 1500000));
        QCOMPARE(stop(), int(MIRELO_OK));
        m_engine.close(kSystem);
        selectById(kMic, "mirelo_sine");

        const Probe p = probe(file);
        const double a = durationOf(p.stream("audio"));
        const double v = durationOf(p.stream("video"));
        QVERIFY2(v > 2.7, qPrintable(QString::number(v)));
        QVERIFY2(qAbs(a - v) < 0.1, qPrintable(QStringLiteral("audio %1 s, video %2 s").arg(a).arg(v)));
        // System sound went on after the microphone was gone.
        QVERIFY(maxVolume(file, v - 1.0, 0.8) > -30.0);
    }

    // Last: it ends the tone, so the output carries the stimulus alone.
    void soundIsBackInStepAfterTheProcessStoodStill()
    {
        // The benchmark's stimulus flashes and beeps at irregular instants
        // (0.6 to 1.6 s apart); a microphone that delivers silence in real time stands in for the
        // sine source (which hands its sound over in blocks of two seconds).
        m_tone.kill();
        m_tone.waitForFinished();
        const int quiet = AudioTestEngine::loadModule({"module-null-source", "source_name=mirelo_quiet_mic"});
        QVERIFY(quiet >= 0);
        const auto restore = qScopeGuard([quiet] {
            AudioTestEngine::pactl({"set-default-source", "mirelo_sine"});
            AudioTestEngine::unloadModule(quiet);
        });
        QCOMPARE(AudioTestEngine::pactl({"set-default-source", "mirelo_quiet_mic"}), 0);
        const QString tools = testsupport::binDir() + "/../tools/bin";
        QProcess stimulus;
        stimulus.start(tools + "/av-stimulus", {"30", "640x360"});
        QVERIFY(stimulus.waitForReadyRead(10000));
        // The monotonic instant of its first beep.
        const auto first = QRegularExpression("first_beep_monotonic=([0-9.]+)")
                               .match(QString::fromLatin1(stimulus.readAllStandardOutput()));
        QVERIFY(first.hasMatch());
        const double firstBeep = first.captured(1).toDouble();
        const auto endStimulus = qScopeGuard([&stimulus] {
            stimulus.kill();
            stimulus.waitForFinished();
        });

        // A recorder of its own, which the test can stop as a suspended
        // laptop stops it; its length counts the stall.
        const QString file = enginetest::outDir() + "/stall.mp4";
        QProcess rec;
        rec.start(tools + "/mirelo-rec", {"--rect", "0,0,640,360", "--fps", "30", "--seconds", "14", "--audio", file});
        QVERIFY(rec.waitForReadyRead(10000));
        QVERIFY2(rec.readAllStandardOutput().startsWith("start=0"), "the recorder started");
        // Stopped once two beeps are recorded: between beeps, with its
        // first second on disk.
        const auto monotonic = [] {
            timespec ts;
            clock_gettime(CLOCK_MONOTONIC, &ts);
            return double(ts.tv_sec) + ts.tv_nsec / 1e9;
        };
        QElapsedTimer clock;
        clock.start();
        while ((monotonic() < firstBeep + 1.4 || enginetest::countFrames(file) < 30) && clock.elapsed() < 30000)
            QThread::msleep(100);
        ::kill(pid_t(rec.processId()), SIGSTOP);
        QTest::qSleep(5000); // the stall itself, twice the mix's patience
        ::kill(pid_t(rec.processId()), SIGCONT);
        QVERIFY(rec.waitForFinished(60000));
        QCOMPARE(rec.exitCode(), 0);

        // The stall is one gap in the beeps (a still picture and silence);
        // after it the sound is in step again within a second.
        QString report;
        const auto beeps = beepOffsets(file, &report);
        int after = -1;
        for (int i = 1; i < beeps.size(); ++i)
            if (beeps[i].first - beeps[i - 1].first > 2.5
                && (after < 0 || beeps[i].first - beeps[i - 1].first > beeps[after].first - beeps[after - 1].first))
                after = i;
        QStringList seen;
        for (const auto &b : beeps)
            seen << QStringLiteral("%1 s %2 ms").arg(b.first).arg(b.second);
        QVERIFY2(after > 0, qPrintable("no gap in the beeps: " + seen.join(", ") + "; " + report));
        QVERIFY2(beeps.size() - after >= 3, qPrintable(QString::number(beeps.size() - after)));
        for (int i = after + 1; i < beeps.size(); ++i)
            QVERIFY2(qAbs(beeps[i].second) < 45.0, qPrintable("sound out of step: " + seen.join(", ")));
        // The first beep after it too, where the sound was before the stall
        // (a sound seconds early after it is paired by the pattern of the
        // beeps, not taken for a neighbour).
        QVector<double> before;
        for (int i = 0; i < after; ++i)
            before.append(beeps[i].second);
        std::sort(before.begin(), before.end());
        QVERIFY2(qAbs(beeps[after].second - before[before.size() / 2]) < 60.0,
                 qPrintable("the first beep after the stall out of step: " + seen.join(", ")));
        // The beeps of the stall are not in the sound either: it holds one
        // silence of about the stall's length (between beeps at most 1.6 s
        // apart, none is longer than that).
        const double silence = longestSilence(file);
        QVERIFY2(silence > 4.5, qPrintable(QStringLiteral("longest silence %1 s").arg(silence)));
        const Probe p = probe(file);
        const double a = durationOf(p.stream("audio"));
        const double v = durationOf(p.stream("video"));
        QVERIFY2(qAbs(a - v) < 0.1, qPrintable(QStringLiteral("audio %1 s, video %2 s").arg(a).arg(v)));
    }
};

QTEST_GUILESS_MAIN(TestPulseEngineAudio)
#include "tst_pulse_engine_audio.moc"
