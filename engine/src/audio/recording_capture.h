#pragma once
// The sound of a recording: a capture stream on the chosen device of each
// enabled type, separate from the level meters (so the device lists may
// close and reopen those at any time), each put on the recording's
// timeline by a SourceAligner, mixed by an AudioMixer and handed to the
// recording's sink by a pump thread every 10 ms.
//
// When the whole process stood still (stopped by a signal or a debugger,
// or starved for a second), the server kept the devices' sound meanwhile,
// with timing it can no longer vouch for (its buffer may have overflowed,
// its interpolated clock ran on). Each stream then starts afresh, as at the
// start of a recording: the gap becomes silence, as the picture stands
// still over it, and the sound after it is in step within a second.
#include "audio/audio_mixer.h"
#include "audio/pulse_client.h"
#include "core/audio_input.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace mirelo {
namespace audio {

struct AudioEngine;

class RecordingCapture : public AudioProvider
{
public:
    explicit RecordingCapture(AudioEngine &engine);
    ~RecordingCapture() override;

    int startAudio(const RecordParams &params, const AudioFormat &format, AudioSink *sink) override;
    void stopAudio() override;

    // With the client's lock held: whether the recording captures the source.
    bool uses(int slot, uint32_t sourceIndex) const;

private:
    struct Capture
    {
        RecordingCapture *owner = nullptr;
        pa_stream *stream = nullptr;
        SourceAligner *aligner = nullptr;
        SourceInfo source;
        int slot = 0;
        int64_t lastLogUs = 0;
        unsigned stallsSeen = 0; // the loop's thread alone
        std::atomic<bool> ended{false}; // the device went away: silence from now on
    };

    static void onRead(pa_stream *s, size_t bytes, void *self);
    static void onState(pa_stream *s, void *self);
    bool connect(Capture &c, int rate);
    // On the loop's thread, lock held: a new stream on the same device.
    void startAfresh(Capture &c);
    // Counts a stall when nothing of the capture ran for too long before
    // `nowUs`; any thread.
    void noteStall(int64_t nowUs);
    void pumpLoop();

    AudioEngine &m_engine;
    int m_rate = 48000;
    // Guards the mixer and its aligners (taken inside the loop's lock,
    // never the other way round).
    std::mutex m_mutex;
    std::unique_ptr<AudioMixer> m_mixer;
    AudioSink *m_sink = nullptr;
    std::vector<std::unique_ptr<Capture>> m_captures; // changed with the loop locked
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_pump;
    std::atomic<int64_t> m_heartbeatUs{0}; // the pump's last round
    std::atomic<unsigned> m_stalls{0};
};

} // namespace audio
} // namespace mirelo
