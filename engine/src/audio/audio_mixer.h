#pragma once
// Mixes the recording's sources on their common timeline and hands the
// result on in short blocks, each stamped with the monotonic instant of
// its first frame; a stretch where no source holds any sound is handed on
// as silence (null samples), however long. The mix advances as far as every source has sound; a
// source that has delivered nothing for longer than the patience (a
// suspended or removed device) is filled with silence, so the others are
// never held up for long and the sound stays in step with the picture.
#include "audio/source_aligner.h"

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace mirelo {
namespace audio {

class AudioMixer
{
public:
    using Output = std::function<void(const float *samples, int frames, int64_t captureUs)>;

    AudioMixer(int rate, int64_t originUs, int64_t patienceUs, Output output);

    // A source whose gain (percent, 0..200) is read at every block.
    SourceAligner &addSource(const std::atomic<int> *gainPercent);
    SourceAligner &source(size_t i) { return *m_sources[i].aligner; }
    size_t sourceCount() const { return m_sources.size(); }

    // Mixes what is ready at `nowUs`; with `flush`, everything up to nowUs
    // (missing sound as silence): the end of a recording.
    void pump(int64_t nowUs, bool flush = false);
    // Frames handed on so far.
    int64_t mixed() const { return m_mixed; }
    // The timeline position of a monotonic instant.
    int64_t positionAt(int64_t us) const;

private:
    struct Source
    {
        std::unique_ptr<SourceAligner> aligner;
        const std::atomic<int> *gain;
    };
    const int m_rate;
    const int64_t m_origin;
    const int64_t m_patience;
    Output m_output;
    std::vector<Source> m_sources;
    std::vector<float> m_block;
    int64_t m_mixed = 0;
};

} // namespace audio
} // namespace mirelo
