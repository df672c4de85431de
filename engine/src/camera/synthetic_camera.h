#pragma once
// The synthetic test camera (only in the test build of the engine).
#include "camera/camera_device.h"

namespace mirelo::camera {

// Present when MIRELO_TEST_CAMERA is "1".
bool syntheticCameraWanted();
CameraPtr syntheticCamera();
std::unique_ptr<CameraStream> makeSyntheticStream();

} // namespace mirelo::camera
