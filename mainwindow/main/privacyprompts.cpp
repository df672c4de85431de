#include "privacyprompts.h"

#include "privacyrequests.h"

// The one-shot permissions live in the controller, which the engine's
// threads also read and clear.
namespace privacyprompts {

bool camera() { return PrivacyRequests::instance()->canShowCameraPrivacy(); }
void setCamera(bool allowed) { PrivacyRequests::instance()->setCanShowCameraPrivacy(allowed); }
bool microphone() { return PrivacyRequests::instance()->canShowMicrophonePrivacy(); }
void setMicrophone(bool allowed) { PrivacyRequests::instance()->setCanShowMicrophonePrivacy(allowed); }

} // namespace privacyprompts
