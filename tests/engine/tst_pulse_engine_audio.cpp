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
};

QTEST_GUILESS_MAIN(TestPulseEngineAudio)
#include "tst_pulse_engine_audio.moc"
