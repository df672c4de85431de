#include "audio/level_meter.h"

#include "audio/event_dispatch.h"
#include "core/events.h"
#include "core/thread_name.h"

#include <mirelo/engine_api.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace mirelo {
namespace audio {

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kTick = std::chrono::milliseconds(100);
// Peaks a second in the meter stream: at least one in every tick.
constexpr uint32_t kPeakRate = 20;
// How long opening waits for a server that does not answer.
constexpr pa_usec_t kConnectBudgetUs = 2000 * 1000;

int eventOf(int slot)
{
    return slot == 0 ? MIRELO_EVENT_SYSTEM_SOUND_LEVEL : MIRELO_EVENT_MICROPHONE_LEVEL;
}
} // namespace

LevelMeters::LevelMeters(EventDispatch &events, const std::atomic<int> *gains)
    : m_events(events), m_gains(gains), m_thread([this] { run(); })
{
}

LevelMeters::~LevelMeters()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

int LevelMeters::levelOf(float peak, int gainPercent)
{
    if (!(peak > 0.0f))
        return 0;
    const double v = std::fabs(peak) * gainPercent; // percent of full scale
    return static_cast<int>(std::lround(std::min(100.0, v)));
}

bool LevelMeters::open(int slot, const SourceInfo &source)
{
    bool opened = false;
    return onThread([&] { opened = openStream(slot, source); }) && opened;
}

void LevelMeters::close(int slot)
{
    onThread([&] { closeStream(slot); });
}

void LevelMeters::closeAll()
{
    onThread([&] {
        closeStream(0);
        closeStream(1);
    });
}

bool LevelMeters::isOn(int slot, uint32_t sourceIndex) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sources[slot] != PA_INVALID_INDEX && m_sources[slot] == sourceIndex;
}

bool LevelMeters::onThread(const std::function<void()> &job)
{
    if (std::this_thread::get_id() == m_thread.get_id()) {
        job();
        return true;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_stopping)
        return false;
    bool done = false;
    m_jobs.push_back([&job, &done, this] {
        job();
        std::lock_guard<std::mutex> lock(m_mutex);
        done = true;
    });
    m_wake.notify_all();
    m_wake.wait(lock, [&] { return done; });
    return true;
}

void LevelMeters::run()
{
    nameThread("mirelo-meters");
    m_loop = pa_mainloop_new();
    auto next = Clock::now() + kTick;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        while (!m_jobs.empty()) {
            std::function<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            job();
            lock.lock();
            m_wake.notify_all();
        }
        if (m_stopping)
            break;
        // Only this thread touches the streams.
        if (!m_meters[0].stream && !m_meters[1].stream) {
            // Nothing to meter: asleep until asked.
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            next = Clock::now() + kTick;
            continue;
        }
        const auto now = Clock::now();
        if (now < next) {
            m_wake.wait_until(lock, next, [this] { return m_stopping || !m_jobs.empty(); });
            continue;
        }
        next = std::max(next + kTick, now + kTick / 2);
        lock.unlock();
        drain();
        tick();
        lock.lock();
    }
    lock.unlock();
    closeStream(0);
    closeStream(1);
    dropServer();
    if (m_loop)
        pa_mainloop_free(m_loop);
    m_loop = nullptr;
}

bool LevelMeters::connectServer()
{
    if (!m_loop)
        return false;
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;
    dropServer();
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Mirelo");
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "production");
    m_context = pa_context_new_with_proplist(pa_mainloop_get_api(m_loop), "Mirelo level meters", props);
    pa_proplist_free(props);
    if (!m_context || pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropServer();
        return false;
    }
    const pa_usec_t until = pa_rtclock_now() + kConnectBudgetUs;
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        const pa_usec_t now = pa_rtclock_now();
        if (!PA_CONTEXT_IS_GOOD(state) || now >= until)
            break;
        if (pa_mainloop_prepare(m_loop, int(until - now)) < 0 || pa_mainloop_poll(m_loop) < 0
            || pa_mainloop_dispatch(m_loop) < 0)
            break;
    }
    dropServer();
    return false;
}

