#include "video/screen_source.h"

#include "core/log.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/damage.h>
#include <xcb/randr.h>
#include <xcb/xfixes.h>

#include <libyuv.h>

namespace mirelo {

namespace {
std::atomic<uint64_t> g_origin{0};

std::mutex g_infoMutex;
xcb_connection_t *g_info = nullptr;

// More changed rectangles than this are fetched as their bounding box: one
// larger copy costs less than many round trips.
constexpr size_t kMaxRects = 48;
constexpr int64_t kWholeEveryUs = 2000000;
constexpr int kJoinRows = 16;
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

void closeScreenInfo()
{
    std::lock_guard<std::mutex> lock(g_infoMutex);
    if (g_info)
        xcb_disconnect(g_info);
    g_info = nullptr;
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
        xcb_disconnect(m_conn);
        m_conn = nullptr;
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
    // The picture, then room for the whole area plus alignment padding of
    // many rectangles.
    m_scratch = uint32_t((size_t(width) * height * 4 + 63) & ~size_t(63));
    m_shmSize = size_t(m_scratch) + size_t(width) * height * 4 + kMaxRects * 64;
    const int id = shmget(IPC_PRIVATE, m_shmSize, IPC_CREAT | 0600);
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
        if (m_shm != reinterpret_cast<uint8_t *>(-1))
            shmdt(m_shm); // attached here, refused by the server
        m_shm = nullptr;
        m_seg = 0;
        return MIRELO_E_FAILED;
    }

