#pragma once
// Delivers the audio module's events to the program from a thread of its
// own, so the program's callback never runs inside the sound server's loop
// (where a call back into the engine would wait for that very loop).
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace mirelo {
namespace audio {

class EventDispatch
{
public:
    EventDispatch();
    ~EventDispatch();
    EventDispatch(const EventDispatch &) = delete;
    EventDispatch &operator=(const EventDispatch &) = delete;

    // Queues an event; order is kept.
    void post(int event, int data);
    // Queues a level event; a level not yet delivered is replaced by the
    // newer one, so a slow callback never builds a backlog of stale levels.
    void postLevel(int event, int level);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::pair<int, int>> m_queue;
    int m_levels[2] = {-1, -1}; // pending level of events 0 and 1, -1 none
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace audio
} // namespace mirelo
