#include "video/screen_source.h"

#include "core/log.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/xfixes.h>

#include <libyuv.h>

namespace mirelo {

namespace {
std::atomic<uint64_t> g_origin{0};

std::mutex g_infoMutex;
xcb_connection_t *g_info = nullptr;
} // namespace

void setCaptureOrigin(int left, int top)
{
    g_origin.store((uint64_t(uint32_t(left)) << 32) | uint32_t(top));
}

void captureOrigin(int &left, int &top)
{
    const uint64_t v = g_origin.load();
    left = int32_t(uint32_t(v >> 32));
    top = int32_t(uint32_t(v));
}

bool screenSize(int &width, int &height)
{
    std::lock_guard<std::mutex> lock(g_infoMutex);
    if (g_info && xcb_connection_has_error(g_info)) {
        xcb_disconnect(g_info);
        g_info = nullptr;
    }
    if (!g_info) {
        if (!getenv("DISPLAY"))
            return false;
        g_info = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(g_info)) {
            xcb_disconnect(g_info);
            g_info = nullptr;
            return false;
        }
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(g_info)).data;
    xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(g_info, xcb_get_geometry(g_info, screen->root), nullptr);
    if (!g)
        return false;
    width = g->width;
    height = g->height;
    free(g);
    return true;
}

ScreenSource::~ScreenSource()
{
    close();
}

int ScreenSource::open(int width, int height)
{
    if (!getenv("DISPLAY"))
        return MIRELO_E_NO_DEVICE;
    int screenNum = 0;
    m_conn = xcb_connect(nullptr, &screenNum);
    if (xcb_connection_has_error(m_conn)) {
        logLine("cannot connect to the X server");
        return MIRELO_E_NO_DEVICE;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_conn));
    for (int i = 0; i < screenNum && it.rem; ++i)
        xcb_screen_next(&it);
    xcb_screen_t *screen = it.data;
    m_root = screen->root;
    if (screen->root_depth != 24 && screen->root_depth != 32) {
        logLine("unsupported screen depth %d", screen->root_depth);
        return MIRELO_E_UNSUPPORTED;
    }
    refreshScreenSize();

    xcb_shm_query_version_reply_t *shm = xcb_shm_query_version_reply(m_conn, xcb_shm_query_version(m_conn), nullptr);
    if (!shm) {
        logLine("the X server has no MIT-SHM");
        return MIRELO_E_UNSUPPORTED;
    }
    free(shm);
    m_width = width;
    m_height = height;
    const size_t bytes = size_t(width) * height * 4;
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return MIRELO_E_FAILED;
    m_shm = static_cast<uint8_t *>(shmat(id, nullptr, 0));
    m_seg = xcb_generate_id(m_conn);
    xcb_void_cookie_t c = xcb_shm_attach_checked(m_conn, m_seg, uint32_t(id), 0);
    xcb_generic_error_t *err = xcb_request_check(m_conn, c);
    // Marked for removal at once: the segment goes away with the last
    // user, even if this process is killed.
    shmctl(id, IPC_RMID, nullptr);
    if (m_shm == reinterpret_cast<uint8_t *>(-1) || err) {
        free(err);
        m_shm = nullptr;
        m_seg = 0;
        return MIRELO_E_FAILED;
    }

    if (m_drawCursor) {
        const xcb_query_extension_reply_t *ext = xcb_get_extension_data(m_conn, &xcb_xfixes_id);
        if (ext && ext->present) {
            xcb_xfixes_query_version_reply_t *v =
                xcb_xfixes_query_version_reply(m_conn, xcb_xfixes_query_version(m_conn, 4, 0), nullptr);
            if (v) {
                free(v);
                m_haveXfixes = true;
                m_xfixesEvent = ext->first_event;
                xcb_xfixes_select_cursor_input(m_conn, m_root, XCB_XFIXES_CURSOR_NOTIFY_MASK_DISPLAY_CURSOR);
                xcb_flush(m_conn);
            }
        }
    }
    return MIRELO_OK;
}

void ScreenSource::close()
{
    if (!m_conn)
        return;
    if (m_seg)
        xcb_shm_detach(m_conn, m_seg);
    xcb_flush(m_conn);
    if (m_shm)
        shmdt(m_shm);
    m_shm = nullptr;
    m_seg = 0;
    xcb_disconnect(m_conn);
    m_conn = nullptr;
}

