// A recording's stages without a display or a sound server: a fake picture
// source, a fake sound provider and a clock that moves only when told, so
// pausing, stopping (also while a grab is held up) and failing are followed
// frame by frame.
#include "core/audio_pipeline.h"
#include "core/muxer.h"
#include "core/session.h"
#include "core/video_pipeline.h"
#include "video/overlays.h"

#include "engine_fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <unistd.h>

using namespace mirelo;
using enginefake::FakeSound;
using enginefake::FakeSource;
using enginefake::FakeTime;

namespace {

constexpr int kFps = 10;
constexpr int64_t kFrameUs = 1000000 / kFps;

SessionConfig videoJob(const QByteArray &path, FakeSource::Log &log, const FakeTime &time,
                       std::vector<bool> missing = {})
{
    SessionConfig c;
    c.path = path.toStdString();
    c.source = std::make_unique<FakeSource>(log, MIRELO_OK, std::move(missing));
    c.video.width = 64;
    c.video.height = 48;
    c.video.frameRate = kFps;
    c.time = &time;
    return c;
}

// Moves the clock one frame at a time and waits until the capture thread
// took each tick (no sleeps: the frame counters say when).
void runFrames(FakeTime &time, const std::function<int64_t()> &ticks, int frames)
{
    for (int i = 0; i < frames; ++i) {
        const int64_t before = ticks();
        time.advance(kFrameUs);
        QTRY_VERIFY(ticks() > before);
    }
}

// Waits, polling, until `done` holds; false after five seconds.
bool pollFor(const std::function<bool()> &done)
{
    QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

int64_t ticksTaken(const RecordingSession &s)
{
    const VideoStats v = s.stats().video;
    return v.captured + v.dropped;
}

} // namespace

class TestEngineSession : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QByteArray path(const char *name) const { return QFile::encodeName(dir.filePath(name)); }

private slots:
    void initTestCase() { av_log_set_level(AV_LOG_QUIET); }

    void theSourceLivesOnTheCaptureThread()
    {
        FakeTime time;
        RecordingClock clock;
        clock.setTimeSource(time);
        Muxer muxer;
        QCOMPARE(muxer.create(path("thread.mp4").toStdString(), Muxer::Container::Mp4), 0);
        FakeSource::Log log;
        VideoPipeline video(clock, muxer);
        VideoEncoderConfig config;
        config.width = 64;
        config.height = 48;
        config.frameRate = kFps;
        QCOMPARE(video.open(std::make_unique<FakeSource>(log), config), 0);
        QVERIFY(log.openThread != std::this_thread::get_id());
        QCOMPARE(muxer.addStream(video.encoder().context()), 0);
        QCOMPARE(muxer.start(), 0);
        clock.start();
        video.start(0);
        runFrames(time, [&] { return int64_t(log.grabs.load()); }, 3);
        video.stop();
        QVERIFY(log.closed);
        QCOMPARE(log.closeThread, log.openThread);
        QCOMPARE(muxer.finish(), 0);

        // A source that does not open fails the open with its answer, and
        // leaves no thread behind.
        FakeSource::Log refused;
        VideoPipeline other(clock, muxer);
        QCOMPARE(other.open(std::make_unique<FakeSource>(refused, MIRELO_E_NO_DEVICE), config),
                 int(MIRELO_E_NO_DEVICE));
        QVERIFY(!refused.closed);
    }

