#include "audio/recording_capture.h"

#include "audio/audio_module.h"
#include "core/clock.h"
#include "core/log.h"
#include "core/thread_name.h"

namespace mirelo {
namespace audio {

namespace {
// How long the mix waits for a device that has sent nothing before it
// counts the time as silence. Devices normally deliver every few tens of
// milliseconds; some virtual ones hand over seconds at once.
constexpr int64_t kPatienceUs = 2500000;
// Capture chunks of 20 ms.
constexpr int kFragmentMs = 20;
// The pump runs every 10 ms: a second without a round is a process that
// stood still.
constexpr int64_t kStallUs = 1000000;
} // namespace

RecordingCapture::RecordingCapture(AudioEngine &engine) : m_engine(engine) {}

RecordingCapture::~RecordingCapture()
{
    stopAudio();
}

bool RecordingCapture::uses(int slot, uint32_t sourceIndex) const
{
    for (const auto &c : m_captures)
        if (c->slot == slot && c->source.index == sourceIndex) // also once its stream has ended
            return true;
    return false;
}

int RecordingCapture::startAudio(const RecordParams &params, const AudioFormat &format, AudioSink *sink)
{
    stopAudio();
    if (!sink)
        return MIRELO_E_INVALID_ARGUMENT;
    m_rate = format.sampleRate > 0 ? format.sampleRate : 48000;

    // The chosen device of every enabled type.
    std::vector<std::unique_ptr<Capture>> captures;
    for (int slot = 0; slot < 2; ++slot) {
        const int type = slot == 0 ? MIRELO_DEVICE_SYSTEM_SOUND : MIRELO_DEVICE_MICROPHONE;
        if (!(params.audioSources & type))
            continue;
        auto c = std::make_unique<Capture>();
        if (!m_engine.registry.resolve(slot, c->source))
            continue;
        c->owner = this;
        c->slot = slot;
        captures.push_back(std::move(c));
    }
    // Sound alone needs a device; a video without one gets a silent track
    // of its length.
    if (params.audioOnly && captures.empty())
        return MIRELO_E_NO_DEVICE;

    const int64_t origin = monotonicMicros();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sink = sink;
        m_mixer = std::make_unique<AudioMixer>(
            m_rate, origin, kPatienceUs,
            [this](const float *samples, int frames, int64_t captureUs) {
                m_sink->writeAudio(samples, frames, captureUs);
            });
        for (auto &c : captures) {
            c->aligner = &m_mixer->addSource(&m_engine.gains[c->slot]);
            c->stallsSeen = m_stalls.load();
        }
        m_stopping = false;
        m_heartbeatUs.store(origin);
    }
    {
        PulseClient::Lock lock(m_engine.client);
        m_captures = std::move(captures);
        for (auto &c : m_captures)
            if (!connect(*c, m_rate))
                c->ended = true;
    }
    m_pump = std::thread([this] {
        nameThread("mirelo-audiomix");
        pumpLoop();
    });
    return MIRELO_OK;
}

bool RecordingCapture::connect(Capture &c, int rate)
{
    pa_context *ctx = m_engine.client.context();
    if (!ctx || !m_engine.client.isReady())
        return false;
    // The server converts the device's rate and channels to the job's.
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, uint32_t(rate), 2};
    pa_channel_map map;
    pa_channel_map_init_stereo(&map);
    c.stream = pa_stream_new(ctx, "Recording", &spec, &map);
    if (!c.stream)
        return false;
    pa_stream_set_read_callback(c.stream, &RecordingCapture::onRead, &c);
    pa_stream_set_state_callback(c.stream, &RecordingCapture::onState, &c);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = attr.prebuf = attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = uint32_t(pa_usec_to_bytes(kFragmentMs * 1000, &spec));
    // The device stays the one chosen: if it goes, the recording goes on
    // with silence rather than with whatever device the server moves to.
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE
                                                      | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(c.stream, c.source.name.c_str(), &attr, flags) < 0) {
        pa_stream_set_read_callback(c.stream, nullptr, nullptr);
        pa_stream_set_state_callback(c.stream, nullptr, nullptr);
        pa_stream_unref(c.stream);
        c.stream = nullptr;
        return false;
    }
    return true;
}

void RecordingCapture::noteStall(int64_t nowUs)
{
    int64_t last = m_heartbeatUs.load();
    while (nowUs - last > kStallUs) {
        if (m_heartbeatUs.compare_exchange_weak(last, nowUs)) {
            ++m_stalls;
            logLine("audio: nothing ran for %.1f s: the sound starts afresh", (nowUs - last) / 1e6);
            return;
        }
    }
}

