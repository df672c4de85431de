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

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::pair<int, int>> m_queue;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace audio
} // namespace mirelo
