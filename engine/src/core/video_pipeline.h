#pragma once
// The video road of a recording, on two threads of its own:
//   capture thread: paces frame ticks on the recording clock, grabs a
//     picture from the VideoSource, draws the overlays, converts it to the
//     encoder's YUV layout (libyuv) into a pooled frame;
//   encode thread:  encodes the frames and hands packets to the Muxer.
// The frame pool is small and fixed: when the encoder falls behind, ticks
// find no free frame and are dropped (and counted), never queued without
// bound.
#include "core/bounded_queue.h"
#include "core/clock.h"
#include "core/picture_composer.h"
#include "core/video_encoder.h"
#include "core/video_source.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace mirelo {

class Muxer;

struct VideoStats
{
    int64_t captured = 0;  // frames handed to the encoder
    int64_t dropped = 0;   // ticks that produced no frame
    int64_t encoded = 0;   // packets written out
};

class VideoPipeline
{
public:
    VideoPipeline(RecordingClock &clock, Muxer &muxer);
    ~VideoPipeline();

    // Opens the encoder, then starts the capture thread, which opens the
    // source and waits for start(); answers the first failure
    // (MIRELO_E_ENCODER when the encoder does not open, else the source's).
    int open(std::unique_ptr<VideoSource> source, const VideoEncoderConfig &config);
    void addOverlay(std::shared_ptr<Overlay> overlay) { m_overlays.push_back(std::move(overlay)); }
    const VideoEncoder &encoder() const { return m_encoder; }

    void start(int streamIndex);
    // Wakes the capture thread after a pause or resume.
    void clockChanged();
    // Ends capture, encodes what is queued and the encoder's delayed frames.
    void stop();
    // Asks the capture thread to end, without waiting (any thread).
    void requestStop();

    VideoStats stats() const;

private:
    void captureThread();
    void captureLoop();
    void encodeLoop();
    bool waitForTick(int64_t recordingUs);
    bool repeatLast(AVFrame *frame);

    RecordingClock &m_clock;
    Muxer &m_muxer;
    std::unique_ptr<VideoSource> m_source;
    std::vector<std::shared_ptr<Overlay>> m_overlays;
    VideoEncoder m_encoder;
    VideoEncoderConfig m_config;
    int m_stream = -1;

    // Free frames, the most recently returned first: that one is the least
    // out of date, so refreshing it copies the least.
    class FreeFrames
    {
    public:
        void put(AVFrame *f)
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_frames.push_back(f);
        }
        bool take(AVFrame *&f)
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_frames.empty())
                return false;
            f = m_frames.back();
            m_frames.pop_back();
            return true;
        }

    private:
        std::mutex m_mutex;
        std::vector<AVFrame *> m_frames;
    } m_free;
    BoundedQueue<AVFrame *> m_ready;
    std::vector<AVFrame *> m_frames;
    std::unique_ptr<PictureComposer> m_composer; // for persistent pictures
    AVFrame *m_last = nullptr; // the last frame handed to the encoder (capture thread)

    std::thread m_capture, m_encode;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_stop{false};
    bool m_go = false;          // start() ran (under m_wakeMutex)
    bool m_opened = false;      // the source's open answered (under m_wakeMutex)
    int m_openResult = MIRELO_OK;
    std::atomic<int64_t> m_captured{0}, m_dropped{0}, m_encoded{0};
};

} // namespace mirelo
