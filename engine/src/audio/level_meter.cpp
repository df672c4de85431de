#include "audio/level_meter.h"

#include "audio/event_dispatch.h"

#include <mirelo/engine_api.h>

#include <algorithm>
#include <cmath>

namespace mirelo {
namespace audio {

LevelMeter::LevelMeter(PulseClient &client, EventDispatch &events, int levelEvent, const std::atomic<int> &gain)
    : m_client(client), m_events(events), m_levelEvent(levelEvent), m_gain(gain)
{
}

LevelMeter::~LevelMeter()
{
    PulseClient::Lock lock(m_client);
    close();
}

int LevelMeter::levelOf(float peak, int gainPercent)
{
    if (!(peak > 0.0f))
        return 0;
    const double v = std::fabs(peak) * gainPercent; // percent of full scale
    return static_cast<int>(std::lround(std::min(100.0, v)));
}

bool LevelMeter::open(const SourceInfo &source)
{
    close();
    pa_context *ctx = m_client.context();
    if (!ctx || !m_client.isReady())
        return false;
    // Ten peaks a second, one float each: the server does the metering.
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, 10, 1};
    m_stream = pa_stream_new(ctx, "Level", &spec, nullptr);
    if (!m_stream)
        return false;
    pa_stream_set_read_callback(m_stream, &LevelMeter::onRead, this);
    pa_stream_set_state_callback(m_stream, &LevelMeter::onState, this);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = attr.prebuf = attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = sizeof(float);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_DONT_MOVE | PA_STREAM_PEAK_DETECT
                                                      | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_record(m_stream, source.name.c_str(), &attr, flags) < 0) {
        reportRefusal();
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
        return false;
    }
    m_source = source;
    return true;
}

void LevelMeter::close()
{
    if (!m_stream)
        return;
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    m_source = SourceInfo();
}

void LevelMeter::reportRefusal()
{
    // The server (or the desktop's sandbox in front of it) refused the
    // microphone: on this system that is what a privacy block looks like.
    pa_context *ctx = m_client.context();
    if (m_levelEvent == MIRELO_EVENT_MICROPHONE_LEVEL && ctx && pa_context_errno(ctx) == PA_ERR_ACCESS)
        m_events.post(MIRELO_EVENT_MICROPHONE_BLOCKED, 0);
}

void LevelMeter::onState(pa_stream *s, void *self)
{
    if (pa_stream_get_state(s) == PA_STREAM_FAILED)
        static_cast<LevelMeter *>(self)->reportRefusal();
}

void LevelMeter::onRead(pa_stream *s, size_t, void *self)
{
    auto *m = static_cast<LevelMeter *>(self);
    float peak = 0.0f;
    bool any = false;
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
                peak = std::max(peak, std::fabs(f[i]));
            any = true;
        }
        pa_stream_drop(s);
    }
    if (any)
        m->m_events.postLevel(m->m_levelEvent, levelOf(peak, m->m_gain.load()));
}

} // namespace audio
} // namespace mirelo
