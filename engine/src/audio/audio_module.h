#pragma once
// The audio module's running state, shared by its parts: the sound-server
// connection, the event thread, the device lists, the gains, the level
// meters and the capture of a running recording.
#include "audio/device_registry.h"
#include "audio/event_dispatch.h"
#include "audio/level_meter.h"
#include "audio/pulse_client.h"

#include <atomic>
#include <memory>

namespace mirelo {
namespace audio {

class RecordingCapture;

struct AudioEngine
{
    AudioEngine();
    ~AudioEngine();

    PulseClient client;
    EventDispatch events;
    DeviceRegistry registry{client};
    std::atomic<int> gains[2] = {{100}, {100}}; // percent, by type slot
    LevelMeters meters{events, gains};
    std::unique_ptr<RecordingCapture> capture;

    // On the loop's thread, lock held: a source came or went.
    void onSourceEvent(const SourceInfo &s, bool removed);
};

} // namespace audio
} // namespace mirelo
