#pragma once
// What every engine module shares: the program's callback and data folder.
#include <string>

namespace mirelo {

// Raises an event to the program's callback from any thread; a no-op
// before engineInitialize and after engineShutdown.
void emitEvent(int event, int data = 0);

// The data folder handed to engineInitialize (UTF-8, may be empty).
std::string dataFolder();

} // namespace mirelo
