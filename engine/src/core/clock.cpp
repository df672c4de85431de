#include "core/clock.h"

#include <chrono>
#include <time.h>

namespace mirelo {

int64_t monotonicMicros()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

namespace {
class MonotonicTime : public TimeSource
{
public:
    int64_t now() const override { return monotonicMicros(); }
    void waitUntil(std::condition_variable &wake, std::unique_lock<std::mutex> &lock,
                   int64_t untilUs) const override
    {
        // steady_clock is CLOCK_MONOTONIC here, the same clock as now().
        wake.wait_until(lock, std::chrono::steady_clock::time_point(std::chrono::microseconds(untilUs)));
    }
};
} // namespace

const TimeSource &monotonicTime()
{
    static const MonotonicTime time;
    return time;
}

void RecordingClock::start()
{
    start(m_time->now());
}

void RecordingClock::start(int64_t startUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_start = startUs;
    m_pausedTotal = 0;
    m_pauseBegin = -1;
    m_frozen = false;
    m_spans.clear();
}

void RecordingClock::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pauseBegin < 0 && !m_frozen)
        m_pauseBegin = m_time->now();
}

void RecordingClock::resume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pauseBegin < 0 || m_frozen)
        return;
    const int64_t now = m_time->now();
    m_spans.push_back({m_pauseBegin, now});
    m_pausedTotal += now - m_pauseBegin;
    m_pauseBegin = -1;
}

void RecordingClock::freeze()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pauseBegin < 0)
        m_pauseBegin = m_time->now();
    m_frozen = true;
}

bool RecordingClock::isPaused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pauseBegin >= 0;
}

int64_t RecordingClock::elapsed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int64_t now = m_pauseBegin >= 0 ? m_pauseBegin : m_time->now();
    const int64_t t = now - m_start - m_pausedTotal;
    return t > 0 ? t : 0;
}

int64_t RecordingClock::toRecordingTime(int64_t monotonicUs) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pauseBegin >= 0 && monotonicUs >= m_pauseBegin)
        return -1;
    int64_t paused = 0;
    for (const Span &s : m_spans) {
        if (monotonicUs >= s.end)
            paused += s.end - s.begin;
        else if (monotonicUs >= s.begin)
            return -1;
        else
            break;
    }
    const int64_t t = monotonicUs - m_start - paused;
    return t > 0 ? t : 0;
}

int64_t RecordingClock::monotonicFor(int64_t recordingUs) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_start + m_pausedTotal + recordingUs;
}

} // namespace mirelo
