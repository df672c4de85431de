#pragma once
// The one clock every stream of a recording is stamped from.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace mirelo {

// CLOCK_MONOTONIC in microseconds: the time base of every capture timestamp
// handed to a recording (video frames, audio samples).
int64_t monotonicMicros();

// Where a recording reads the time and waits for it: the monotonic clock,
// or a test's clock that moves only when told.
class TimeSource
{
public:
    virtual ~TimeSource() = default;
    virtual int64_t now() const = 0;
    // Waits on `wake` (with `lock` held) until now() reaches `untilUs` or
    // the condition is notified; may return early.
    virtual void waitUntil(std::condition_variable &wake, std::unique_lock<std::mutex> &lock,
                           int64_t untilUs) const = 0;
};
const TimeSource &monotonicTime();

// Recording time: monotonic time since the start with every paused span
// taken out, so a pause leaves no gap in the file. Thread-safe.
class RecordingClock
{
public:
    // Before start(): the time source (the monotonic clock by default).
    void setTimeSource(const TimeSource &time) { m_time = &time; }
    const TimeSource &time() const { return *m_time; }

    // Starts at 0 now.
    void start();
    // Starts at 0 at `startUs`, a value of the time source.
    void start(int64_t startUs);
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
    const TimeSource *m_time = &monotonicTime();
    mutable std::mutex m_mutex;
    int64_t m_start = 0;
    int64_t m_pausedTotal = 0;  // sum of the finished paused spans
    int64_t m_pauseBegin = -1;  // monotonic start of the current pause, or -1
    bool m_frozen = false;
    std::vector<Span> m_spans;  // finished paused spans, in order
};

} // namespace mirelo
