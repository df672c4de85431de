#pragma once
// The engine library as the program uses it, for the engine's own tests:
// loaded from the program folder, operations found by number, events
// collected from whatever thread raises them.
#include <QLibrary>
#include <QThread>

#include <mirelo/engine_api.h>

#include <mutex>
#include <vector>

#include "testsupport.h"

class EngineLoader
{
public:
    struct Event {
        int event;
        int data;
        bool onCallerThread; // raised on the thread that had called the engine
    };

    // The program folder's engine, or the one MIRELO_ENGINE names.
    EngineLoader() : m_lib(testsupport::engineLibrary()) {}
    ~EngineLoader() { shutdown(); }

    bool load()
    {
        if (!m_lib.load())
            return false;
        m_entry = reinterpret_cast<MireloEngineEntryFn>(m_lib.resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
        return m_entry != nullptr;
    }

    bool initialize(const QByteArray &dataFolder = QByteArray())
    {
        auto init = op<MireloInitializeFn>(MIRELO_OP_INITIALIZE);
        m_caller = QThread::currentThread();
        return init && init(dataFolder.constData(), &EngineLoader::callback, this) == MIRELO_OK;
    }

    void shutdown()
    {
        if (!m_entry)
            return;
        if (auto down = op<MireloShutdownFn>(MIRELO_OP_SHUTDOWN))
            down();
        m_entry = nullptr;
    }

    template <typename Fn> Fn op(int ordinal) const
    {
        return m_entry ? reinterpret_cast<Fn>(m_entry(ordinal)) : nullptr;
    }

    std::vector<Event> events() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }

    void clearEvents()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.clear();
    }

    int countOf(int event) const
    {
        int n = 0;
        for (const Event &e : events())
            n += e.event == event;
        return n;
    }

private:
    static int callback(int event, int *data, void *context)
    {
        auto *self = static_cast<EngineLoader *>(context);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_events.push_back({event, data ? *data : 0, QThread::currentThread() == self->m_caller});
        return 0;
    }

    QLibrary m_lib;
    MireloEngineEntryFn m_entry = nullptr;
    QThread *m_caller = nullptr;
    mutable std::mutex m_mutex;
    std::vector<Event> m_events;
};
