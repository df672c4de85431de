#include "privacyprompts.h"

#include "controllerapi.h"

// The one-shot permissions live in the controller, which the engine's
// threads also read and clear.
namespace privacyprompts {

bool camera() { return ControllerApi::instance()->canShowCameraPrivacy(); }
void setCamera(bool allowed) { ControllerApi::instance()->setCanShowCameraPrivacy(allowed); }
bool microphone() { return ControllerApi::instance()->canShowMicrophonePrivacy(); }
void setMicrophone(bool allowed) { ControllerApi::instance()->setCanShowMicrophonePrivacy(allowed); }

} // namespace privacyprompts