void LevelMeters::dropServer()
{
    if (!m_context)
        return;
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

bool LevelMeters::openStream(int slot, const SourceInfo &source)
{
    if (m_meters[slot].stream) {
        // Another device for the slot, on the same connection.
        pa_stream *old = m_meters[slot].stream;
        pa_stream_set_read_callback(old, nullptr, nullptr);
        pa_stream_set_state_callback(old, nullptr, nullptr);
        pa_stream_disconnect(old);
        pa_stream_unref(old);
        m_meters[slot] = Meter();
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sources[slot] = PA_INVALID_INDEX;
    }
    if (!connectServer())
        return false;
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kPeakRate, 1};
    pa_stream *s = pa_stream_new(m_context, "Level", &spec, nullptr);
    if (!s)
        return false;
    pa_stream_set_read_callback(s, &LevelMeters::onRead, &m_meters[slot]);
    pa_stream_set_state_callback(s, &LevelMeters::onState, this);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = attr.prebuf = attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = uint32_t(pa_usec_to_bytes(100 * 1000, &spec));
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_PEAK_DETECT
                                                      | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_record(s, source.name.c_str(), &attr, flags) < 0) {
        reportRefusal(slot);
        pa_stream_set_state_callback(s, nullptr, nullptr);
        pa_stream_set_read_callback(s, nullptr, nullptr);
        pa_stream_unref(s);
        if (!m_meters[1 - slot].stream)
            dropServer();
        return false;
    }
    m_meters[slot] = Meter();
    m_meters[slot].stream = s;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sources[slot] = source.index;
    return true;
}

void LevelMeters::releaseStream(int slot)
{
    Meter &m = m_meters[slot];
    if (m.stream) {
        pa_stream_set_read_callback(m.stream, nullptr, nullptr);
        pa_stream_set_state_callback(m.stream, nullptr, nullptr);
        pa_stream_disconnect(m.stream);
        pa_stream_unref(m.stream);
    }
    m = Meter();
    // No connection while nothing is metered.
    if (!m_meters[1 - slot].stream)
        dropServer();
}

void LevelMeters::closeStream(int slot)
{
    releaseStream(slot);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sources[slot] = PA_INVALID_INDEX;
}

void LevelMeters::drain()
{
    // Everything the server sent since the last tick, without waiting.
    for (int i = 0; i < 1000 && m_loop && pa_mainloop_iterate(m_loop, 0, nullptr) > 0; ++i) {
    }
    // A stream the server ended (its device went, or the server itself) is
    // read no more; the meter stays "on" its source until it is closed, so
    // the loss still counts as the loss of a device in use.
    const bool serverGone = m_context && !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context));
    for (int slot = 0; slot < 2; ++slot) {
        pa_stream *s = m_meters[slot].stream;
        if (s && (serverGone || !PA_STREAM_IS_GOOD(pa_stream_get_state(s))))
            releaseStream(slot);
    }
}

void LevelMeters::tick()
{
    // Taken first: the program's callback may open or close meters.
    std::vector<std::pair<int, int>> levels;
    for (int slot = 0; slot < 2; ++slot) {
        Meter &m = m_meters[slot];
        if (!m.stream || !m.fresh)
            continue;
        levels.emplace_back(eventOf(slot), levelOf(m.peak, m_gains[slot].load()));
        m.peak = 0.0f;
        m.fresh = false;
    }
    for (const auto &l : levels)
        emitEvent(l.first, l.second);
}

void LevelMeters::reportRefusal(int slot)
{
    // The server (or the desktop's sandbox in front of it) refused the
    // microphone: on this system that is what a privacy block looks like.
    if (slot == 1 && m_context && pa_context_errno(m_context) == PA_ERR_ACCESS)
        m_events.post(MIRELO_EVENT_MICROPHONE_BLOCKED, 0);
}

void LevelMeters::onState(pa_stream *s, void *self)
{
    auto *meters = static_cast<LevelMeters *>(self);
    if (pa_stream_get_state(s) != PA_STREAM_FAILED)
        return;
    for (int slot = 0; slot < 2; ++slot)
        if (meters->m_meters[slot].stream == s)
            meters->reportRefusal(slot);
}

void LevelMeters::onRead(pa_stream *s, size_t, void *self)
{
    auto *m = static_cast<Meter *>(self);
    while (pa_stream_readable_size(s) > 0) {
        const void *data = nullptr;
        size_t length = 0;
        if (pa_stream_peek(s, &data, &length) < 0)
            return;
        if (length == 0)
            break;
        if (data) {
            const auto *f = static_cast<const float *>(data);
            for (size_t i = 0; i < length / sizeof(float); ++i)
                m->peak = std::max(m->peak, std::fabs(f[i]));
            m->fresh = true;
        }
        pa_stream_drop(s);
    }
}

} // namespace audio
} // namespace mirelo
