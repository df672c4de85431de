#pragma once
// Display adapters and whether their hardware H.264 encoder really works.
#include <mirelo/engine_api.h>

namespace mirelo {

int getEncoderAdapters(const MireloEncoderAdapter **list, int *count);
// 0 when the family's encoder opens and encodes a picture here.
int testHardwareEncoder(int family, int reserved);

} // namespace mirelo
