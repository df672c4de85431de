#pragma once
// The two one-shot permissions to show the privacy notice for the webcam and
// for the microphone; the engine's privacy events clear them.
namespace privacyprompts {

bool camera();
void setCamera(bool allowed);
bool microphone();
void setMicrophone(bool allowed);

} // namespace privacyprompts
