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
    if (frames <= 0)
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
    if (samples)
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
        // A gap (a device that started late or stalled, a process that
        // stood still): silence keeps the sound in step with the picture.
        queueSilence(at - m_placed);
        m_placed = at;
    } else if (at + tolerance < m_placed) {
        skip = int(std::min<int64_t>(frames, m_placed - at)); // already covered
    }
    if (samples)
        queueSamples(samples + size_t(skip) * ch, frames - skip);
    else
        queueSilence(frames - skip);
    m_placed += frames - skip;
    limitSound(rate * kMaxBufferedSeconds);
    m_cv.notify_one();
}

void AudioPipeline::queueSilence(int64_t frames)
{
    if (frames <= 0)
        return;
    if (m_pieces.empty() || !m_pieces.back().samples.empty())
        m_pieces.emplace_back();
    m_pieces.back().silence += frames;
    m_queued += frames;
}

void AudioPipeline::queueSamples(const float *samples, int frames)
{
    if (frames <= 0)
        return;
    const int ch = m_format.channels;
    // Pieces of about a second, so what is encoded is soon given back.
    if (m_pieces.empty() || m_pieces.back().samples.size() >= size_t(m_format.sampleRate) * ch)
        m_pieces.emplace_back();
    std::vector<float> &to = m_pieces.back().samples;
    to.insert(to.end(), samples, samples + size_t(frames) * ch);
    m_queued += frames;
    m_queuedSound += frames;
}

void AudioPipeline::limitSound(int64_t frames)
{
    const int ch = m_format.channels;
    for (Piece &p : m_pieces) {
        if (m_queuedSound <= frames)
            break;
        // The oldest sound goes; silence of its length keeps what follows
        // at its time. A piece's own silence comes before its samples, so
        // its first samples left become part of it.
        const int64_t left = int64_t(p.samples.size() - p.taken) / ch;
        const int64_t n = std::min(left, m_queuedSound - frames);
        p.silence += n;
        p.taken += size_t(n) * ch;
        m_queuedSound -= n;
        m_droppedFrames += n;
        if (p.taken == p.samples.size()) { // all silence now: its memory goes back
            std::vector<float>().swap(p.samples);
            p.taken = 0;
        }
    }
}

int AudioPipeline::take(float *out, int frames)
{
    const int ch = m_format.channels;
    int got = 0;
    while (got < frames && !m_pieces.empty()) {
        Piece &p = m_pieces.front();
        if (p.silence > 0) {
            const int n = int(std::min<int64_t>(p.silence, frames - got));
            std::fill(out + size_t(got) * ch, out + size_t(got + n) * ch, 0.0f);
            p.silence -= n;
            got += n;
            continue;
        }
        const int left = int((p.samples.size() - p.taken) / ch);
        if (left == 0) {
            m_pieces.pop_front();
            continue;
        }
        const int n = std::min(left, frames - got);
        std::copy(p.samples.begin() + long(p.taken), p.samples.begin() + long(p.taken + size_t(n) * ch),
                  out + size_t(got) * ch);
        p.taken += size_t(n) * ch;
        m_queuedSound -= n;
        got += n;
    }
    m_queued -= got;
    return got;
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
    const int chunk = m_frame->nb_samples;
    std::vector<float> work(size_t(chunk) * ch);
    bool ok = true;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_cv.wait(lock, [&] { return m_stop || m_queued >= chunk; });
        while (m_queued >= chunk) {
            take(work.data(), chunk);
            lock.unlock();
            if (ok && !encodeFrame(work.data(), chunk)) {
                ok = false;
                m_muxer.fail(); // no-op when the disk failed first
            }
            lock.lock();
        }
        if (m_stop)
            break;
    }
    const int rest = take(work.data(), chunk);
    m_pieces.clear();
    lock.unlock();
    if (ok && rest > 0)
        ok = encodeFrame(work.data(), rest);
    if (ok)
        drainEncoder(true);
}

} // namespace mirelo
