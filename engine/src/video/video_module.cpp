// The screen-video road: capture rectangle, recording, click marks, watermark.
#include "core/module.h"

namespace mirelo {

void *videoModuleEntry(int) { return nullptr; }

} // namespace mirelo
