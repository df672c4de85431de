#include "core/video_pipeline.h"

#include "core/log.h"
#include "core/muxer.h"
#include "core/thread_name.h"

#include <mirelo/engine_api.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include <libyuv.h>

namespace mirelo {

namespace {
// Pictures between capture and encoder: enough to ride out an encoder
// hiccup of a few frames, small enough to bound memory at any size.
constexpr int kPictures = 6;
// Frames waiting for the encoder are references, nearly free: a second of
// them rides out a longer stall (the first second of an encoder, a busy
// machine), with the previous picture standing in for those whose own
// could not be taken.
constexpr int kMaxQueued = 240;
int queuedFrames(double fps)
{
    return std::clamp(int(std::lround(fps)), 2 * kPictures, kMaxQueued);
}
} // namespace

VideoPipeline::VideoPipeline(RecordingClock &clock, Muxer &muxer)
    : m_clock(clock), m_muxer(muxer), m_ready(kMaxQueued)
{
}

VideoPipeline::~VideoPipeline()
{
    stop();
    for (AVFrame *f : m_frames)
        av_frame_free(&f);
    for (Picture &p : m_pictures)
        av_frame_free(&p.frame);
}

int VideoPipeline::open(std::unique_ptr<VideoSource> source, const VideoEncoderConfig &config)
{
    m_config = config;
    if (!source)
        return MIRELO_E_NO_DEVICE;
    // The encoder opens on the encode thread, so the workers it starts
    // carry that thread's name.
    m_encode = std::thread(&VideoPipeline::encodeThread, this);
    int r;
    {
        std::unique_lock<std::mutex> lock(m_wakeMutex);
        m_wake.wait(lock, [this] { return m_encoderOpened; });
        r = m_encoderResult;
    }
    auto fail = [this](int result) {
        requestStop();
        m_encode.join();
        return result;
    };
    if (r != MIRELO_OK)
        return fail(r);
    for (int i = 0; i < kPictures; ++i) {
        AVFrame *f = av_frame_alloc();
        if (!f)
            return fail(MIRELO_E_FAILED);
        m_pictures.push_back({f, 0});
        f->format = m_encoder.inputFormat();
        f->width = config.width;
        f->height = config.height;
        if (av_frame_get_buffer(f, 64) < 0)
            return fail(MIRELO_E_FAILED);
    }
    for (int i = queuedFrames(config.frameRate); i > 0; --i) {
        AVFrame *f = av_frame_alloc();
        if (!f)
            return fail(MIRELO_E_FAILED);
        m_frames.push_back(f);
        m_free.put(f);
    }
    // The source lives on the capture thread from its open to its close.
    m_source = std::move(source);
    m_capture = std::thread(&VideoPipeline::captureThread, this);
    {
        std::unique_lock<std::mutex> lock(m_wakeMutex);
        m_wake.wait(lock, [this] { return m_opened; });
        r = m_openResult;
    }
    if (r != MIRELO_OK) {
        m_capture.join();
        m_source.reset();
        return fail(r);
    }
    return r;
}

void VideoPipeline::start(int streamIndex)
{
    std::lock_guard<std::mutex> lock(m_wakeMutex);
    m_stream = streamIndex;
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
    VideoStats s;
    s.captured = m_captured.load();
    s.unchanged = m_unchanged.load();
    s.repeated = m_repeated.load();
    s.dropped = m_dropped.load();
    s.encoded = m_encoded.load();
    return s;
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

// After an open: waits for start(); false when the pipeline stops first.
bool VideoPipeline::waitForGo()
{
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_wake.wait(lock, [this] { return m_go || m_stop; });
    return m_go;
}

void VideoPipeline::captureThread()
{
    nameThread("mirelo-capture");
    const int r = m_source->open(m_config.width, m_config.height);
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_openResult = r;
        m_opened = true;
        m_wake.notify_all();
    }
    if (r != MIRELO_OK)
        return;
    if (waitForGo())
        captureLoop();
    m_source->close();
}

// A free picture, the most recently written first: it is the least out of
// date, so bringing it up to date copies the least. Null when every picture
// is still referred to by a frame the encoder has not finished with.
VideoPipeline::Picture *VideoPipeline::freePicture()
{
    Picture *best = nullptr;
    for (Picture &p : m_pictures)
        if (av_frame_is_writable(p.frame) && (!best || p.filled > best->filled))
            best = &p;
    return best;
}

// Queues a frame showing `picture` at `pts`; false when a second of frames
// is already waiting.
bool VideoPipeline::hand(Picture &picture, int64_t pts)
{
    AVFrame *frame = nullptr;
    if (!m_free.take(frame)) {
        // The encoder cannot keep up even with shared pictures, which cost
        // it little but not nothing: until it has caught up, ticks without
        // a picture of their own are dropped, so that it spends itself on
        // new pictures rather than on repeats.
        m_catchingUp = true;
        return false;
    }
    if (av_frame_ref(frame, picture.frame) < 0) {
        m_free.put(frame);
        return false;
    }
    frame->pts = pts;
    ++m_captured;
    m_ready.tryPush(frame); // cannot fail: there are no more frames than room
    return true;
}

// A tick without a picture of its own shows the previous one again, shared,
// so the file keeps every frame at its rate. Dropped before any picture, and
// while the encoder catches up after a full queue.
void VideoPipeline::handPrevious(int64_t pts, std::atomic<int64_t> &reason)
{
    if (m_last && !m_catchingUp && hand(*m_last, pts))
        ++reason;
    else
        ++m_dropped;
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
        if (m_catchingUp && m_ready.size() <= 1)
            m_catchingUp = false;
        // Ticks that passed while this thread was held up.
        const int64_t due = int64_t(std::floor(rec * fps / 1e6 + 1e-6));
        while (n < due)
            handPrevious(n++, m_repeated);
        Picture *target = freePicture();
        if (!target) {
            handPrevious(n++, m_repeated); // the encoder is behind
            continue;
        }
        VideoPicture picture;
        if (!m_source->grab(picture, now) || !picture.data || picture.width != m_config.width
            || picture.height != m_config.height) {
            handPrevious(n++, m_unchanged);
            continue;
        }
        bool ok = true;
        if (picture.persistent) {
            if (!m_composer)
                m_composer = std::make_unique<PictureComposer>(m_config.width, m_config.height,
                                                               m_encoder.inputFormat());
            switch (m_composer->update(picture, overlays, rec)) {
            case PictureComposer::Update::Unchanged:
                if (m_last) {
                    handPrevious(n++, m_unchanged);
                    continue;
                }
                ok = m_composer->fill(target->frame);
                break;
            case PictureComposer::Update::Changed:
                ok = m_composer->fill(target->frame);
                break;
            case PictureComposer::Update::Failed:
                ok = false;
                break;
            }
        } else {
            for (Overlay *o : overlays)
                o->draw(picture, rec);
            convertRect(picture.data, picture.stride, target->frame, {0, 0, m_config.width, m_config.height});
            m_composer.reset();
        }
        if (!ok) {
            m_last = nullptr; // none holds the current picture for sure
            ++m_dropped;
            ++n;
            continue;
        }
        target->filled = ++m_fills;
        m_last = target; // the newest picture, even if this tick finds no room
        if (!hand(*target, n++))
            ++m_dropped;
    }
    // Stopped while this thread was held up (a grab the X server answered
    // late on a loaded machine): the ticks up to the stop show the last
    // picture, as ticks that passed while held up do during the recording,
    // so the file is as long as the recording's clock says. Not after a
    // failed write: nothing more reaches that file.
    const int64_t due = int64_t(std::floor(m_clock.elapsed() * fps / 1e6 + 1e-6));
    while (n < due && m_last && !m_muxer.failed()) {
        // The encoder runs until this thread ends and hands frames back.
        m_free.waitForOne();
        m_catchingUp = false;
        if (hand(*m_last, n++))
            ++m_repeated;
        else
            ++m_dropped;
    }
}

void VideoPipeline::encodeThread()
{
    nameThread("mirelo-encode");
    const int r = m_encoder.open(m_config);
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_encoderResult = r;
        m_encoderOpened = true;
        m_wake.notify_all();
    }
    if (r == MIRELO_OK && waitForGo())
        encodeLoop();
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
        // Once the encoder let go of the picture too, the capture thread
        // may write it again.
        av_frame_unref(frame);
        m_free.put(frame);
    }
    if (ok)
        m_encoder.encode(nullptr, sink);
}

} // namespace mirelo
