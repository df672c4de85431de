#pragma once
// The metering of one audio type: a light stream on the chosen device in
// which the server itself finds the peak of every tenth of a second. It
// raises the type's level event (0 system sound, 1 microphone), 0 to 100,
// with the type's gain applied.
#include "audio/pulse_client.h"

#include <atomic>
#include <string>

namespace mirelo {
namespace audio {

class EventDispatch;

class LevelMeter
{
public:
    LevelMeter(PulseClient &client, EventDispatch &events, int levelEvent, const std::atomic<int> &gain);
    ~LevelMeter();
    LevelMeter(const LevelMeter &) = delete;
    LevelMeter &operator=(const LevelMeter &) = delete;

    // With the client's lock held:
    bool open(const SourceInfo &source); // closes any stream first
    void close();
    bool isOn(uint32_t sourceIndex) const { return m_stream && sourceIndex == m_source.index; }

    // Level (0..100) of a linear peak (0..1) at a gain in percent.
    static int levelOf(float peak, int gainPercent);

private:
    static void onRead(pa_stream *s, size_t bytes, void *self);
    static void onState(pa_stream *s, void *self);
    void reportRefusal();

    PulseClient &m_client;
    EventDispatch &m_events;
    const int m_levelEvent;
    const std::atomic<int> &m_gain;
    pa_stream *m_stream = nullptr;
    SourceInfo m_source;
};

} // namespace audio
} // namespace mirelo
