// Webcams: list, formats, preview, photo.
#include "core/module.h"

namespace mirelo {

void *cameraModuleEntry(int) { return nullptr; }
void cameraModuleStart() {}
void cameraModuleStop() {}

} // namespace mirelo
