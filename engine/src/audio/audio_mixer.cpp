#include "audio/audio_mixer.h"

#include <algorithm>

namespace mirelo {
namespace audio {

AudioMixer::AudioMixer(int rate, int64_t originUs, int64_t patienceUs, Output output)
    : m_rate(rate > 0 ? rate : 48000), m_origin(originUs), m_patience(patienceUs), m_output(std::move(output))
{
    // Blocks of 10 ms: a pause or the end cuts the sound at most that far
    // from the picture's cut.
    m_block.resize(size_t(m_rate / 100) * 2);
}

SourceAligner &AudioMixer::addSource(const std::atomic<int> *gainPercent)
{
    m_sources.push_back({std::make_unique<SourceAligner>(m_rate, m_origin), gainPercent});
    return *m_sources.back().aligner;
}

int64_t AudioMixer::positionAt(int64_t us) const
{
    return (us - m_origin) * m_rate / 1000000;
}

void AudioMixer::pump(int64_t nowUs, bool flush)
{
    const int64_t now = positionAt(nowUs);
    const int64_t overdue = flush ? now : positionAt(nowUs - m_patience);
    // As far as every source has sound, a source overdue counting as
    // silence up to `overdue`.
    int64_t target = flush ? now : INT64_MAX;
    int64_t held = m_mixed; // past this no source holds anything
    for (auto &s : m_sources) {
        held = std::max(held, s.aligner->cursor());
        if (!flush)
            target = std::min(target, std::max(overdue, s.aligner->cursor()));
    }
    if (m_sources.empty())
        target = overdue; // no device: a silent track of the right length
    // A monitor can hand sound over well before it is played: it waits here
    // until its time has come, so the end is cut where the picture ends.
    target = std::min(target, now);
    const int blockFrames = int(m_block.size() / 2);
    const int64_t mixUntil = std::min(target, held);
    while (m_mixed < mixUntil) {
        const int n = int(std::min<int64_t>(blockFrames, mixUntil - m_mixed));
        std::fill(m_block.begin(), m_block.begin() + n * 2, 0.0f);
        for (auto &s : m_sources) {
            const float gain = s.gain ? float(s.gain->load()) / 100.0f : 1.0f;
            s.aligner->mixInto(m_block.data(), m_mixed, n, gain);
        }
        for (int i = 0; i < n * 2; ++i)
            m_block[i] = std::max(-1.0f, std::min(1.0f, m_block[i]));
        if (m_output)
            m_output(m_block.data(), n, m_origin + m_mixed * 1000000 / m_rate);
        m_mixed += n;
        for (auto &s : m_sources)
            s.aligner->discardBefore(m_mixed);
    }
    // Past what any source holds the mix is silence (the devices were
    // silent for the patience, or the whole process stood still): handed
    // on as such, a minute at most at a time, not mixed block by block.
    while (m_mixed < target) {
        const int n = int(std::min<int64_t>(int64_t(m_rate) * 60, target - m_mixed));
        if (m_output)
            m_output(nullptr, n, m_origin + m_mixed * 1000000 / m_rate);
        m_mixed += n;
    }
    for (auto &s : m_sources)
        s.aligner->discardBefore(m_mixed);
}

} // namespace audio
} // namespace mirelo
