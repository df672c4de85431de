// Sound placed on the recording's timeline: drift resampled away, gaps
// filled, early and late data put where the clock says, sources mixed with
// their gains. Simulated time, so minutes of sound take milliseconds.
#include <QtTest>

#include "audio/audio_mixer.h"

#include <random>

using mirelo::audio::AudioMixer;
using mirelo::audio::SourceAligner;

namespace {
const int kRate = 48000;
const int64_t kOrigin = 1000000000; // any monotonic instant

struct Collected
{
    std::vector<float> left;
    int64_t nextUs = kOrigin;
    bool contiguous = true;
    int64_t silentFrames = 0; // handed on as silence (null samples)

    AudioMixer::Output output()
    {
        return [this](const float *s, int frames, int64_t us) {
            if (std::llabs(us - nextUs) > 1)
                contiguous = false;
            nextUs = us + int64_t(frames) * 1000000 / kRate;
            if (!s)
                silentFrames += frames;
            for (int i = 0; i < frames; ++i)
                left.push_back(s ? s[i * 2] : 0.0f);
        };
    }
    float at(double seconds) const { return left.at(size_t(seconds * kRate)); }
};

std::vector<float> constant(int frames, float v) { return std::vector<float>(size_t(frames) * 2, v); }
} // namespace

class TestAudioMixing : public QObject
{
    Q_OBJECT
private slots:
    void deviceClockDriftIsResampledAway_data()
    {
        QTest::addColumn<double>("ppm");
        QTest::newRow("fast card") << 300.0;
        QTest::newRow("slow card") << -450.0;
    }
    void deviceClockDriftIsResampledAway()
    {
        QFETCH(double, ppm);
        // A card whose 48 kHz is really 48 kHz x (1 + ppm): ten minutes of
        // 10 ms chunks, stamped with a few milliseconds of jitter.
        SourceAligner a(kRate, kOrigin);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> jitterUs(-3000, 3000);
        const double trueRate = kRate * (1.0 + ppm * 1e-6);
        const int chunk = 480;
        const auto data = constant(chunk, 0.1f);
        double worstMs = 0;
        for (int64_t k = 0; k < 60000; ++k) {
            const int64_t captured = kOrigin + int64_t(k * chunk / trueRate * 1e6);
            a.push(data.data(), chunk, captured + jitterUs(random));
            if (k > 2000) { // after the first twenty seconds
                const double clockPos = double(captured - kOrigin) * kRate / 1e6 + chunk;
                worstMs = std::max(worstMs, std::fabs(double(a.cursor()) - clockPos) * 1000.0 / kRate);
            }
            a.discardBefore(a.cursor() - kRate);
        }
        QVERIFY2(worstMs < 5.0, qPrintable(QString::number(worstMs)));
        QCOMPARE(a.hardCorrections(), 0);
        // The correction settles on the card's error.
        QVERIFY2(std::fabs(a.correctionPpm() + ppm) < 60, qPrintable(QString::number(a.correctionPpm())));
    }

    void raggedChunksOfAnySizeAreTaken()
    {
        // The server hands over whatever it has, down to single frames; a
        // correction must never be as large as such a chunk.
        SourceAligner a(kRate, kOrigin);
        std::mt19937 random(3);
        std::uniform_int_distribution<int> size(1, 700);
        const double trueRate = kRate * (1.0 - 400e-6);
        const auto data = constant(700, 0.1f);
        int64_t sent = 0;
        for (int i = 0; i < 20000; ++i) {
            const int n = i % 7 == 0 ? 1 : size(random);
            a.push(data.data(), n, kOrigin + int64_t(sent / trueRate * 1e6));
            sent += n;
            a.discardBefore(a.cursor() - kRate);
        }
        const double clockPos = sent / trueRate * kRate;
        QVERIFY2(std::fabs(double(a.cursor()) - clockPos) < 0.005 * kRate,
                 qPrintable(QString::number(double(a.cursor()) - clockPos)));
    }

