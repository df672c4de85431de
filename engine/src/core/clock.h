#pragma once
// The one clock every stream of a recording is stamped from.
#include <cstdint>
#include <mutex>
#include <vector>

namespace mirelo {

// CLOCK_MONOTONIC in microseconds: the time base of every capture timestamp
// handed to a recording (video frames, audio samples).
int64_t monotonicMicros();

// Recording time: monotonic time since the start with every paused span
// taken out, so a pause leaves no gap in the file. Thread-safe.
class RecordingClock
{
public:
    // Starts at 0 now (or at `startUs`, a monotonicMicros() value).
    void start(int64_t startUs = monotonicMicros());
    void pause();
    void resume();
    // Stops the time for good (a failed recording): it no longer grows.
    void freeze();
    bool isPaused() const;

    // The recording time now, in microseconds (0 before start).
    int64_t elapsed() const;
    // The recording time of a capture instant, or -1 when that instant lies
    // in a paused span (its data is left out of the file).
    int64_t toRecordingTime(int64_t monotonicUs) const;
    // The monotonic instant at which the running recording reaches
    // `recordingUs` (meaningful while not paused).
    int64_t monotonicFor(int64_t recordingUs) const;

private:
    struct Span { int64_t begin, end; };
    mutable std::mutex m_mutex;
    int64_t m_start = 0;
    int64_t m_pausedTotal = 0;  // sum of the finished paused spans
    int64_t m_pauseBegin = -1;  // monotonic start of the current pause, or -1
    bool m_frozen = false;
    std::vector<Span> m_spans;  // finished paused spans, in order
};

} // namespace mirelo
