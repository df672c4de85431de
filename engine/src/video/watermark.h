#pragma once
// Turns a watermark block into the picture stamped on recordings.
#include "video/overlays.h"

#include <mirelo/engine_api.h>

#include <memory>

namespace mirelo {

// The overlay of `params`, or null for the zeroed block ("no watermark").
// `result` is MIRELO_OK, or negative when the block cannot be used (bad
// rectangle, unreadable image).
std::shared_ptr<ImageOverlay> renderWatermark(const WatermarkParams &params, int &result);

} // namespace mirelo
