#include "audio/pulse_client.h"

#include <chrono>
#include <thread>

namespace mirelo {
namespace audio {

SourceInfo toSourceInfo(const pa_source_info *i)
{
    SourceInfo s;
    s.index = i->index;
    s.name = i->name ? i->name : "";
    s.description = i->description && *i->description ? i->description : s.name;
    s.monitor = i->monitor_of_sink != PA_INVALID_INDEX;
    s.monitorOfSink = i->monitor_of_sink_name ? i->monitor_of_sink_name : "";
    return s;
}

PulseClient::PulseClient() = default;

PulseClient::~PulseClient() { stop(); }

void PulseClient::start(SourceEvent onSourceEvent, int waitMs)
{
    if (m_loop)
        return;
    m_onSourceEvent = std::move(onSourceEvent);
    m_stopping = false;
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return;
    pa_threaded_mainloop_set_name(m_loop, "mirelo-pulse");
    {
        Lock lock(*this);
        connect();
    }
    pa_threaded_mainloop_start(m_loop);
    // Wait for the first connection (and its source list), bounded: a
    // machine without a sound server still gets a working engine.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (std::chrono::steady_clock::now() < until) {
        {
            Lock lock(*this);
            if (m_everReady || m_firstTryFailed)
                break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PulseClient::stop()
{
    if (!m_loop)
        return;
    {
        Lock lock(*this);
        m_stopping = true;
        pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
        if (m_reconnect) {
            api->time_free(m_reconnect);
            m_reconnect = nullptr;
        }
        if (m_context) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
            m_context = nullptr;
        }
        m_known.clear();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
    m_everReady = false;
    m_firstTryFailed = false;
}

bool PulseClient::isReady() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY && m_everReady;
}

bool PulseClient::waitFor(pa_operation *op)
{
    if (!op)
        return false;
    // libpulse's own time-out is half a minute: a hung server must not hold
    // the caller (the program's thread) that long.
    struct Deadline { pa_threaded_mainloop *loop; bool passed; } deadline{m_loop, false};
    const pa_usec_t budget = m_stalled ? 250 * 1000 : 2000 * 1000;
    struct timeval tv;
    pa_gettimeofday(&tv);
    pa_timeval_add(&tv, budget);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    pa_time_event *timer = api->time_new(
        api, &tv,
        [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *data) {
            auto *d = static_cast<Deadline *>(data);
            d->passed = true;
            pa_threaded_mainloop_signal(d->loop, 0);
        },
        &deadline);
    while (pa_operation_get_state(op) == PA_OPERATION_RUNNING && !deadline.passed)
        pa_threaded_mainloop_wait(m_loop);
    if (timer)
        api->time_free(timer);
    const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
    if (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
        pa_operation_cancel(op); // its callback, which points at the caller's data, never runs
    pa_operation_unref(op);
    m_stalled = !done;
    return done;
}

void PulseClient::connect()
{
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Mirelo");
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "production");
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Mirelo", props);
    pa_proplist_free(props);
    if (!m_context) {
        scheduleReconnect();
        return;
    }
    pa_context_set_state_callback(m_context, &PulseClient::onState, this);
    pa_context_set_subscribe_callback(m_context, &PulseClient::onSubscribe, this);
    // A failure is also reported to onState, which plans the next try;
    // the failed context is released by that try, never inside libpulse.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        scheduleReconnect();
}

void PulseClient::scheduleReconnect()
{
    if (m_stopping || m_reconnect)
        return;
    struct timeval tv;
    pa_gettimeofday(&tv);
    pa_timeval_add(&tv, 1000 * 1000);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    m_reconnect = api->time_new(api, &tv, &PulseClient::onReconnectTimer, this);
}

void PulseClient::onReconnectTimer(pa_mainloop_api *api, pa_time_event *e, const struct timeval *, void *self)
{
    auto *c = static_cast<PulseClient *>(self);
    api->time_free(e);
    c->m_reconnect = nullptr;
    if (c->m_stopping)
        return;
    if (c->m_context) {
        pa_context_set_state_callback(c->m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(c->m_context, nullptr, nullptr);
        pa_context_unref(c->m_context);
        c->m_context = nullptr;
    }
    c->connect();
}

void PulseClient::fetchAll()
{
    // The whole list after a (re)connection: every source not yet known is
    // announced, so a server that came back shows its devices again.
    auto cb = [](pa_context *, const pa_source_info *i, int eol, void *self) {
        auto *c = static_cast<PulseClient *>(self);
        if (eol) {
            c->m_everReady = true;
            pa_threaded_mainloop_signal(c->m_loop, 0);
            return;
        }
        if (c->m_known.count(i->index))
            return;
        SourceInfo s = toSourceInfo(i);
        c->m_known[i->index] = s;
        if (c->m_everReady && c->m_onSourceEvent)
            c->m_onSourceEvent(s, false);
    };
    if (pa_operation *op = pa_context_get_source_info_list(m_context, cb, this))
        pa_operation_unref(op);
}

void PulseClient::onState(pa_context *ctx, void *self)
{
    auto *c = static_cast<PulseClient *>(self);
    switch (pa_context_get_state(ctx)) {
    case PA_CONTEXT_READY:
        if (pa_operation *op = pa_context_subscribe(ctx, PA_SUBSCRIPTION_MASK_SOURCE, nullptr, nullptr))
            pa_operation_unref(op);
        c->fetchAll();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        // Every device went with the server.
        c->m_firstTryFailed = true;
        std::map<uint32_t, SourceInfo> gone;
        gone.swap(c->m_known);
        if (c->m_onSourceEvent && !c->m_stopping)
            for (const auto &s : gone)
                c->m_onSourceEvent(s.second, true);
        c->scheduleReconnect();
        break;
    }
    default:
        break;
    }
    pa_threaded_mainloop_signal(c->m_loop, 0);
}

void PulseClient::onSubscribe(pa_context *ctx, pa_subscription_event_type_t t, uint32_t idx, void *self)
{
    auto *c = static_cast<PulseClient *>(self);
    if ((t & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SOURCE)
        return;
    const int kind = t & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    if (kind == PA_SUBSCRIPTION_EVENT_NEW) {
        auto cb = [](pa_context *, const pa_source_info *i, int eol, void *self) {
            auto *c = static_cast<PulseClient *>(self);
            if (eol || !i || c->m_known.count(i->index))
                return;
            SourceInfo s = toSourceInfo(i);
            c->m_known[i->index] = s;
            if (c->m_onSourceEvent)
                c->m_onSourceEvent(s, false);
        };
        if (pa_operation *op = pa_context_get_source_info_by_index(ctx, idx, cb, c))
            pa_operation_unref(op);
    } else if (kind == PA_SUBSCRIPTION_EVENT_REMOVE) {
        auto it = c->m_known.find(idx);
        if (it == c->m_known.end())
            return;
        SourceInfo s = it->second;
        c->m_known.erase(it);
        if (c->m_onSourceEvent)
            c->m_onSourceEvent(s, true);
    }
    // Changes (state, volume, suspension) are not list changes: ignored.
}

std::vector<SourceInfo> PulseClient::querySources()
{
    struct Query { PulseClient *c; std::vector<SourceInfo> list; } q{this, {}};
    Lock lock(*this);
    if (!isReady())
        return {};
    auto cb = [](pa_context *, const pa_source_info *i, int eol, void *data) {
        auto *q = static_cast<Query *>(data);
        if (eol) {
            pa_threaded_mainloop_signal(q->c->m_loop, 0);
            return;
        }
        q->list.push_back(toSourceInfo(i));
    };
    if (!waitFor(pa_context_get_source_info_list(m_context, cb, &q)))
        return {};
    return q.list;
}

ServerDefaults PulseClient::queryDefaults()
{
    struct Query { PulseClient *c; ServerDefaults d; } q{this, {}};
    Lock lock(*this);
    if (!isReady())
        return {};
    auto cb = [](pa_context *, const pa_server_info *i, void *data) {
        auto *q = static_cast<Query *>(data);
        if (i) {
            q->d.sink = i->default_sink_name ? i->default_sink_name : "";
            q->d.source = i->default_source_name ? i->default_source_name : "";
        }
        pa_threaded_mainloop_signal(q->c->m_loop, 0);
    };
    if (!waitFor(pa_context_get_server_info(m_context, cb, &q)))
        return {};
    return q.d;
}

} // namespace audio
} // namespace mirelo
