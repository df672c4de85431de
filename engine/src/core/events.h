#pragma once
// What every engine module shares: the program's callback and data folder.
#include <mirelo/engine_api.h>

#include <string>

namespace mirelo {

// Set by initialise (and cleared by shut down, which keeps the folder).
void setEventTarget(EngineEventCallback callback, void *context, const std::string &folder);

// Raises an event to the program's callback from any thread; a no-op
// before engineInitialize and after engineShutdown.
void emitEvent(int event, int data = 0);

// The data folder handed to engineInitialize (UTF-8, may be empty).
std::string dataFolder();

} // namespace mirelo