    void dataFromBeforeTheStartIsDroppedAndALateStartPadded()
    {
        SourceAligner early(kRate, kOrigin);
        const auto data = constant(4800, 0.5f);
        early.push(data.data(), 4800, kOrigin - 50000); // 50 ms before
        QVERIFY(std::llabs(early.cursor() + 128 - (4800 - 2400)) <= 128);

        SourceAligner late(kRate, kOrigin);
        late.push(data.data(), 4800, kOrigin + 200000); // 200 ms after
        std::vector<float> out(size_t(kRate) * 2, 0.0f);
        late.mixInto(out.data(), 0, kRate, 1.0f);
        QCOMPARE(out[size_t(0.1 * kRate) * 2], 0.0f);
        QVERIFY(std::fabs(out[size_t(0.25 * kRate) * 2] - 0.5f) < 0.01f);
    }

    void unreliableFirstTimestampsAreSettledEarly()
    {
        // The first chunks come stamped 40 ms late (the server's timing is
        // not known yet); the aligner puts the sound right within a second
        // or two instead of resampling for many seconds.
        SourceAligner a(kRate, kOrigin);
        const auto data = constant(480, 0.1f);
        double lastErrorMs = 0;
        for (int64_t k = 0; k < 300; ++k) {
            const int64_t captured = kOrigin + k * 10000;
            a.push(data.data(), 480, captured + (k < 10 ? 40000 : 0));
            lastErrorMs = (double(a.cursor()) - double(captured - kOrigin + 10000) * kRate / 1e6) * 1000.0 / kRate;
            if (k > 150)
                QVERIFY2(std::fabs(lastErrorMs) < 5.0, qPrintable(QString::number(lastErrorMs)));
        }
        QCOMPARE(a.hardCorrections(), 0);
    }

    void aStalledDeviceIsFilledWithSilenceAndTheRestStaysInStep()
    {
        // A device delivers 2 s, stops for 1.5 s (suspended), then goes on.
        Collected c;
        std::atomic<int> gain{100};
        AudioMixer mixer(kRate, kOrigin, 300000, c.output());
        SourceAligner &src = mixer.addSource(&gain);
        const int chunk = 480;
        for (int64_t k = 0; k < 500; ++k) {
            const int64_t t = kOrigin + k * 10000;
            const bool stalled = t >= kOrigin + 2000000 && t < kOrigin + 3500000;
            if (!stalled) {
                const auto data = constant(chunk, t < kOrigin + 2000000 ? 0.5f : 0.25f);
                src.push(data.data(), chunk, t);
            }
            mixer.pump(t + 10000);
        }
        mixer.pump(kOrigin + 5000000, true);
        QVERIFY(c.contiguous);
        QCOMPARE(int64_t(c.left.size()), int64_t(5 * kRate));
        QVERIFY(std::fabs(c.at(1.0) - 0.5f) < 0.01f);
        QCOMPARE(c.at(2.8), 0.0f);
        QVERIFY(std::fabs(c.at(3.6) - 0.25f) < 0.01f);
        QVERIFY(std::fabs(c.at(4.9) - 0.25f) < 0.01f);
    }

    void aStreamStartedAfreshAfterAStallIsInStepWithinASecond()
    {
        // The process stood still for 12 s; at once the mix gives up waiting
        // for the devices, then the device's new stream delivers, its first
        // stamps 40 ms late as a new stream's are.
        Collected c;
        std::atomic<int> gain{100};
        AudioMixer mixer(kRate, kOrigin, 2500000, c.output());
        SourceAligner &src = mixer.addSource(&gain);
        const int chunk = 480;
        const auto before = constant(chunk, 0.5f);
        const auto after = constant(chunk, 0.25f);
        int64_t t = kOrigin;
        for (; t < kOrigin + 2000000; t += 10000) {
            src.push(before.data(), chunk, t);
            mixer.pump(t + 10000);
        }
        t += 12000000;
        mixer.pump(t);
        src.restart();
        double worstMs = 0;
        for (int k = 0; t < kOrigin + 17000000; t += 10000, ++k) {
            src.push(after.data(), chunk, t - 20000 + (k < 10 ? 40000 : 0));
            mixer.pump(t);
            if (t >= kOrigin + 15100000) { // a second after the stall (and a few chunks)
                const double clockPos = double(t - 20000 - kOrigin) * kRate / 1e6 + chunk;
                worstMs = std::max(worstMs, std::fabs(double(src.cursor()) - clockPos) * 1000.0 / kRate);
            }
        }
        QVERIFY2(worstMs < 5.0, qPrintable(QString::number(worstMs)));
        mixer.pump(t, true);
        QVERIFY(c.contiguous);
        QCOMPARE(int64_t(c.left.size()), (t - kOrigin) * kRate / 1000000);
        // The stall is silence; what came before and after stays.
        QVERIFY(std::fabs(c.at(1.5) - 0.5f) < 0.01f);
        QCOMPARE(c.at(8.0), 0.0f);
        QCOMPARE(c.at(13.5), 0.0f);
        QVERIFY(std::fabs(c.at(14.5) - 0.25f) < 0.01f);
        // Handed on as silence, not mixed and held frame by frame: a
        // process stopped for an hour must not need an hour of samples.
        QVERIFY2(c.silentFrames >= 9 * kRate, qPrintable(QString::number(c.silentFrames)));
    }

