#pragma once
// Drawing camera pictures into a native X window that belongs to the program.
// The engine has its own X connection (xcb) for it; the window may be
// resized or destroyed by its owner at any moment, so its size is read
// again before every picture and a vanished window only ends the drawing.
#include "camera/frame.h"

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace mirelo::camera {

class PreviewWindow
{
public:
    ~PreviewWindow();

    // Connects to the display and checks the window exists and takes 32-bit
    // pictures; null when it cannot be drawn into.
    static std::unique_ptr<PreviewWindow> attach(uint64_t window);

    // Draws the frame stretched over the whole window. False once the
    // window is gone; nothing more is drawn then.
    bool draw(const Frame &frame);

    bool isGone() const { return m_gone; }

private:
    PreviewWindow() = default;
    void drainErrors();

    xcb_connection_t *m_conn = nullptr;
    uint32_t m_window = 0;
    uint32_t m_gc = 0;
    uint8_t m_depth = 24;
    size_t m_maxRequestBytes = 0;
    bool m_gone = false;
    Frame m_scaled;
};

} // namespace mirelo::camera
