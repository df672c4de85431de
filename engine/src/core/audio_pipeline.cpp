#include "core/audio_pipeline.h"

#include "core/log.h"
#include "core/muxer.h"
#include "core/thread_name.h"

#include <mirelo/engine_api.h>

#include <algorithm>

namespace mirelo {

namespace {
constexpr int kMaxBufferedSeconds = 5;
} // namespace

AudioPipeline::AudioPipeline(RecordingClock &clock, Muxer &muxer) : m_clock(clock), m_muxer(muxer) {}

AudioPipeline::~AudioPipeline()
{
    stop();
    av_frame_free(&m_frame);
    avcodec_free_context(&m_ctx);
}

int AudioPipeline::open(const AudioFormat &format, int quality, bool mp3)
{
    m_format = format;
    if (m_format.sampleRate <= 0)
        m_format.sampleRate = 48000;
    m_format.channels = 2;
    const AVCodec *codec = avcodec_find_encoder_by_name(mp3 ? "libmp3lame" : "aac");
    if (!codec || !(m_ctx = avcodec_alloc_context3(codec)))
        return MIRELO_E_FAILED;
    m_ctx->sample_rate = m_format.sampleRate;
    m_ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&m_ctx->ch_layout, m_format.channels);
    m_ctx->bit_rate = quality <= 0 ? 192000 : quality == 1 ? 128000 : 96000;
    m_ctx->time_base = AVRational{1, m_format.sampleRate};
    if (!mp3)
        m_ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(m_ctx, codec, nullptr) < 0) {
        logLine("audio encoder did not open");
        return MIRELO_E_FAILED;
    }
    m_frame = av_frame_alloc();
    if (!m_frame)
        return MIRELO_E_FAILED;
    m_frame->format = m_ctx->sample_fmt;
    m_frame->nb_samples = m_ctx->frame_size > 0 ? m_ctx->frame_size : 1024;
    m_frame->sample_rate = m_ctx->sample_rate;
    av_channel_layout_copy(&m_frame->ch_layout, &m_ctx->ch_layout);
    if (av_frame_get_buffer(m_frame, 0) < 0)
        return MIRELO_E_FAILED;
    return MIRELO_OK;
}

void AudioPipeline::accept(int streamIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stream = streamIndex;
    m_started = true;
}

void AudioPipeline::start()
{
    m_thread = std::thread([this] {
        nameThread("mirelo-audioenc");
        encodeLoop();
    });
}

void AudioPipeline::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_cv.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
}

void AudioPipeline::writeAudio(const float *samples, int frames, int64_t captureUs)
{
    if (!samples || frames <= 0)
        return;
    const int ch = m_format.channels;
    const int64_t rate = m_format.sampleRate;
    // Only the frames captured while the recording ran: a pause that begins
    // or ends inside the block cuts it at that frame, so pauses never move
    // the sound against the picture.
    const auto paused = [&](int i) { return m_clock.toRecordingTime(captureUs + int64_t(i) * 1000000 / rate) < 0; };
    const auto firstWhere = [&](int lo, int hi, bool value) { // first i in [lo, hi) with paused(i) == value
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (paused(mid) == value)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    };
    const int begin = paused(0) ? firstWhere(1, frames, false) : 0;
    if (begin >= frames)
        return; // captured while paused
    const int end = paused(frames - 1) ? firstWhere(begin + 1, frames, true) : frames;
    samples += size_t(begin) * ch;
    frames = end - begin;
    captureUs += int64_t(begin) * 1000000 / rate;
    const int64_t rec = m_clock.toRecordingTime(captureUs);
    const int64_t tolerance = rate / 20;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stop || !m_started)
        return;
    const int64_t at = rec * rate / 1000000;
    int skip = 0;
    if (at > m_placed + tolerance) {
        // A gap (a device that started late or stalled): silence keeps the
        // sound in step with the picture.
        const int64_t gap = std::min<int64_t>(at - m_placed, rate * kMaxBufferedSeconds);
        m_buffer.insert(m_buffer.end(), size_t(gap * ch), 0.0f);
        m_placed += gap;
    } else if (at + tolerance < m_placed) {
        skip = int(std::min<int64_t>(frames, m_placed - at)); // already covered
    }
    m_buffer.insert(m_buffer.end(), samples + size_t(skip) * ch, samples + size_t(frames) * ch);
    m_placed += frames - skip;
    const size_t limit = size_t(rate * kMaxBufferedSeconds * ch);
    if (m_buffer.size() > limit) {
        const size_t excess = (m_buffer.size() - limit) / ch * ch;
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(excess));
        m_droppedFrames += int64_t(excess / ch);
        // The encode thread alone keeps the timestamps: it skips these
        // frames before it takes what follows them.
        m_droppedPending += int64_t(excess / ch);
    }
    m_cv.notify_one();
}

bool AudioPipeline::drainEncoder(bool flush)
{
    if (flush)
        avcodec_send_frame(m_ctx, nullptr);
    for (;;) {
        AVPacket *packet = av_packet_alloc();
        if (!packet)
            return false;
        const int r = avcodec_receive_packet(m_ctx, packet);
        if (r < 0) {
            av_packet_free(&packet);
            return r == AVERROR(EAGAIN) || r == AVERROR_EOF;
        }
        if (!m_muxer.submit(packet, m_stream, m_ctx->time_base))
            return false;
    }
}

bool AudioPipeline::encodeFrame(const float *interleaved, int frames)
{
    if (av_frame_make_writable(m_frame) < 0)
        return false;
    const int ch = m_format.channels;
    const int size = m_frame->nb_samples;
    for (int c = 0; c < ch; ++c) {
        auto *plane = reinterpret_cast<float *>(m_frame->data[c]);
        for (int i = 0; i < frames; ++i)
            plane[i] = interleaved[i * ch + c];
        std::fill(plane + frames, plane + size, 0.0f); // the last frame is padded
    }
    m_frame->pts = m_nextPts;
    m_nextPts += size;
    if (avcodec_send_frame(m_ctx, m_frame) < 0)
        return false;
    return drainEncoder(false);
}

void AudioPipeline::encodeLoop()
{
    const int ch = m_format.channels;
    const size_t chunk = size_t(m_frame->nb_samples) * ch;
    std::vector<float> work(chunk);
    bool ok = true;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_cv.wait(lock, [&] { return m_stop || m_buffer.size() >= chunk; });
        while (m_buffer.size() >= chunk) {
            m_nextPts += m_droppedPending;
            m_droppedPending = 0;
            std::copy(m_buffer.begin(), m_buffer.begin() + long(chunk), work.begin());
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + long(chunk));
            lock.unlock();
            if (ok && !encodeFrame(work.data(), m_frame->nb_samples)) {
                ok = false;
                m_muxer.fail(); // no-op when the disk failed first
            }
            lock.lock();
        }
        if (m_stop)
            break;
    }
    m_nextPts += m_droppedPending;
    m_droppedPending = 0;
    const size_t rest = m_buffer.size();
    std::copy(m_buffer.begin(), m_buffer.end(), work.begin());
    m_buffer.clear();
    lock.unlock();
    if (ok && rest > 0)
        ok = encodeFrame(work.data(), int(rest / ch));
    if (ok)
        drainEncoder(true);
}

} // namespace mirelo
