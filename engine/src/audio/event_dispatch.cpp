#include "audio/event_dispatch.h"

#include "core/events.h"
#include "core/thread_name.h"

namespace mirelo {
namespace audio {

EventDispatch::EventDispatch()
    : m_thread([this] {
          nameThread("mirelo-events");
          run();
      })
{
}

EventDispatch::~EventDispatch()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void EventDispatch::post(int event, int data)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.emplace_back(event, data);
    }
    m_wake.notify_one();
}

void EventDispatch::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        std::deque<std::pair<int, int>> batch;
        batch.swap(m_queue);
        lock.unlock();
        for (const auto &ev : batch)
            emitEvent(ev.first, ev.second);
        lock.lock();
    }
}

} // namespace audio
} // namespace mirelo
