#pragma once
// Frames as they travel inside the camera road.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mirelo::camera {

// One picture as the device delivered it: compressed (MJPG) or packed/planar
// raw pixels. The memory belongs to the stream until its next read.
struct RawFrame {
    uint32_t fourcc = 0;        // V4L2 pixel format
    int width = 0;
    int height = 0;
    int stride = 0;             // bytes per line of the first plane (raw formats)
    const uint8_t *data = nullptr;
    size_t size = 0;            // bytes used
};

// A decoded picture, 32-bit B, G, R, A bytes per pixel (alpha 255), rows
// packed without padding. The layout X servers with depth 24 or 32 take.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    bool isNull() const { return width <= 0 || height <= 0; }
    int stride() const { return width * 4; }
    uint8_t *row(int y) { return pixels.data() + size_t(y) * size_t(stride()); }
    const uint8_t *row(int y) const { return pixels.data() + size_t(y) * size_t(stride()); }
    void resize(int w, int h)
    {
        width = w;
        height = h;
        pixels.resize(size_t(w) * size_t(h) * 4);
    }
};

} // namespace mirelo::camera
