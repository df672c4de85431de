// Audio devices, levels and volume.
#include "core/module.h"

namespace mirelo {

void *audioModuleEntry(int) { return nullptr; }
void audioModuleStart() {}
void audioModuleStop() {}

} // namespace mirelo
