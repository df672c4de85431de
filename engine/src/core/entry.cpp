// The engine's one exported symbol and its life cycle: initialise and shut down.
#include "core/events.h"
#include "core/module.h"

#include <cstdlib>

extern "C" {
#include <libavutil/log.h>
}

namespace mirelo {
namespace {

bool g_initialized = false; // only touched by initialise and shut down

int shutdown();

int initialize(const char *folder, EngineEventCallback callback, void *context)
{
    // A second initialise starts afresh: a running recording is ended
    // cleanly first, so nothing still uses the modules it replaces.
    if (g_initialized)
        shutdown();
    g_initialized = true;
    setEventTarget(callback, context, folder ? folder : "");
    // FFmpeg's own chatter goes to standard error unless diagnostics are on.
    if (!getenv("MIRELO_ENGINE_LOG"))
        av_log_set_level(AV_LOG_QUIET);
    audioModuleStart();
    cameraModuleStart();
    return MIRELO_OK;
}

int shutdown()
{
    videoModuleStop();
    cameraModuleStop();
    audioModuleStop();
    g_initialized = false;
    setEventTarget(nullptr, nullptr, dataFolder());
    return MIRELO_OK;
}

// Refreshing is one operation for every device type: webcams belong to the
// camera module, sound devices to the audio module. Each module answers the
// operation number with its own refresh for its types.
int refreshDevices(int type)
{
    void *p = type == MIRELO_DEVICE_WEBCAM ? cameraModuleEntry(MIRELO_OP_REFRESH_DEVICES)
                                           : audioModuleEntry(MIRELO_OP_REFRESH_DEVICES);
    if (!p)
        return MIRELO_E_UNSUPPORTED;
    return reinterpret_cast<MireloRefreshDevicesFn>(p)(type);
}

} // namespace

} // namespace mirelo

extern "C" __attribute__((visibility("default"))) void *mireloEngineEntry(int ordinal)
{
    switch (ordinal) {
    case MIRELO_OP_INITIALIZE: return reinterpret_cast<void *>(&mirelo::initialize);
    case MIRELO_OP_SHUTDOWN: return reinterpret_cast<void *>(&mirelo::shutdown);
    case MIRELO_OP_REFRESH_DEVICES: return reinterpret_cast<void *>(&mirelo::refreshDevices);
    default: break;
    }
    if (void *p = mirelo::videoModuleEntry(ordinal))
        return p;
    if (void *p = mirelo::audioModuleEntry(ordinal))
        return p;
    return mirelo::cameraModuleEntry(ordinal);
}
