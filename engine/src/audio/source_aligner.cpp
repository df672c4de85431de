#include "audio/source_aligner.h"

#include <algorithm>
#include <cmath>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace mirelo {
namespace audio {

namespace {
// An offset this large (smoothed), or a single chunk this far off, is a
// jump: corrected at once. Below it, drift is resampled away.
constexpr double kJumpSeconds = 0.06;
constexpr double kGapSeconds = 0.25;
// The offset is smoothed over about a second (chunk timestamps jitter by a
// few milliseconds), then corrected over about four seconds, at most by
// 0.5 % of the rate: inaudible for a drift of a few hundred ppm.
constexpr double kSmoothingSeconds = 1.0;
constexpr double kCorrectionSeconds = 4.0;
constexpr double kMaxCorrection = 0.005;
// The first timestamps of a stream are the least reliable (the server's
// timing has not been measured yet): once this much sound has come in, the
// smoothed offset is taken out in one step, before it would need seconds
// of resampling.
constexpr double kSettleSeconds = 1.0;
constexpr double kSettleTolerance = 0.003;
} // namespace

SourceAligner::SourceAligner(int rate, int64_t originUs) : m_rate(rate > 0 ? rate : 48000), m_origin(originUs)
{
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&m_swr, &stereo, AV_SAMPLE_FMT_FLT, m_rate, &stereo, AV_SAMPLE_FMT_FLT, m_rate, 0,
                            nullptr) < 0) {
        m_swr = nullptr;
        return;
    }
    // Resampling on even at equal rates, so the rate can be nudged.
    av_opt_set_int(m_swr, "flags", SWR_FLAG_RESAMPLE, 0);
    if (swr_init(m_swr) < 0)
        swr_free(&m_swr);
}

SourceAligner::~SourceAligner()
{
    swr_free(&m_swr);
}

void SourceAligner::appendSilence(int64_t frames)
{
    if (frames <= 0)
        return;
    // What is not held mixes as silence: with nothing held, the next frame
    // just starts later, so a gap of minutes takes no memory.
    if (m_fifo.empty())
        m_base += frames;
    else
        m_fifo.insert(m_fifo.end(), size_t(frames) * 2, 0.0f);
}

void SourceAligner::feed(const float *samples, int frames)
{
    if (frames <= 0)
        return;
    std::vector<float> silence;
    if (!samples) {
        silence.assign(size_t(frames) * 2, 0.0f);
        samples = silence.data();
    }
    if (!m_swr) {
        m_fifo.insert(m_fifo.end(), samples, samples + size_t(frames) * 2);
        return;
    }
    const int room = frames + frames / 50 + 256;
    std::vector<float> out(size_t(room) * 2);
    auto *outPtr = reinterpret_cast<uint8_t *>(out.data());
    auto *inPtr = reinterpret_cast<const uint8_t *>(samples);
    const int got = swr_convert(m_swr, &outPtr, room, &inPtr, frames);
    if (got > 0)
        m_fifo.insert(m_fifo.end(), out.begin(), out.begin() + size_t(got) * 2);
}

void SourceAligner::push(const float *samples, int frames, int64_t captureUs)
{
    if (frames <= 0)
        return;
    const double expected = double(captureUs - m_origin) * m_rate / 1e6;
    const double pending = m_swr ? double(swr_get_delay(m_swr, m_rate)) : 0.0;
    // > 0: ahead of the clock (frames still to be dropped count as gone)
    const double offset = double(cursor()) + pending - double(m_toDrop) - expected;

    const auto jumpTo = [&](double off) {
        m_toDrop = 0;
        if (off < 0)
            appendSilence(int64_t(std::llround(-off)));
        else
            m_toDrop = int64_t(std::llround(off)); // from this chunk on
        m_filtered = 0.0;
        m_carry = 0.0;
        m_ppm = 0.0;
        if (m_swr)
            swr_set_compensation(m_swr, 0, 0);
    };

    if (!m_started) {
        m_started = true;
        jumpTo(offset);
    } else if (!m_settled && std::fabs(offset) > kGapSeconds * m_rate) {
        // The very first stamps can be far off (a buffer the server had
        // filled before the stream ran): start again from here.
        jumpTo(offset);
        m_framesIn = 0;
    } else if (!m_settled) {
        const double a = std::min(1.0, double(frames) / (0.25 * m_rate));
        m_filtered += a * (offset - m_filtered);
        m_framesIn += frames;
        if (m_framesIn >= kSettleSeconds * m_rate) {
            m_settled = true;
            if (std::fabs(m_filtered) > kSettleTolerance * m_rate)
                jumpTo(m_filtered);
        }
    } else if (std::fabs(offset) > kGapSeconds * m_rate) {
        ++m_hardCorrections;
        jumpTo(offset);
    } else {
        const double a = std::min(1.0, double(frames) / (kSmoothingSeconds * m_rate));
        m_filtered += a * (offset - m_filtered);
        if (std::fabs(m_filtered) > kJumpSeconds * m_rate) {
            ++m_hardCorrections;
            jumpTo(m_filtered);
        } else if (m_swr) {
            // Frames to add over this chunk: negative when ahead.
            double rate = -m_filtered / (kCorrectionSeconds * m_rate);
            rate = std::max(-kMaxCorrection, std::min(kMaxCorrection, rate));
            m_ppm = rate * 1e6;
            // Whole frames only, and never more than a hundredth of the
            // chunk (a correction as large as the chunk would stop the
            // resampler); the rest is carried to the next chunk.
            const double delta = rate * frames + m_carry;
            const int limit = frames / 100;
            const int whole = std::max(-limit, std::min(limit, int(delta))); // toward zero
            m_carry = std::max(-1000.0, std::min(1000.0, delta - whole));
            swr_set_compensation(m_swr, whole, whole ? frames : 0);
        }
    }
    const int skip = int(std::min<int64_t>(frames, m_toDrop));
    m_toDrop -= skip;
    if (skip >= frames)
        return;
    feed(samples ? samples + size_t(skip) * 2 : nullptr, frames - skip);
}

void SourceAligner::restart()
{
    m_started = false;
    m_settled = false;
    m_framesIn = 0;
}

void SourceAligner::padTo(int64_t position)
{
    const int64_t now = cursor();
    if (position > now)
        appendSilence(position - now);
}

void SourceAligner::mixInto(float *out, int64_t from, int frames, float gain) const
{
    const int64_t begin = std::max(from, m_base);
    const int64_t end = std::min(from + frames, cursor());
    if (begin >= end)
        return;
    auto it = m_fifo.begin() + long((begin - m_base) * 2);
    float *o = out + (begin - from) * 2;
    for (int64_t i = (end - begin) * 2; i > 0; --i)
        *o++ += gain * *it++;
}

void SourceAligner::discardBefore(int64_t position)
{
    if (position >= cursor()) {
        // All of it is mixed; the next frame comes at `position` or later.
        m_fifo.clear();
        m_base = position;
        return;
    }
    const int64_t n = position - m_base;
    if (n <= 0)
        return;
    m_fifo.erase(m_fifo.begin(), m_fifo.begin() + long(n * 2));
    m_base += n;
}

} // namespace audio
} // namespace mirelo
