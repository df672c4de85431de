#pragma once
// The device pixel formats the camera road understands: how each maps to the
// program's pixel-format names and how each is turned into a Frame.
#include "camera/frame.h"

#include <cstdint>

namespace mirelo::camera {

// Indexes of the program's camera pixel-format names.
enum PixelFormatName {
    PixelUnknown = 0,
    PixelRgb24 = 1,
    PixelRgb32 = 2,
    PixelArgb32 = 3,
    PixelMjpg = 4,
    PixelYuy2 = 5,
    PixelI420 = 6
};

// The program's name index for a device format; -1 when the road cannot
// decode that format (such formats are not offered).
int pixelFormatName(uint32_t fourcc);

// Decodes a device picture into out (resized to the picture's size). False
// for a short, corrupt or unknown picture; out is then unspecified.
bool decodeFrame(const RawFrame &raw, Frame &out);

// Mirrors a frame left to right in place.
void mirrorFrame(Frame &frame);

// Scales src to exactly w x h (bilinear), into dst.
void scaleFrame(const Frame &src, int w, int h, Frame &dst);

} // namespace mirelo::camera
