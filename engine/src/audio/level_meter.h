#pragma once
// The level meters of the two audio types. They have a sound-server
// connection of their own, which one thread reads ten times a second while
// a meter is open (and which exists only then): whatever pace the devices
// and the server keep, metering wakes the process ten times a second in
// all, and both levels reach the program from that one wake-up, on that
// thread. The server finds the peaks (a light stream of twenty peaks a
// second per device); each level is the loudest peak of the last tenth of
// a second, 0 to 100 with the type's gain, raised as the type's level
// event (0 system sound, 1 microphone).
#include "audio/pulse_client.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mirelo {
namespace audio {

class EventDispatch;

class LevelMeters
{
public:
    // `gains`: the two types' gains in percent, by slot.
    LevelMeters(EventDispatch &events, const std::atomic<int> *gains);
    ~LevelMeters();
    LevelMeters(const LevelMeters &) = delete;
    LevelMeters &operator=(const LevelMeters &) = delete;

    // Meters the slot's device (closing its stream first); false when the
    // server could not be reached or refused at once. Returns within a few
    // seconds even when the server does not answer.
    bool open(int slot, const SourceInfo &source);
    // No level of the slot is raised after this returns (but one raised
    // while it was called).
    void close(int slot);
    void closeAll();
    // Any thread: whether the slot meters that source.
    bool isOn(int slot, uint32_t sourceIndex) const;

    // Level (0..100) of a linear peak (0..1) at a gain in percent.
    static int levelOf(float peak, int gainPercent);

private:
    struct Meter
    {
        pa_stream *stream = nullptr;
        float peak = 0.0f;
        bool fresh = false; // peaks came in since the last tick
    };

    // On the meters' thread:
    void run();
    bool connectServer();
    void dropServer();
    bool openStream(int slot, const SourceInfo &source);
    // The stream only (the slot stays on its source); the connection too
    // when no stream is left.
    void releaseStream(int slot);
    void closeStream(int slot);
    void drain();
    void tick();
    void reportRefusal(int slot);
    static void onRead(pa_stream *s, size_t bytes, void *self);
    static void onState(pa_stream *s, void *self);

    // Runs `job` on the meters' thread and waits for it (at once when
    // called there, as from the program's callback); false after stop.
    bool onThread(const std::function<void()> &job);

    EventDispatch &m_events;
    const std::atomic<int> *m_gains;
    pa_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    Meter m_meters[2];

    mutable std::mutex m_mutex; // the jobs, the flags and the sources below
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    uint32_t m_sources[2] = {PA_INVALID_INDEX, PA_INVALID_INDEX};
    std::thread m_thread;
};

} // namespace audio
} // namespace mirelo
