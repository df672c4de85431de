#pragma once
// A fixed-capacity queue between two pipeline threads, so a slow consumer
// (a busy encoder, a slow disk) holds back or drops work instead of eating
// memory.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

namespace mirelo {

template <class T>
class BoundedQueue
{
public:
    explicit BoundedQueue(size_t capacity) : m_capacity(capacity ? capacity : 1) {}

    // Adds without waiting; false when full or closed.
    bool tryPush(T value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed || m_items.size() >= m_capacity)
            return false;
        m_items.push_back(std::move(value));
        m_notEmpty.notify_one();
        return true;
    }

    // Adds, waiting while full; false when the queue is closed.
    bool push(T value)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_notFull.wait(lock, [this] { return m_closed || m_items.size() < m_capacity; });
        if (m_closed)
            return false;
        m_items.push_back(std::move(value));
        m_notEmpty.notify_one();
        return true;
    }

    // Takes the oldest item, waiting while empty; false once the queue is
    // closed and drained.
    bool pop(T &out)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_notEmpty.wait(lock, [this] { return m_closed || !m_items.empty(); });
        return takeLocked(out);
    }

    // Takes the oldest item without waiting.
    bool tryPop(T &out)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return takeLocked(out);
    }

    // No more pushes; pops drain what is left, then fail.
    void close()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_notEmpty.notify_all();
        m_notFull.notify_all();
    }

    size_t size() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size();
    }

private:
    bool takeLocked(T &out)
    {
        if (m_items.empty())
            return false;
        out = std::move(m_items.front());
        m_items.pop_front();
        m_notFull.notify_one();
        return true;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_notEmpty, m_notFull;
    std::deque<T> m_items;
    size_t m_capacity;
    bool m_closed = false;
};

} // namespace mirelo