    void sourcesAreMixedWithTheirGains()
    {
        Collected c;
        std::atomic<int> full{100}, half{50};
        AudioMixer mixer(kRate, kOrigin, 300000, c.output());
        SourceAligner &a = mixer.addSource(&full);
        SourceAligner &b = mixer.addSource(&half);
        const auto quiet = constant(480, 0.2f);
        const auto loud = constant(480, 0.6f);
        for (int64_t k = 0; k < 100; ++k) {
            a.push(quiet.data(), 480, kOrigin + k * 10000);
            // The second device runs 40 ms late: the mix waits for it.
            if (k >= 4)
                b.push(loud.data(), 480, kOrigin + (k - 4) * 10000);
            mixer.pump(kOrigin + k * 10000);
            QVERIFY(mixer.mixed() <= b.cursor());
        }
        QVERIFY(c.at(0.5) > 0.49f && c.at(0.5) < 0.51f);
        half = 0;
        for (int64_t k = 100; k < 150; ++k) {
            a.push(quiet.data(), 480, kOrigin + k * 10000);
            b.push(loud.data(), 480, kOrigin + (k - 4) * 10000);
            mixer.pump(kOrigin + k * 10000);
        }
        QVERIFY(std::fabs(c.left.back() - 0.2f) < 0.01f);
        // Loud sums are clipped, never wrapped.
        full = 200;
        half = 200;
        for (int64_t k = 150; k < 160; ++k) {
            a.push(quiet.data(), 480, kOrigin + k * 10000);
            b.push(loud.data(), 480, kOrigin + (k - 4) * 10000);
            mixer.pump(kOrigin + k * 10000);
        }
        QCOMPARE(c.left.back(), 1.0f);
    }

    void soundHandedOverBeforeItPlaysWaitsForItsTime()
    {
        // A monitor of an output that works two seconds ahead delivers
        // sound stamped with instants still to come.
        Collected c;
        std::atomic<int> gain{100};
        AudioMixer mixer(kRate, kOrigin, 300000, c.output());
        SourceAligner &src = mixer.addSource(&gain);
        const auto block = constant(2 * kRate, 0.5f);
        src.push(block.data(), 2 * kRate, kOrigin);
        mixer.pump(kOrigin + 500000);
        QCOMPARE(mixer.mixed(), int64_t(kRate / 2));
        // The end comes at one second: what lies beyond is not the picture's.
        mixer.pump(kOrigin + 1000000, true);
        QCOMPARE(int64_t(c.left.size()), int64_t(kRate));
        QVERIFY(std::fabs(c.at(0.9) - 0.5f) < 0.01f);
    }

    void withoutDevicesTheTrackIsSilenceOfTheRightLength()
    {
        Collected c;
        AudioMixer mixer(kRate, kOrigin, 300000, c.output());
        mixer.pump(kOrigin + 1000000);
        mixer.pump(kOrigin + 2000000, true);
        QVERIFY(c.contiguous);
        QCOMPARE(int64_t(c.left.size()), int64_t(2 * kRate));
    }
};

QTEST_GUILESS_MAIN(TestAudioMixing)
#include "tst_audio_mixing.moc"
