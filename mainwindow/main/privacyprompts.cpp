#include "privacyprompts.h"

#include "controller.h"

// The one-shot permissions live in the controller, which the engine's
// threads also read and clear.
namespace privacyprompts {

bool camera() { return Controller::instance()->canShowCameraPrivacy(); }
void setCamera(bool allowed) { Controller::instance()->setCanShowCameraPrivacy(allowed); }
bool microphone() { return Controller::instance()->canShowMicrophonePrivacy(); }
void setMicrophone(bool allowed) { Controller::instance()->setCanShowMicrophonePrivacy(allowed); }

} // namespace privacyprompts