    const xcb_query_extension_reply_t *fixes = xcb_get_extension_data(m_conn, &xcb_xfixes_id);
    if (fixes && fixes->present) {
        xcb_xfixes_query_version_reply_t *v =
            xcb_xfixes_query_version_reply(m_conn, xcb_xfixes_query_version(m_conn, 4, 0), nullptr);
        if (v) {
            free(v);
            m_haveXfixes = true;
            m_xfixesEvent = fixes->first_event;
            if (m_drawCursor)
                xcb_xfixes_select_cursor_input(m_conn, m_root, XCB_XFIXES_CURSOR_NOTIFY_MASK_DISPLAY_CURSOR);
        }
    }
    // The screen may change its size while recording (a monitor switched,
    // RandR): the server tells, and the picture follows the new screen.
    const xcb_query_extension_reply_t *randr = xcb_get_extension_data(m_conn, &xcb_randr_id);
    if (randr && randr->present) {
        xcb_randr_query_version_reply_t *v =
            xcb_randr_query_version_reply(m_conn, xcb_randr_query_version(m_conn, 1, 2), nullptr);
        if (v) {
            free(v);
            m_haveRandr = true;
            m_randrEvent = randr->first_event;
            xcb_randr_select_input(m_conn, m_root, XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE);
            refreshScreenSize(); // it may have changed since it was first read
        }
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
    if (m_haveXfixes && damage && damage->present) {
        xcb_damage_query_version_reply_t *v =
            xcb_damage_query_version_reply(m_conn, xcb_damage_query_version(m_conn, 1, 1), nullptr);
        if (v) {
            free(v);
            m_damage = xcb_generate_id(m_conn);
            xcb_damage_create(m_conn, m_damage, m_root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            m_region = xcb_generate_id(m_conn);
            xcb_xfixes_create_region(m_conn, m_region, 0, nullptr);
            m_haveDamage = true;
        }
    }
    xcb_flush(m_conn);
    m_needWhole = true;
    return MIRELO_OK;
}

void ScreenSource::close()
{
    if (!m_conn)
        return;
    if (m_haveDamage) {
        xcb_damage_destroy(m_conn, m_damage);
        xcb_xfixes_destroy_region(m_conn, m_region);
        m_haveDamage = false;
    }
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

void ScreenSource::readEvents()
{
    bool resized = false;
    while (xcb_generic_event_t *e = xcb_poll_for_event(m_conn)) {
        const int type = e->response_type & 0x7f;
        if (m_haveXfixes && type == m_xfixesEvent + XCB_XFIXES_CURSOR_NOTIFY)
            m_cursor.m_dirty = true;
        if (m_haveRandr && type == m_randrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY)
            resized = true;
        free(e); // damage notices only say "something changed": the region tells what
    }
    if (resized) {
        // What was off the screen may be on it now, and the other way
        // round: all of the area is fetched again, black where no screen is.
        const int oldW = m_screenW, oldH = m_screenH;
        refreshScreenSize();
        if (m_screenW != oldW || m_screenH != oldH)
            logLine("the screen is now %dx%d", m_screenW, m_screenH);
        m_needWhole = true;
    }
}

std::vector<xcb_rectangle_t> ScreenSource::takeDamage()
{
    std::vector<xcb_rectangle_t> rects;
    xcb_damage_subtract(m_conn, m_damage, XCB_NONE, m_region);
    xcb_xfixes_fetch_region_reply_t *r =
        xcb_xfixes_fetch_region_reply(m_conn, xcb_xfixes_fetch_region(m_conn, m_region), nullptr);
    if (!r) {
        m_needWhole = true;
        return rects;
    }
    const xcb_rectangle_t *p = xcb_xfixes_fetch_region_rectangles(r);
    rects.assign(p, p + xcb_xfixes_fetch_region_rectangles_length(r));
    free(r);
    return rects;
}

// Fetches screen rectangles (root coordinates, on the screen) into the
// picture of the area at (left, top): all requests first, into separate
// parts of the shared segment, then all replies.
bool ScreenSource::fetch(const std::vector<xcb_rectangle_t> &rects, int left, int top)
{
    // Rectangles lie inside the area, which the segment holds twice: what
    // would not fit (a bug) is never asked for.
    size_t room = m_scratch;
    for (const xcb_rectangle_t &r : rects) {
        room += (size_t(r.width) * r.height * 4 + 63) & ~size_t(63);
        if (room > m_shmSize || r.x < left || r.y < top || r.x + r.width > left + m_width
            || r.y + r.height > top + m_height) {
            m_needWhole = true;
            return false;
        }
    }
    std::vector<xcb_shm_get_image_cookie_t> cookies;
    std::vector<uint32_t> offsets;
    uint32_t offset = m_scratch;
    for (const xcb_rectangle_t &r : rects) {
        cookies.push_back(xcb_shm_get_image(m_conn, m_root, r.x, r.y, r.width, r.height, ~0u,
                                            XCB_IMAGE_FORMAT_Z_PIXMAP, m_seg, offset));
        offsets.push_back(offset);
        offset += (uint32_t(r.width) * r.height * 4 + 63) & ~63u;
    }
    bool ok = true;
    for (xcb_shm_get_image_cookie_t &c : cookies) {
        xcb_generic_error_t *err = nullptr;
        free(xcb_shm_get_image_reply(m_conn, c, &err));
        if (err) {
            free(err);
            ok = false;
        }
    }
    if (!ok) {
        // Most likely the screen changed size under us.
        refreshScreenSize();
        m_needWhole = true;
        return false;
    }
    for (size_t i = 0; i < rects.size(); ++i) {
        const xcb_rectangle_t &r = rects[i];
        libyuv::CopyPlane(m_shm + offsets[i], r.width * 4,
                          picture() + (size_t(r.y - top) * m_width + size_t(r.x - left)) * 4, m_width * 4,
                          r.width * 4, r.height);
        m_changed.push_back({r.x - left, r.y - top, r.width, r.height});
    }
    return true;
}

bool ScreenSource::getImage(int x, int y, int w, int h, uint32_t offset)
{
    xcb_generic_error_t *err = nullptr;
    free(xcb_shm_get_image_reply(m_conn,
                                 xcb_shm_get_image(m_conn, m_root, int16_t(x), int16_t(y), uint16_t(w), uint16_t(h),
                                                   ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_seg, offset),
                                 &err));
    if (err) {
        free(err);
        refreshScreenSize();
        m_needWhole = true;
        return false;
    }
    return true;
}

bool ScreenSource::onScreen(int left, int top) const
{
    return left >= 0 && top >= 0 && left + m_width <= m_screenW && top + m_height <= m_screenH;
}

void takeChangedRows(const uint8_t *fresh, uint8_t *kept, int width, int height, std::vector<PictureRect> &changed)
{
    const size_t row = size_t(width) * 4;
    int from = -1; // the first row of a run of changed rows
    for (int y = 0; y <= height; ++y) {
        const bool differs = y < height && std::memcmp(fresh + y * row, kept + y * row, row) != 0;
        if (differs) {
            std::memcpy(kept + y * row, fresh + y * row, row);
            if (from < 0)
                from = y;
        } else if (from >= 0) {
            // Runs a few rows apart are one rectangle.
            if (!changed.empty() && from - (changed.back().y + changed.back().h) < kJoinRows)
                changed.back().h = y - changed.back().y;
            else
                changed.push_back({0, from, width, y - from});
            from = -1;
        }
    }
}

// Fetches all of the area (on the screen) again, but keeps as changed only
// the rows that differ from the picture: on a still screen nothing is
// converted again.
bool ScreenSource::refetch(int left, int top)
{
    if (!getImage(left, top, m_width, m_height, m_scratch))
        return false;
    takeChangedRows(m_shm + m_scratch, picture(), m_width, m_height, m_changed);
    return true;
}

bool ScreenSource::grabWhole(int left, int top)
{
    const int x0 = std::max(left, 0), y0 = std::max(top, 0);
    const int x1 = std::min(left + m_width, m_screenW), y1 = std::min(top + m_height, m_screenH);
    // All on the screen: straight into the picture.
    if (x0 == left && y0 == top && x1 == left + m_width && y1 == top + m_height)
        return getImage(left, top, m_width, m_height, 0);
    // What is on the screen, black around it.
    std::memset(picture(), 0, size_t(m_width) * m_height * 4);
    if (x1 <= x0 || y1 <= y0)
        return true;
    const xcb_rectangle_t r{int16_t(x0), int16_t(y0), uint16_t(x1 - x0), uint16_t(y1 - y0)};
    return fetch({r}, left, top);
}

bool ScreenSource::grab(VideoPicture &out, int64_t monotonicUs)
{
    if (!m_conn || xcb_connection_has_error(m_conn))
        return false;
    int left, top;
    captureOrigin(left, top);
    if (left != m_lastLeft || top != m_lastTop)
        m_needWhole = true;
    // Now and then everything is fetched anyway, so a drawing the server
    // failed to report cannot stay stale in the file for long.
    const bool refresh = monotonicUs - m_lastWholeUs >= kWholeEveryUs;
    m_lastLeft = left;
    m_lastTop = top;
    std::vector<xcb_rectangle_t> damage;
    if (m_haveDamage)
        damage = takeDamage(); // also when fetching everything: it starts afresh
    readEvents();
    m_changed.clear();

    bool ok;
    bool whole = m_needWhole || !m_haveDamage || (refresh && !onScreen(left, top));
    std::vector<xcb_rectangle_t> rects;
    if (!whole) {
        // The changed rectangles inside both the area and the screen.
        const int ax0 = std::max(left, 0), ay0 = std::max(top, 0);
        const int ax1 = std::min(left + m_width, m_screenW), ay1 = std::min(top + m_height, m_screenH);
        int bx0 = ax1, by0 = ay1, bx1 = ax0, by1 = ay0;
        for (const xcb_rectangle_t &d : damage) {
            const int x0 = std::max<int>(d.x, ax0), y0 = std::max<int>(d.y, ay0);
            const int x1 = std::min<int>(d.x + d.width, ax1), y1 = std::min<int>(d.y + d.height, ay1);
            if (x1 <= x0 || y1 <= y0)
                continue;
            rects.push_back({int16_t(x0), int16_t(y0), uint16_t(x1 - x0), uint16_t(y1 - y0)});
            bx0 = std::min(bx0, x0);
            by0 = std::min(by0, y0);
            bx1 = std::max(bx1, x1);
            by1 = std::max(by1, y1);
        }
        int64_t area = 0;
        for (const xcb_rectangle_t &r : rects)
            area += int64_t(r.width) * r.height;
        if (rects.size() > kMaxRects)
            rects.assign(1, {int16_t(bx0), int16_t(by0), uint16_t(bx1 - bx0), uint16_t(by1 - by0)});
        // Most of it changed: one fetch straight into the picture is
        // cheaper than fetching the parts and copying them in.
        whole = area * 2 > int64_t(m_width) * m_height;
    }
    if (!whole && refresh) {
        m_lastWholeUs = monotonicUs;
        ok = refetch(left, top);
    } else if (!whole) {
        ok = fetch(rects, left, top);
    } else {
        m_needWhole = false;
        m_lastWholeUs = monotonicUs;
        ok = grabWhole(left, top);
    }
    if (!ok)
        return false;
    out.data = picture();
    out.stride = m_width * 4;
    out.width = m_width;
    out.height = m_height;
    out.persistent = true;
    out.changed = whole ? nullptr : &m_changed;
    return true;
}

void CursorOverlay::updateImage()
{
    xcb_connection_t *c = m_source.m_conn;
    xcb_xfixes_get_cursor_image_reply_t *img =
        xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
    if (!img)
        return;
    m_w = img->width;
    m_h = img->height;
    m_hotX = img->xhot;
    m_hotY = img->yhot;
    const uint32_t *px = xcb_xfixes_get_cursor_image_cursor_image(img);
    m_image.assign(px, px + size_t(m_w) * m_h);
    free(img);
    m_dirty = false;
}

bool CursorOverlay::locate(int width, int height)
{
    m_visible = false;
    xcb_connection_t *c = m_source.m_conn;
    if (!c)
        return false;
    if (m_dirty)
        updateImage();
    if (m_image.empty())
        return false;
    xcb_query_pointer_reply_t *p = xcb_query_pointer_reply(c, xcb_query_pointer(c, m_source.m_root), nullptr);
    if (!p)
        return false;
    m_x = p->root_x - m_hotX - m_source.m_lastLeft;
    m_y = p->root_y - m_hotY - m_source.m_lastTop;
    free(p);
    m_visible = m_x < width && m_y < height && m_x + m_w > 0 && m_y + m_h > 0;
    return m_visible;
}

void CursorOverlay::area(int64_t recordingUs, int width, int height, std::vector<PictureRect> &out)
{
    const bool wasVisible = m_visible, newShape = m_dirty;
    const int x = m_x, y = m_y;
    m_locatedAt = recordingUs;
    if (locate(width, height))
        out.push_back({m_x, m_y, m_w, m_h});
    m_unchanged = m_visible == wasVisible && (!m_visible || (!newShape && m_x == x && m_y == y));
}

void CursorOverlay::draw(VideoPicture &picture, int64_t recordingUs)
{
    // The place found by area() for this picture, else where it is now.
    if (m_locatedAt != recordingUs) {
        m_locatedAt = recordingUs;
        locate(picture.width, picture.height);
    }
    if (!m_visible)
        return;
    const int x0 = std::max(m_x, 0), y0 = std::max(m_y, 0);
    const int x1 = std::min(m_x + m_w, picture.width), y1 = std::min(m_y + m_h, picture.height);
    if (x1 <= x0 || y1 <= y0)
        return;
    const auto *src = reinterpret_cast<const uint8_t *>(m_image.data()) + (size_t(y0 - m_y) * m_w + (x0 - m_x)) * 4;
    uint8_t *dst = picture.data + size_t(y0) * picture.stride + size_t(x0) * 4;
    libyuv::ARGBBlend(src, m_w * 4, dst, picture.stride, dst, picture.stride, x1 - x0, y1 - y0);
}

} // namespace mirelo
