// The program's callback and data folder, shared by every module.
#include "core/events.h"

#include <mutex>

namespace mirelo {
namespace {
std::mutex g_mutex; // guards the three values below
EngineEventCallback g_callback = nullptr;
void *g_context = nullptr;
std::string g_dataFolder;
} // namespace

void setEventTarget(EngineEventCallback callback, void *context, const std::string &folder)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_callback = callback;
    g_context = context;
    g_dataFolder = folder;
}

void emitEvent(int event, int data)
{
    // Called without holding the lock so a callback may call back into
    // the engine's query operations.
    EngineEventCallback callback;
    void *context;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        callback = g_callback;
        context = g_context;
    }
    if (callback)
        callback(event, &data, context);
}

std::string dataFolder()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_dataFolder;
}

} // namespace mirelo
