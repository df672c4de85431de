#pragma once
// The screen as a VideoSource: the X server's shared-memory image of the
// capture rectangle (xcb-shm), with the cursor from XFixes drawn in.
#include "core/video_source.h"

#include <cstdint>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/shm.h>

namespace mirelo {

// Where the capture rectangle is now. Set by the program's thread (also
// while recording: the region frame moved), read by the capture thread.
void setCaptureOrigin(int left, int top);
void captureOrigin(int &left, int &top);

// The X screen's size through a connection of the engine's own; false when
// there is no display.
bool screenSize(int &width, int &height);

class ScreenSource : public VideoSource
{
public:
    explicit ScreenSource(bool drawCursor) : m_drawCursor(drawCursor) {}
    ~ScreenSource() override;

    int open(int width, int height) override;
    bool grab(VideoPicture &out, int64_t monotonicUs) override;
    void close() override;

private:
    bool getImage(int x, int y, int w, int h);
    void refreshScreenSize();
    void drawCursor(VideoPicture &picture, int originX, int originY);
    void updateCursorImage();

    bool m_drawCursor;
    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = 0;
    int m_screenW = 0, m_screenH = 0;
    int m_width = 0, m_height = 0;
    xcb_shm_seg_t m_seg = 0;
    uint8_t *m_shm = nullptr;
    std::vector<uint8_t> m_padded; // the picture when the rectangle leaves the screen

    bool m_haveXfixes = false;
    uint8_t m_xfixesEvent = 0;
    bool m_cursorDirty = true;
    std::vector<uint32_t> m_cursor; // premultiplied ARGB
    int m_cursorW = 0, m_cursorH = 0, m_hotX = 0, m_hotY = 0;
};

} // namespace mirelo
