#pragma once
// The video road of a recording, on two threads of its own:
//   capture thread: paces frame ticks on the recording clock, grabs a
//     picture from the VideoSource, draws the overlays, converts it to the
//     encoder's YUV layout (libyuv) into a pooled picture;
//   encode thread:  opens the encoder (its worker threads are started from
//     it), encodes the frames and hands packets to the Muxer.
// Every tick gives the encoder a frame, so the file keeps a constant frame
// rate. A frame is a reference to a pooled picture: when nothing changed, or
// when the picture of a tick cannot be taken in time (this thread was held
// up, or every picture is still with the encoder), the tick shares the
// previous picture instead of copying it. The pictures are few and fixed;
// the frames waiting for the encoder are bounded by a second's worth.
// Past that the encoder cannot keep up at all: ticks without a picture of
// their own are dropped (and counted) until it has caught up.
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
    int64_t unchanged = 0; // of those, the previous picture because nothing changed
    int64_t repeated = 0;  // of those, the previous picture because the tick's own was not taken in time
    int64_t dropped = 0;   // ticks that produced no frame
    int64_t encoded = 0;   // packets written out
};

class VideoPipeline
{
public:
    VideoPipeline(RecordingClock &clock, Muxer &muxer);
    ~VideoPipeline();

    // Starts the encode thread, which opens the encoder, then the capture
    // thread, which opens the source; both wait for start(). Answers the
    // first failure (MIRELO_E_ENCODER when the encoder does not open, else
    // the source's).
    int open(std::unique_ptr<VideoSource> source, const VideoEncoderConfig &config);
    void addOverlay(std::shared_ptr<Overlay> overlay) { m_overlays.push_back(std::move(overlay)); }
    const VideoEncoder &encoder() const { return m_encoder; }

    void start(int streamIndex);
    // Wakes the capture thread after a pause or resume.
    void clockChanged();
    // Ends capture, encodes what is queued and the encoder's delayed frames.
    // Every tick up to the clock's time at the stop gets its frame, also
    // when the capture thread was held up then (freeze the clock first).
    void stop();
    // Asks the capture thread to end, without waiting (any thread).
    void requestStop();

    VideoStats stats() const;

private:
    // Frames not in use, ready to hand out.
    class FreeFrames
    {
    public:
        void put(AVFrame *f)
        {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_frames.push_back(f);
            }
            m_returned.notify_all();
        }
        // Until one is free.
        void waitForOne()
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_returned.wait(lock, [this] { return !m_frames.empty(); });
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
        std::condition_variable m_returned;
        std::vector<AVFrame *> m_frames;
    };
    // A picture the capture thread writes; free while no frame refers to it.
    struct Picture
    {
        AVFrame *frame = nullptr;
        uint64_t filled = 0; // when it was last written (0: never)
    };

    void captureThread();
    void captureLoop();
    void encodeThread();
    void encodeLoop();
    bool waitForTick(int64_t recordingUs);
    bool waitForGo();
    Picture *freePicture();
    bool hand(Picture &picture, int64_t pts);
    void handPrevious(int64_t pts, std::atomic<int64_t> &reason);

    RecordingClock &m_clock;
    Muxer &m_muxer;
    std::unique_ptr<VideoSource> m_source;
    std::vector<std::shared_ptr<Overlay>> m_overlays;
    VideoEncoder m_encoder;
    VideoEncoderConfig m_config;
    int m_stream = -1;

    std::vector<Picture> m_pictures;
    Picture *m_last = nullptr;  // the picture of the last frame (capture thread)
    uint64_t m_fills = 0;       // pictures written so far (capture thread)
    bool m_catchingUp = false;  // the queue was full and has not drained yet (capture thread)
    FreeFrames m_free;          // frames (references to pictures) not queued
    std::vector<AVFrame *> m_frames;
    BoundedQueue<AVFrame *> m_ready;
    std::unique_ptr<PictureComposer> m_composer; // for persistent pictures

    std::thread m_capture, m_encode;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_stop{false};
    bool m_go = false;          // start() ran (under m_wakeMutex)
    bool m_opened = false;      // the source's open answered (under m_wakeMutex)
    int m_openResult = MIRELO_OK;
    bool m_encoderOpened = false; // the encoder's open answered (under m_wakeMutex)
    int m_encoderResult = MIRELO_OK;
    std::atomic<int64_t> m_captured{0}, m_unchanged{0}, m_repeated{0}, m_dropped{0}, m_encoded{0};
};

} // namespace mirelo
