#pragma once
// Puts one device's sound on the recording's timeline. Every chunk comes
// with the monotonic instant its first frame was captured; the aligner
// keeps the device's samples where that clock says they belong:
// - a device clock that runs a little fast or slow (drift) is corrected by
//   resampling with a small, smoothed rate change, never left to grow;
// - a jump (a device that stopped delivering and came back, or data from
//   before the start) is corrected at once with silence or by dropping.
// Interleaved float stereo at one rate in and out. Not thread-safe.
#include <cstdint>
#include <deque>

struct SwrContext;

namespace mirelo {
namespace audio {

class SourceAligner
{
public:
    SourceAligner(int rate, int64_t originUs);
    ~SourceAligner();
    SourceAligner(const SourceAligner &) = delete;
    SourceAligner &operator=(const SourceAligner &) = delete;

    // `frames` stereo frames (null: silence) captured from `captureUs` on.
    void push(const float *samples, int frames, int64_t captureUs);
    // Timeline position (frames since the origin) of the next frame.
    int64_t cursor() const { return m_base + int64_t(m_fifo.size() / 2); }
    bool started() const { return m_started; }
    // The device's stream starts again: the next chunk is placed by its own
    // stamp, with silence before it, and its first stamps are taken as
    // unreliable, as at the start. What the aligner holds stays.
    void restart();
    // A device that delivers nothing: silence up to `position`.
    void padTo(int64_t position);
    // Adds gain x the frames [from, from + frames) to `out`; parts not
    // held add nothing.
    void mixInto(float *out, int64_t from, int frames, float gain) const;
    // Forgets the frames before `position`.
    void discardBefore(int64_t position);

    // Diagnostics: the rate change now applied (parts per million), the
    // smoothed offset from the clock (frames) and the jumps corrected.
    double correctionPpm() const { return m_ppm; }
    double offsetFrames() const { return m_filtered; }
    int hardCorrections() const { return m_hardCorrections; }

private:
    void feed(const float *samples, int frames);
    void appendSilence(int64_t frames);

    const int m_rate;
    const int64_t m_origin;
    SwrContext *m_swr = nullptr;
    std::deque<float> m_fifo; // interleaved stereo from position m_base
    int64_t m_base = 0;
    bool m_started = false;
    bool m_settled = false;  // the first second's offset has been taken out
    int64_t m_framesIn = 0;  // frames received before settling
    int64_t m_toDrop = 0;    // frames still to drop from the coming chunks
    double m_filtered = 0.0; // smoothed (cursor - clock position), frames
    double m_carry = 0.0;    // fraction of a frame of correction not yet applied
    double m_ppm = 0.0;
    int m_hardCorrections = 0;
};

} // namespace audio
} // namespace mirelo
