#include "privacyprompts.h"

#include <atomic>

// TODO(integration): the controller holds these flags
// (Controller::canShowCameraPrivacy and friends); forward to it once both
// branches meet, and drop the two copies here.
namespace privacyprompts {

namespace {
std::atomic<bool> g_camera{true};
std::atomic<bool> g_microphone{true};
} // namespace

bool camera() { return g_camera; }
void setCamera(bool allowed) { g_camera = allowed; }
bool microphone() { return g_microphone; }
void setMicrophone(bool allowed) { g_microphone = allowed; }

} // namespace privacyprompts
