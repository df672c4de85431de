#pragma once
// The engine's own connection to the sound server (PulseAudio, or PipeWire's
// PulseAudio service): a threaded main loop, one context, the live list of
// input sources kept up to date by the server's subscription, and a
// reconnect when the server goes away and comes back.
#include <pulse/pulseaudio.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace mirelo {
namespace audio {

struct SourceInfo
{
    uint32_t index = PA_INVALID_INDEX;
    std::string name;        // stable id
    std::string description; // what the user sees
    bool monitor = false;    // the monitor of an output device
    std::string monitorOfSink;
};

struct ServerDefaults
{
    std::string sink;
    std::string source;
};

class PulseClient
{
public:
    // Called on the loop's thread with the loop locked: a source appeared
    // (removed false) or disappeared (removed true; info as last known).
    using SourceEvent = std::function<void(const SourceInfo &info, bool removed)>;

    PulseClient();
    ~PulseClient();
    PulseClient(const PulseClient &) = delete;
    PulseClient &operator=(const PulseClient &) = delete;

    // Starts the loop and connects, waiting up to `waitMs` for the server;
    // without one it keeps trying in the background.
    void start(SourceEvent onSourceEvent, int waitMs);
    void stop();

    // Holds the loop's lock: required for every libpulse call made outside
    // the loop's thread. Recursive.
    class Lock
    {
    public:
        explicit Lock(PulseClient &c) : m_loop(c.m_loop) { if (m_loop) pa_threaded_mainloop_lock(m_loop); }
        ~Lock() { if (m_loop) pa_threaded_mainloop_unlock(m_loop); }
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;
    private:
        pa_threaded_mainloop *m_loop;
    };

    // With the lock held:
    pa_context *context() const { return m_context; }
    bool isReady() const;
    pa_threaded_mainloop *loop() const { return m_loop; }
    // Waits (unlocking meanwhile) until the operation ends, at most about
    // two seconds (a quarter of a second while the server has not answered
    // the last one), then cancels it; consumes it. True when it ended.
    bool waitFor(pa_operation *op);
    // The last known sources, by server index.
    const std::map<uint32_t, SourceInfo> &knownSources() const { return m_known; }

    // Fresh queries; take the lock themselves. Must not run on the loop's
    // thread. Empty results without a server.
    std::vector<SourceInfo> querySources();
    ServerDefaults queryDefaults();

private:
    void connect();
    void scheduleReconnect();
    void fetchAll();
    static void onState(pa_context *c, void *self);
    static void onSubscribe(pa_context *c, pa_subscription_event_type_t t, uint32_t idx, void *self);
    static void onReconnectTimer(pa_mainloop_api *api, pa_time_event *e, const struct timeval *tv, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_time_event *m_reconnect = nullptr;
    SourceEvent m_onSourceEvent;
    std::map<uint32_t, SourceInfo> m_known;
    bool m_stopping = false;
    bool m_everReady = false;
    bool m_firstTryFailed = false; // no server at start: do not wait for one
    bool m_stalled = false;        // the last wait ran out: the server may be hung
};

SourceInfo toSourceInfo(const pa_source_info *i);

} // namespace audio
} // namespace mirelo
