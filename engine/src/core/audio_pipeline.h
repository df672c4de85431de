#pragma once
// The sound road of a recording: the AudioSink the audio module writes to,
// a bounded buffer of samples placed on the recording clock, and an encode
// thread (AAC for MP4, MP3 for audio-only jobs) feeding the Muxer. The
// track has no holes: every stretch of the recording's time is sound or
// encoded silence, so a player, which plays the samples one after another,
// keeps the sound where the clock put it.
#include "core/audio_input.h"
#include "core/clock.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace mirelo {

class Muxer;

class AudioPipeline : public AudioSink
{
public:
    AudioPipeline(RecordingClock &clock, Muxer &muxer);
    ~AudioPipeline() override;

    // Opens the encoder: AAC, or MP3 when `mp3`. quality 0 best .. 2 least.
    int open(const AudioFormat &format, int quality, bool mp3);
    const AVCodecContext *context() const { return m_ctx; }
    const AudioFormat &format() const { return m_format; }

    // From now on the sink keeps what it is given (for stream
    // `streamIndex`); start() begins encoding it.
    void accept(int streamIndex);
    void start();
    // Encodes what is buffered (the last frame padded) and ends the thread.
    void stop();

    void writeAudio(const float *samples, int frames, int64_t captureUs) override;

    int64_t droppedFrames() const { return m_droppedFrames.load(); }

private:
    // Sound not yet encoded: runs of silence (only counted, so a gap of
    // minutes costs no memory) each followed by samples.
    struct Piece
    {
        int64_t silence = 0;        // frames of silence before the samples
        std::vector<float> samples; // interleaved
        size_t taken = 0;           // floats of `samples` encoded or dropped
    };
    // With m_mutex held:
    void queueSilence(int64_t frames);
    void queueSamples(const float *samples, int frames);
    // Replaces the oldest queued sound by silence until at most `frames`
    // of sound are queued.
    void limitSound(int64_t frames);
    // Takes up to `frames` frames into `out` (silence as zeros); how many.
    int take(float *out, int frames);

    void encodeLoop();
    bool encodeFrame(const float *interleaved, int frames);
    bool drainEncoder(bool flush);

    RecordingClock &m_clock;
    Muxer &m_muxer;
    AudioFormat m_format;
    AVCodecContext *m_ctx = nullptr;
    AVFrame *m_frame = nullptr;
    int m_stream = -1;
    int64_t m_nextPts = 0; // in samples; the encode thread's alone

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Piece> m_pieces;      // in order, not yet encoded
    int64_t m_queued = 0;            // frames in m_pieces, silence included
    int64_t m_queuedSound = 0;       // of those, frames of samples
    int64_t m_placed = 0;            // sample frames placed so far (incl. silence)
    bool m_stop = false;
    bool m_started = false;
    std::thread m_thread;
    std::atomic<int64_t> m_droppedFrames{0};
};

} // namespace mirelo
