#pragma once
// The sound road of a recording: the AudioSink the audio module writes to,
// a bounded buffer of samples placed on the recording clock, and an encode
// thread (AAC for MP4, MP3 for audio-only jobs) feeding the Muxer.
#include "core/audio_input.h"
#include "core/clock.h"

#include <atomic>
#include <condition_variable>
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
    std::vector<float> m_buffer;     // interleaved samples not yet encoded
    int64_t m_placed = 0;            // sample frames placed so far (incl. silence)
    int64_t m_droppedPending = 0;    // frames dropped ahead of m_buffer, not yet in m_nextPts
    bool m_stop = false;
    bool m_started = false;
    std::thread m_thread;
    std::atomic<int64_t> m_droppedFrames{0};
};

} // namespace mirelo
