// The engine's one exported symbol: operation number -> entry point.
#include <mirelo/engine_api.h>

namespace {

int initialize(const char *, EngineEventCallback, void *) { return MIRELO_OK; }
int shutdown() { return MIRELO_OK; }

} // namespace

extern "C" __attribute__((visibility("default"))) void *mireloEngineEntry(int ordinal)
{
    switch (ordinal) {
    case MIRELO_OP_INITIALIZE: return reinterpret_cast<void *>(&initialize);
    case MIRELO_OP_SHUTDOWN: return reinterpret_cast<void *>(&shutdown);
    default: return nullptr;
    }
}