    void aMissedPictureRepeatsThePreviousOne()
    {
        FakeTime time;
        FakeSource::Log log;
        RecordingSession s;
        const QByteArray file = path("repeat.mp4");
        // The first grab has nothing yet (dropped); later misses repeat.
        QCOMPARE(s.start(videoJob(file, log, time, {true, false, true, true, false})), 0);
        runFrames(time, [&] { return int64_t(log.grabs.load()); }, 9);
        QCOMPARE(s.stop(), 0);
        const SessionStats st = s.stats();
        // Every grab gave a frame but the first (a tick the encoder was
        // behind on is dropped without a grab).
        QCOMPARE(st.video.captured, int64_t(log.grabs.load() - 1));
        QVERIFY(st.video.dropped >= 1);
        QCOMPARE(enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO).count, int(st.video.captured));
    }

    // The file keeps every frame at its rate: a tick whose own picture could
    // not be taken (the capture thread was held up, or the encoder is behind
    // and holds every picture) shows the previous picture again.
    void noTickIsLostToALateCaptureOrASlowEncoder()
    {
        FakeTime time;
        FakeSource::Log log;
        RecordingSession s;
        const QByteArray file = path("everyframe.mp4");
        SessionConfig c = videoJob(file, log, time);
        std::atomic<bool> hold{false};
        c.write = [&](int fd, const void *data, size_t size) -> ssize_t {
            while (hold.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return ::write(fd, data, size);
        };
        QCOMPARE(s.start(std::move(c)), 0);
        QVERIFY(pollFor([&] { return ticksTaken(s) == 1; }));
        // Held up for three ticks: the capture wakes on the third.
        time.advance(3 * kFrameUs);
        QVERIFY(pollFor([&] { return ticksTaken(s) == 4; }));
        QCOMPARE(log.grabs.load(), 2);
        QCOMPARE(s.stats().video.repeated, int64_t(2));
        // The disk stalls: the file stage's queue fills, the encoder waits
        // on it, and the capture finds every picture still queued.
        hold = true;
        int64_t ticks = 4;
        while (s.stats().video.dropped + s.stats().video.repeated < 6 && ticks < 600) {
            time.advance(kFrameUs);
            ++ticks;
            QVERIFY(pollFor([&] { return ticksTaken(s) == ticks; }));
        }
        hold = false;
        QCOMPARE(s.stop(), 0);
        const VideoStats v = s.stats().video;
        QCOMPARE(v.dropped, int64_t(0));
        QCOMPARE(v.captured, ticks);
        QVERIFY(v.repeated >= 6);
        const auto packets = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO);
        QCOMPARE(packets.count, int(ticks));
        QVERIFY2(qAbs(packets.end - packets.start - ticks / double(kFps)) < 0.5 / kFps,
                 qPrintable(QStringLiteral("%1 frames over %2 s").arg(ticks).arg(packets.end - packets.start)));

        // Held up when the recording stops (a grab the X server answers
        // late): the ticks up to the stop still get their frames, so the
        // file is as long as the recorded time.
        FakeTime heldTime;
        RecordingClock clock;
        clock.setTimeSource(heldTime);
        Muxer muxer;
        const QByteArray heldFile = path("heldatstop.mp4");
        QCOMPARE(muxer.create(heldFile.toStdString(), Muxer::Container::Mp4), 0);
        FakeSource::Log heldLog;
        VideoPipeline video(clock, muxer);
        VideoEncoderConfig config;
        config.width = 64;
        config.height = 48;
        config.frameRate = kFps;
        QCOMPARE(video.open(std::make_unique<FakeSource>(heldLog), config), 0);
        QCOMPARE(muxer.addStream(video.encoder().context()), 0);
        QCOMPARE(muxer.start(), 0);
        clock.start();
        video.start(0);
        auto heldGrabs = [&] { return int64_t(heldLog.grabs.load()); };
        QVERIFY(pollFor([&] { return heldGrabs() == 1; })); // the first tick's, at once
        runFrames(heldTime, heldGrabs, 3);
        heldLog.held = true;
        runFrames(heldTime, heldGrabs, 1); // in the grab now
        heldTime.advance(5 * kFrameUs);
        clock.freeze();
        video.requestStop(); // seen before the grab returns
        heldLog.held = false;
        video.stop();
        QCOMPARE(muxer.finish(), 0);
        const int64_t heldTicks = clock.elapsed() * kFps / 1000000;
        QCOMPARE(heldTicks, int64_t(9));
        QCOMPARE(video.stats().captured, heldTicks);
        const auto heldPackets = enginefake::packetsOf(heldFile.constData(), AVMEDIA_TYPE_VIDEO);
        QCOMPARE(heldPackets.count, int(heldTicks));
        QVERIFY2(qAbs(heldPackets.end - heldPackets.start - heldTicks / double(kFps)) < 0.5 / kFps,
                 qPrintable(QStringLiteral("%1 s").arg(heldPackets.end - heldPackets.start)));
    }

    void aPauseLeavesItsTimeOutOfTheFile()
    {
        FakeTime time;
        FakeSource::Log log;
        RecordingSession s;
        const QByteArray file = path("paused.mp4");
        QCOMPARE(s.start(videoJob(file, log, time)), 0);
        auto grabs = [&] { return int64_t(log.grabs.load()); };
        runFrames(time, grabs, 10);
        QCOMPARE(s.pause(), 0);
        const int64_t atPause = s.recordedTime();
        const int grabsAtPause = log.grabs.load();
        time.advance(5 * 1000000);
        QCOMPARE(s.recordedTime(), atPause);
        QCOMPARE(s.resume(), 0);
        runFrames(time, grabs, 10);
        QCOMPARE(s.stop(), 0);
        QVERIFY(log.grabs.load() - grabsAtPause <= 11); // nothing was grabbed while paused
        QCOMPARE(s.recordedTime(), atPause + 10 * kFrameUs);
        const auto v = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO);
        QVERIFY2(qAbs(v.end - v.start - s.recordedTime() / 1e6) <= 2.0 / kFps,
                 qPrintable(QStringLiteral("file %1 s, recorded %2 s").arg(v.end - v.start).arg(s.recordedTime() / 1e6)));
    }

    void aWriteErrorEndsTheRecordingAndStopReportsIt()
    {
        FakeTime time;
        FakeSource::Log log;
        RecordingSession s;
        const QByteArray file = path("full.mp4");
        SessionConfig c = videoJob(file, log, time);
        // A full disk takes what still fits of a write, then refuses: the
        // file ends wherever that falls, inside a picture or inside a
        // fragment's index (where the fragments fall depends on the load).
        std::atomic<int64_t> room{8000};
        c.write = [&](int fd, const void *data, size_t size) -> ssize_t {
            const size_t n = size_t(std::min<int64_t>(room.load(), int64_t(size)));
            if (n == 0) {
                errno = ENOSPC;
                return -1;
            }
            room -= int64_t(n);
            return ::write(fd, data, n);
        };
        c.video.width = 320;
        c.video.height = 240;
        QCOMPARE(s.start(std::move(c)), 0);
        for (int i = 0; i < 200 && !s.failed(); ++i) {
            const int before = log.grabs.load();
            time.advance(kFrameUs);
            QTRY_VERIFY(log.grabs.load() > before || s.failed());
        }
        QVERIFY(s.failed());
        const int64_t frozen = s.recordedTime();
        time.advance(1000000);
        QCOMPARE(s.recordedTime(), frozen); // the clock stopped with the disk
        QCOMPARE(s.pause(), int(MIRELO_E_IO));
        QCOMPARE(s.stop(), int(MIRELO_E_IO));
        QVERIFY(QFile::exists(QString::fromLocal8Bit(file))); // what was written stays
        // The file still plays what came whole, and the time after the stop
        // is what plays: from the first picture to the end of the last that
        // decodes, the one cut short left out, the pictures in the order
        // they show (B-frames come after the picture they precede).
        const auto shown = enginefake::picturesOf(file.constData());
        QVERIFY2(shown.count >= 2, qPrintable(QString::number(shown.count)));
        const double plays = shown.last - shown.first + 1.0 / kFps;
        QVERIFY2(qAbs(s.recordedTime() / 1e6 - plays) < 0.5 / kFps,
                 qPrintable(QStringLiteral("time %1 s, file %2 s").arg(s.recordedTime() / 1e6).arg(plays)));
    }

    void aRefusedSoundStartFailsTheStartAndLeavesNoFile()
    {
        FakeTime time;
        FakeSource::Log log;
        FakeSound sound;
        sound.startResult = MIRELO_E_NO_DEVICE;
        RecordingSession s;
        const QByteArray file = path("nosound.mp4");
        SessionConfig c = videoJob(file, log, time);
        c.params.audioSources = MIRELO_DEVICE_MICROPHONE;
        c.audio = &sound;
        QCOMPARE(s.start(std::move(c)), int(MIRELO_E_NO_DEVICE));
        QVERIFY(!QFile::exists(QString::fromLocal8Bit(file)));
        QVERIFY(log.closed);
        QVERIFY(!s.running());
    }

    // With B-frames the first packet's decoding time lies before the first
    // picture: the file keeps the picture and the sound where they were
    // captured, against each other, also while it is still fragmented. The
    // recording ends when its stop begins, however long the sound server
    // then takes to let go.
    void pictureAndSoundStartTogether()
    {
        FakeTime time;
        FakeSound sound;
        FakeSource::Log log;
        RecordingSession s;
        const QByteArray file = path("together.mp4");
        SessionConfig c = videoJob(file, log, time);
        c.params.audioSources = MIRELO_DEVICE_MICROPHONE;
        c.params.sampleRate = 48000;
        c.audio = &sound;
        QCOMPARE(s.start(std::move(c)), 0);
        std::vector<float> block(4800 * 2, 0.25f); // 100 ms
        const int64_t origin = time.now();
        QTRY_VERIFY(log.grabs.load() > 0); // the first picture, at time 0
        for (int i = 0; i < 20; ++i) {
            sound.sink.load()->writeAudio(block.data(), 4800, origin + i * kFrameUs);
            const int before = log.grabs.load();
            time.advance(kFrameUs);
            QTRY_VERIFY(log.grabs.load() > before);
        }
        sound.whileStopping = [&] { time.advance(5 * kFrameUs); };
        QCOMPARE(s.stop(), 0);
        QCOMPARE(s.recordedTime(), int64_t(20 * kFrameUs));
        const auto v = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_VIDEO);
        const auto a = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_AUDIO);
        QVERIFY(v.ordered && a.ordered);
        // The tick at the stop's instant may have its frame too.
        QVERIFY2(v.end > 2.0 - 0.5 / kFps && v.end < 2.0 + 1.5 / kFps, qPrintable(QString::number(v.end)));
        // The sound's first packet is the encoder's priming (1024 samples).
        const double priming = 1024 / 48000.0;
        QVERIFY2(qAbs(v.start - (a.start + priming)) < 0.002,
                 qPrintable(QStringLiteral("picture %1 s, sound %2 s").arg(v.start).arg(a.start)));
        QVERIFY2(qAbs(v.start) < 0.001, qPrintable(QString::number(v.start))); // the first picture at zero
    }

    // Sound written much faster than the file takes it: the oldest is
    // dropped, silence in its place, and what follows keeps its place on
    // the timeline.
    void soundAfterABacklogKeepsItsTime()
    {
        FakeTime time;
        FakeSound sound;
        RecordingSession s;
        FakeSource::Log log;
        const QByteArray file = path("backlog.mp4");
        SessionConfig c = videoJob(file, log, time);
        c.params.audioSources = MIRELO_DEVICE_MICROPHONE;
        c.params.sampleRate = 48000;
        c.audio = &sound;
        std::atomic<bool> hold{false};
        std::atomic<bool> held{false};
        c.write = [&](int fd, const void *data, size_t size) -> ssize_t {
            while (hold.load()) {
                held = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return ::write(fd, data, size);
        };
        QCOMPARE(s.start(std::move(c)), 0);
        AudioSink *sink = sound.sink.load();
        QVERIFY(sink);
        hold = true;
        std::vector<float> block(960 * 2, 0.25f); // 20 ms
        const int64_t origin = time.now();
        int blocks = 0;
        auto write = [&] {
            time.advance(20000);
            sink->writeAudio(block.data(), 960, origin + int64_t(blocks++) * 20000);
        };
        // Until the file stage waits on the disk, then 16 s more.
        while (!held.load() && blocks < 100000) {
            write();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        QVERIFY(held.load());
        for (int i = 0; i < 800; ++i)
            write();
        hold = false;
        QCOMPARE(s.stop(), 0);
        QVERIFY(s.stats().audioDropped > 0);
        const auto a = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_AUDIO);
        QVERIFY(a.ordered);
        // The file still ends where the sound ended, and dropped sound
        // leaves silence, not a hole a player would close up.
        const double total = blocks * 0.02, priming = 1024 / 48000.0;
        const double length = a.end - a.start - priming;
        QVERIFY2(qAbs(length - total) < 0.1, qPrintable(QStringLiteral("file %1 s, sound %2 s").arg(length).arg(total)));
        QVERIFY2(a.largestStep < 1.5 * priming, qPrintable(QString::number(a.largestStep)));
    }

    // The whole process stood still (stopped by a signal or a debugger):
    // the sound of the stall reaches the sink as a gap in the capture
    // instants, or as silence handed on in one piece, each longer than the
    // sink holds. Either is silence of its whole length, and what follows
    // plays at its time.
    void soundAfterALongStallKeepsItsTime()
    {
        FakeTime time;
        FakeSound sound;
        RecordingSession s;
        FakeSource::Log log;
        const QByteArray file = path("stall.mp4");
        SessionConfig c = videoJob(file, log, time);
        c.params.audioSources = MIRELO_DEVICE_MICROPHONE;
        c.params.sampleRate = 48000;
        c.audio = &sound;
        QCOMPARE(s.start(std::move(c)), 0);
        AudioSink *sink = sound.sink.load();
        QVERIFY(sink);
        std::vector<float> block(4800 * 2, 0.25f); // 100 ms
        const int64_t origin = time.now();
        int64_t at = origin;
        const auto second = [&] {
            for (int i = 0; i < 10; ++i, at += 100000)
                sink->writeAudio(block.data(), 4800, at);
        };
        second();
        at += 12000000; // nothing for 12 s
        second();
        sink->writeAudio(nullptr, 20 * 48000, at); // 20 s of silence at once
        at += 20000000;
        second();
        time.advance(at - origin);
        QCOMPARE(s.stop(), 0);
        const auto a = enginefake::packetsOf(file.constData(), AVMEDIA_TYPE_AUDIO);
        QVERIFY(a.ordered);
        const double priming = 1024 / 48000.0;
        const double length = a.end - a.start - priming;
        QVERIFY2(qAbs(length - 35.0) < 0.1, qPrintable(QStringLiteral("file %1 s, sound 35 s").arg(length)));
        QVERIFY2(a.largestStep < 1.5 * priming, qPrintable(QString::number(a.largestStep)));
    }

    // Without an area() for the picture, the overlays still draw what
    // belongs to its time.
    void clickMarksDrawWithoutAreaFirst()
    {
        ClickMarks marks(0x0000ff, 5);
        marks.add(10, 10, 0);
        std::vector<uint8_t> pixels(32 * 32 * 4, 0);
        VideoPicture p;
        p.data = pixels.data();
        p.stride = 32 * 4;
        p.width = 32;
        p.height = 32;
        marks.draw(p, 1000);
        QVERIFY(pixels[(10 * 32 + 10) * 4 + 2] > 100); // red at the press
        QCOMPARE(int(pixels[0]), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineSession)
#include "tst_engine_session.moc"
