#pragma once
// How sound reaches a recording. The audio module owns the devices; when a
// recording with audio starts, the recording asks the registered
// AudioProvider to deliver the mixed sound of the opened devices to an
// AudioSink. The recording encodes it (AAC in a video's MP4, MP3 for an
// audio-only job) and muxes it into the same file, on its own threads.
#include <mirelo/engine_api.h>

#include <cstdint>

namespace mirelo {

// What the sink accepts: interleaved 32-bit float samples in -1..1, at the
// job's sample rate, `channels` channels (always 2).
struct AudioFormat
{
    int sampleRate = 48000;
    int channels = 2;
};

class AudioSink
{
public:
    virtual ~AudioSink() = default;
    // Hands over `frames` sample frames (frames * channels floats; null
    // samples: that many frames of silence). `captureUs` is the
    // monotonicMicros() instant of the first frame; the sink places the
    // samples on the recording's clock with it, drops what was captured
    // while paused, and fills gaps with silence, however long. Thread-safe,
    // never blocks: when the encoder falls behind by more than a few
    // seconds the oldest sound is replaced by silence, so what follows
    // keeps its place.
    virtual void writeAudio(const float *samples, int frames, int64_t captureUs) = 0;
};

class AudioProvider
{
public:
    virtual ~AudioProvider() = default;
    // A recording whose params.audioSources is not 0 starts (also each
    // further part of a split recording). Begin delivering to `sink`.
    // Called on the program's thread; must return quickly. A negative result
    // makes the start fail with it.
    virtual int startAudio(const RecordParams &params, const AudioFormat &format, AudioSink *sink) = 0;
    // The recording stops or pauses for good: after this returns, `sink`
    // must not be called again.
    virtual void stopAudio() = 0;
};

// The audio module registers itself (e.g. in audioModuleStart) and removes
// itself with nullptr (in audioModuleStop). Without a provider, a recording
// with audio records its video only; an audio-only job fails to start with
// MIRELO_E_NO_DEVICE.
void registerAudioProvider(AudioProvider *provider);
AudioProvider *audioProvider();

} // namespace mirelo