void RecordingCapture::startAfresh(Capture &c)
{
    // Called from this stream's own read callback: the context keeps the
    // stream alive until its disconnection is done.
    pa_stream_set_read_callback(c.stream, nullptr, nullptr);
    pa_stream_set_state_callback(c.stream, nullptr, nullptr);
    pa_stream_disconnect(c.stream);
    pa_stream_unref(c.stream);
    c.stream = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (c.aligner)
            c.aligner->restart();
    }
    if (!connect(c, m_rate))
        c.ended = true;
}

void RecordingCapture::onState(pa_stream *s, void *self)
{
    auto *c = static_cast<Capture *>(self);
    const pa_stream_state_t st = pa_stream_get_state(s);
    if (st == PA_STREAM_FAILED || st == PA_STREAM_TERMINATED)
        c->ended = true;
}

void RecordingCapture::onRead(pa_stream *s, size_t, void *self)
{
    auto *c = static_cast<Capture *>(self);
    RecordingCapture *r = c->owner;
    const int64_t now = monotonicMicros();
    // Checked before any of the stream's sound is taken: what came in
    // after a stall is never placed by the timing of the old stream.
    r->noteStall(now);
    if (c->stallsSeen != r->m_stalls.load()) {
        c->stallsSeen = r->m_stalls.load();
        r->startAfresh(*c);
        return;
    }
    // The oldest unread frame was captured `latency` ago (for a monitor:
    // the time until it is played, often negative).
    pa_usec_t latency = 0;
    int negative = 0;
    int64_t age = 0;
    if (pa_stream_get_latency(s, &latency, &negative) == 0)
        age = negative ? -int64_t(latency) : int64_t(latency);
    // A monitor hands sound over when it is played or before, so its frames
    // are never older than what waits here; early on the server can claim
    // hundreds of milliseconds until its timing settles.
    const int64_t waiting = int64_t(pa_stream_readable_size(s)) * 1000000 / (int64_t(2 * sizeof(float)) * r->m_rate);
    // Any other source captures before it hands over: never younger.
    if (c->source.monitor ? age > waiting : age < waiting)
        age = waiting;
    int64_t at = now - age;
    std::lock_guard<std::mutex> lock(r->m_mutex);
    if (c->aligner && now - c->lastLogUs >= 1000000) {
        // Once a second, for whoever measures sync (MIRELO_ENGINE_LOG).
        c->lastLogUs = now;
        logLine("audio %s: age %.1f ms (%.1f ms waiting), offset %.1f ms, correction %.0f ppm, jumps %d",
                c->source.name.c_str(), age / 1000.0, waiting / 1000.0,
                c->aligner->offsetFrames() * 1000.0 / r->m_rate, c->aligner->correctionPpm(),
                c->aligner->hardCorrections());
    }
    while (pa_stream_readable_size(s) > 0) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(s, &data, &bytes) < 0 || bytes == 0)
            break;
        const int frames = int(bytes / (2 * sizeof(float)));
        if (r->m_mixer && c->aligner)
            c->aligner->push(static_cast<const float *>(data), frames, at); // null data: a hole
        at += int64_t(frames) * 1000000 / r->m_rate;
        pa_stream_drop(s);
    }
}

void RecordingCapture::pumpLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        m_wake.wait_for(lock, std::chrono::milliseconds(10));
        if (m_stopping || !m_mixer)
            break;
        const int64_t now = monotonicMicros();
        noteStall(now);
        m_heartbeatUs.store(now);
        // A device that is gone sends nothing more: no need to wait for it.
        for (const auto &c : m_captures)
            if (c->ended && c->aligner)
                c->aligner->padTo(m_mixer->positionAt(now));
        m_mixer->pump(now);
    }
}

void RecordingCapture::stopAudio()
{
    {
        // No capture callback runs after this.
        PulseClient::Lock lock(m_engine.client);
        for (auto &c : m_captures) {
            if (!c->stream)
                continue;
            pa_stream_set_read_callback(c->stream, nullptr, nullptr);
            pa_stream_set_state_callback(c->stream, nullptr, nullptr);
            pa_stream_disconnect(c->stream);
            pa_stream_unref(c->stream);
            c->stream = nullptr;
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_pump.joinable())
        m_pump.join();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_mixer) {
            // The sound runs to the end of the picture; what is still in
            // flight from the devices is silence.
            m_mixer->pump(monotonicMicros(), true);
        }
        m_mixer.reset();
        m_sink = nullptr;
    }
    // Never inside m_mutex: the loop's lock always comes first.
    PulseClient::Lock lock(m_engine.client);
    m_captures.clear();
}

} // namespace audio
} // namespace mirelo