void ScreenSource::refreshScreenSize()
{
    xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, m_root), nullptr);
    if (g) {
        m_screenW = g->width;
        m_screenH = g->height;
        free(g);
    }
}

bool ScreenSource::getImage(int x, int y, int w, int h)
{
    xcb_generic_error_t *err = nullptr;
    xcb_shm_get_image_reply_t *r = xcb_shm_get_image_reply(
        m_conn, xcb_shm_get_image(m_conn, m_root, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h), ~0u,
                                  XCB_IMAGE_FORMAT_Z_PIXMAP, m_seg, 0),
        &err);
    free(r);
    if (err) {
        // Most likely the screen changed size under us.
        free(err);
        refreshScreenSize();
        return false;
    }
    return r != nullptr;
}

bool ScreenSource::grab(VideoPicture &out, int64_t)
{
    if (!m_conn || xcb_connection_has_error(m_conn))
        return false;
    int left, top;
    captureOrigin(left, top);
    const int x0 = std::max(left, 0), y0 = std::max(top, 0);
    const int x1 = std::min(left + m_width, m_screenW), y1 = std::min(top + m_height, m_screenH);
    out.width = m_width;
    out.height = m_height;
    if (x0 == left && y0 == top && x1 == left + m_width && y1 == top + m_height) {
        if (!getImage(left, top, m_width, m_height))
            return false;
        out.data = m_shm;
        out.stride = m_width * 4;
    } else {
        // Partly or wholly off the screen: what is on it, black around.
        const size_t bytes = size_t(m_width) * m_height * 4;
        if (m_padded.size() != bytes)
            m_padded.resize(bytes);
        std::memset(m_padded.data(), 0, bytes);
        if (x1 > x0 && y1 > y0) {
            const int w = x1 - x0, h = y1 - y0;
            if (!getImage(x0, y0, w, h))
                return false;
            libyuv::CopyPlane(m_shm, w * 4, m_padded.data() + size_t(y0 - top) * m_width * 4 + size_t(x0 - left) * 4,
                              m_width * 4, w * 4, h);
        }
        out.data = m_padded.data();
        out.stride = m_width * 4;
    }
    if (m_drawCursor && m_haveXfixes)
        drawCursor(out, left, top);
    return true;
}

void ScreenSource::updateCursorImage()
{
    xcb_xfixes_get_cursor_image_reply_t *img =
        xcb_xfixes_get_cursor_image_reply(m_conn, xcb_xfixes_get_cursor_image(m_conn), nullptr);
    if (!img)
        return;
    m_cursorW = img->width;
    m_cursorH = img->height;
    m_hotX = img->xhot;
    m_hotY = img->yhot;
    const uint32_t *px = xcb_xfixes_get_cursor_image_cursor_image(img);
    m_cursor.assign(px, px + size_t(m_cursorW) * m_cursorH);
    free(img);
    m_cursorDirty = false;
}

void ScreenSource::drawCursor(VideoPicture &picture, int originX, int originY)
{
    // The image is fetched again only when XFixes says the cursor changed;
    // every frame asks just for the position.
    while (xcb_generic_event_t *e = xcb_poll_for_event(m_conn)) {
        if ((e->response_type & 0x7f) == m_xfixesEvent + XCB_XFIXES_CURSOR_NOTIFY)
            m_cursorDirty = true;
        free(e);
    }
    if (m_cursorDirty)
        updateCursorImage();
    if (m_cursor.empty())
        return;
    xcb_query_pointer_reply_t *p = xcb_query_pointer_reply(m_conn, xcb_query_pointer(m_conn, m_root), nullptr);
    if (!p)
        return;
    const int cx = p->root_x - m_hotX - originX, cy = p->root_y - m_hotY - originY;
    free(p);
    const int x0 = std::max(cx, 0), y0 = std::max(cy, 0);
    const int x1 = std::min(cx + m_cursorW, picture.width), y1 = std::min(cy + m_cursorH, picture.height);
    if (x1 <= x0 || y1 <= y0)
        return;
    const auto *src = reinterpret_cast<const uint8_t *>(m_cursor.data()) + (size_t(y0 - cy) * m_cursorW + (x0 - cx)) * 4;
    uint8_t *dst = picture.data + size_t(y0) * picture.stride + size_t(x0) * 4;
    libyuv::ARGBBlend(src, m_cursorW * 4, dst, picture.stride, dst, picture.stride, x1 - x0, y1 - y0);
}

} // namespace mirelo
