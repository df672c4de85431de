#include "core/video_pipeline.h"

#include "core/log.h"
#include "core/muxer.h"

#include <mirelo/engine_api.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include <libyuv.h>

namespace mirelo {

namespace {
// Frames between capture and encoder: enough to ride out an encoder hiccup
// of a few frames, small enough to bound memory at any size.
constexpr int kPoolFrames = 6;
} // namespace

VideoPipeline::VideoPipeline(RecordingClock &clock, Muxer &muxer)
    : m_clock(clock), m_muxer(muxer), m_ready(kPoolFrames)
{
}

VideoPipeline::~VideoPipeline()
{
    stop();
    for (AVFrame *f : m_frames)
        av_frame_free(&f);
}

int VideoPipeline::open(std::unique_ptr<VideoSource> source, const VideoEncoderConfig &config)
{
    m_config = config;
    if (!source)
        return MIRELO_E_NO_DEVICE;
    int r = m_encoder.open(config);
    if (r != MIRELO_OK)
        return r;
    for (int i = 0; i < kPoolFrames; ++i) {
        AVFrame *f = av_frame_alloc();
        if (!f)
            return MIRELO_E_FAILED;
        f->format = m_encoder.inputFormat();
        f->width = config.width;
        f->height = config.height;
        if (av_frame_get_buffer(f, 64) < 0) {
            av_frame_free(&f);
            return MIRELO_E_FAILED;
        }
        m_frames.push_back(f);
        m_free.put(f);
    }
    // The source lives on the capture thread from its open to its close.
    m_source = std::move(source);
    m_capture = std::thread(&VideoPipeline::captureThread, this);
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_wake.wait(lock, [this] { return m_opened; });
    r = m_openResult;
    lock.unlock();
    if (r != MIRELO_OK) {
        m_capture.join();
        m_source.reset();
    }
    return r;
}

void VideoPipeline::start(int streamIndex)
{
    m_stream = streamIndex;
    m_encode = std::thread(&VideoPipeline::encodeLoop, this);
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_go = true;
    m_wake.notify_all();
}

void VideoPipeline::clockChanged()
{
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_wake.notify_all();
}

void VideoPipeline::requestStop()
{
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_stop = true;
    m_wake.notify_all();
}

void VideoPipeline::stop()
{
    requestStop();
    if (m_capture.joinable())
        m_capture.join();
    m_ready.close();
    if (m_encode.joinable())
        m_encode.join();
}

VideoStats VideoPipeline::stats() const
{
    return {m_captured.load(), m_dropped.load(), m_encoded.load()};
}

// Sleeps until the running recording reaches `recordingUs`; false when the
// pipeline stops. A pause holds the wait until the resume.
bool VideoPipeline::waitForTick(int64_t recordingUs)
{
    const TimeSource &time = m_clock.time();
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    for (;;) {
        if (m_stop)
            return false;
        if (m_clock.isPaused()) {
            m_wake.wait_for(lock, std::chrono::milliseconds(100));
            continue;
        }
        const int64_t due = m_clock.monotonicFor(recordingUs);
        if (time.now() >= due)
            return true;
        time.waitUntil(m_wake, lock, due);
    }
}

void VideoPipeline::captureThread()
{
    const int r = m_source->open(m_config.width, m_config.height);
    {
        std::unique_lock<std::mutex> lock(m_wakeMutex);
        m_openResult = r;
        m_opened = true;
        m_wake.notify_all();
        if (r != MIRELO_OK)
            return;
        m_wake.wait(lock, [this] { return m_go || m_stop; });
        if (!m_go) {
            lock.unlock();
            m_source->close();
            return;
        }
    }
    captureLoop();
    m_source->close();
}

// A tick without a new picture shows the previous one again, so a source
// that misses a tick leaves no gap in the file. False before any picture.
bool VideoPipeline::repeatLast(AVFrame *frame)
{
    if (m_composer)
        return m_composer->fill(frame);
    if (!m_last)
        return false;
    // Free frames come back most recent first: usually this is the last
    // frame itself, which holds the picture already. The encoder only reads
    // a frame, so reading it here meanwhile is safe.
    return frame == m_last || av_frame_copy(frame, m_last) >= 0;
}

void VideoPipeline::captureLoop()
{
    const TimeSource &time = m_clock.time();
    const double fps = m_config.frameRate;
    int64_t n = 0; // the next frame's index: its time is n / fps
    std::vector<Overlay *> overlays;
    if (Overlay *own = m_source->overlay())
        overlays.push_back(own);
    for (auto &o : m_overlays)
        overlays.push_back(o.get());
    while (waitForTick(llround(n * 1e6 / fps))) {
        const int64_t now = time.now();
        const int64_t rec = m_clock.toRecordingTime(now);
        if (rec < 0)
            continue; // paused meanwhile
        // Ticks missed while this thread was held up are dropped frames.
        const int64_t due = int64_t(std::floor(rec * fps / 1e6 + 1e-6));
        if (due > n) {
            m_dropped += due - n;
            n = due;
        }
        AVFrame *frame = nullptr;
        if (!m_free.take(frame)) {
            ++m_dropped; // the encoder is behind
            ++n;
            continue;
        }
        if (!av_frame_is_writable(frame))
            av_frame_make_writable(frame);
        VideoPicture picture;
        bool ok;
        if (!m_source->grab(picture, now) || !picture.data || picture.width != m_config.width
            || picture.height != m_config.height) {
            ok = repeatLast(frame);
        } else if (picture.persistent) {
            if (!m_composer)
                m_composer = std::make_unique<PictureComposer>(m_config.width, m_config.height,
                                                               m_encoder.inputFormat());
            ok = m_composer->update(picture, overlays, rec) && m_composer->fill(frame);
        } else {
            for (Overlay *o : overlays)
                o->draw(picture, rec);
            convertRect(picture.data, picture.stride, frame, {0, 0, m_config.width, m_config.height});
            m_composer.reset();
            ok = true;
        }
        if (!ok) {
            m_free.put(frame);
            ++m_dropped;
            ++n;
            continue;
        }
        m_last = frame;
        frame->pts = n++;
        ++m_captured;
        m_ready.tryPush(frame); // cannot fail: the pool is no larger than the queue
    }
}

void VideoPipeline::encodeLoop()
{
    const AVRational tb = m_encoder.timeBase();
    auto sink = [&](AVPacket *packet) {
        ++m_encoded;
        return m_muxer.submit(packet, m_stream, tb);
    };
    AVFrame *frame = nullptr;
    bool ok = true;
    while (m_ready.pop(frame)) {
        if (ok && m_encoder.encode(frame, sink) < 0) {
            logLine("video encoder failed");
            ok = false;
            m_muxer.fail();
        }
        m_free.put(frame);
    }
    if (ok)
        m_encoder.encode(nullptr, sink);
}

} // namespace mirelo
