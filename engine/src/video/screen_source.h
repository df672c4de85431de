#pragma once
// The screen as a VideoSource: the X server's shared-memory image of the
// capture rectangle (xcb-shm). With the DAMAGE extension only what changed
// since the previous frame is fetched again, into a picture the source
// keeps; the cursor from XFixes is the source's overlay. When the screen
// changes size (RandR), the area stays where the user put it: what of it is
// on the new screen is captured, the rest is black.
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
// Closes that connection (at shut-down).
void closeScreenInfo();

// Copies into `kept` the rows of `fresh` (both BGRA, `width` pixels a row,
// no gaps) that differ from it, and appends them to `changed` as whole-width
// rectangles, runs a few rows apart joined into one.
void takeChangedRows(const uint8_t *fresh, uint8_t *kept, int width, int height, std::vector<PictureRect> &changed);

class ScreenSource;

// The mouse cursor drawn where it is, fetched again only when XFixes says
// it changed shape.
class CursorOverlay : public Overlay
{
public:
    explicit CursorOverlay(ScreenSource &source) : m_source(source) {}
    void area(int64_t recordingUs, int width, int height, std::vector<PictureRect> &out) override;
    bool unchanged() const override { return m_unchanged; }
    void draw(VideoPicture &picture, int64_t recordingUs) override;

private:
    friend class ScreenSource;
    void updateImage();
    // Where the cursor is now, in the picture; false when not on it.
    bool locate(int width, int height);

    ScreenSource &m_source;
    bool m_dirty = true;
    std::vector<uint32_t> m_image; // premultiplied ARGB
    int m_w = 0, m_h = 0, m_hotX = 0, m_hotY = 0;
    int m_x = 0, m_y = 0;          // top-left in the picture, from area()
    bool m_visible = false;
    int64_t m_locatedAt = -1;      // the picture time of the last locate()
    bool m_unchanged = false;      // area() found it as before: same place, same shape
};

class ScreenSource : public VideoSource
{
public:
    explicit ScreenSource(bool drawCursor) : m_drawCursor(drawCursor), m_cursor(*this) {}
    ~ScreenSource() override;

    int open(int width, int height) override;
    bool grab(VideoPicture &out, int64_t monotonicUs) override;
    void close() override;
    Overlay *overlay() override { return m_drawCursor && m_haveXfixes ? &m_cursor : nullptr; }

private:
    friend class CursorOverlay;
    bool fetch(const std::vector<xcb_rectangle_t> &rects, int left, int top);
    bool grabWhole(int left, int top);
    bool onScreen(int left, int top) const;
    bool refetch(int left, int top);
    bool getImage(int x, int y, int w, int h, uint32_t offset);
    std::vector<xcb_rectangle_t> takeDamage();
    void readEvents();
    void refreshScreenSize();

    bool m_drawCursor;
    CursorOverlay m_cursor;
    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = 0;
    int m_screenW = 0, m_screenH = 0;
    int m_width = 0, m_height = 0;
    xcb_shm_seg_t m_seg = 0;
    uint8_t *m_shm = nullptr;
    size_t m_shmSize = 0;
    // The segment holds the picture of the capture area as last fetched,
    // then room for the rectangles being fetched.
    uint8_t *picture() const { return m_shm; }
    uint32_t m_scratch = 0;           // offset of that room
    std::vector<PictureRect> m_changed;
    bool m_needWhole = true;
    int m_lastLeft = 0, m_lastTop = 0;
    int64_t m_lastWholeUs = 0;

    bool m_haveXfixes = false;
    uint8_t m_xfixesEvent = 0;
    bool m_haveRandr = false;
    uint8_t m_randrEvent = 0;
    bool m_haveDamage = false;
    uint32_t m_damage = 0;
    uint32_t m_region = 0;
};

} // namespace mirelo
