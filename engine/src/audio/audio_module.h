#pragma once
// What the audio module's parts share: the running engine state.
#include <memory>

namespace mirelo {
namespace audio {

struct AudioEngine;

// The running audio engine, or null before initialise and after shut-down.
std::shared_ptr<AudioEngine> runningEngine();

} // namespace audio
} // namespace mirelo
