#pragma once
// JPEG in and out, for MJPG cameras, the synthetic camera and photos.
#include "camera/frame.h"

#include <string>
#include <vector>

namespace mirelo::camera {

// Decodes a JPEG picture into out. False for data that is not a whole JPEG.
bool decodeJpeg(const uint8_t *data, size_t size, Frame &out);

// Encodes a frame as JPEG (quality 1..100) into out.
bool encodeJpeg(const Frame &frame, int quality, std::vector<uint8_t> &out);

// Writes a frame as a JPEG file. The picture goes to a file beside the
// target first and is renamed over it, so a failed write leaves no half
// file. Returns 0 or a negative engine result.
int writeJpegFile(const Frame &frame, const std::string &path);

} // namespace mirelo::camera
