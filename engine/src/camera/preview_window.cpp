// X11 drawing through xcb: a plain PutImage of the scaled picture, cut into
// strips that fit the server's largest request.
#include "camera/preview_window.h"
#include "camera/pixel_formats.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace mirelo::camera {

PreviewWindow::~PreviewWindow()
{
    if (m_conn) {
        if (m_gc)
            xcb_free_gc(m_conn, m_gc);
        xcb_flush(m_conn);
        xcb_disconnect(m_conn);
    }
}

std::unique_ptr<PreviewWindow> PreviewWindow::attach(uint64_t window)
{
    if (window == 0 || window > 0xffffffffu)
        return nullptr;
    std::unique_ptr<PreviewWindow> p(new PreviewWindow);
    p->m_conn = xcb_connect(nullptr, nullptr);
    if (!p->m_conn || xcb_connection_has_error(p->m_conn))
        return nullptr;
    p->m_window = uint32_t(window);

    xcb_generic_error_t *err = nullptr;
    xcb_get_geometry_reply_t *geo =
        xcb_get_geometry_reply(p->m_conn, xcb_get_geometry(p->m_conn, p->m_window), &err);
    std::free(err);
    if (!geo)
        return nullptr;
    p->m_depth = geo->depth;
    std::free(geo);

    // The picture is 32 bits a pixel; the window's depth must store it so.
    bool fits = false;
    const xcb_setup_t *setup = xcb_get_setup(p->m_conn);
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == p->m_depth && it.data->bits_per_pixel == 32)
            fits = true;
    }
    if (!fits || (p->m_depth != 24 && p->m_depth != 32) || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return nullptr;

    p->m_maxRequestBytes = size_t(xcb_get_maximum_request_length(p->m_conn)) * 4;
    p->m_gc = xcb_generate_id(p->m_conn);
    const uint32_t values[] = {0};
    xcb_void_cookie_t c = xcb_create_gc_checked(p->m_conn, p->m_gc, p->m_window, XCB_GC_GRAPHICS_EXPOSURES, values);
    if (xcb_generic_error_t *e = xcb_request_check(p->m_conn, c)) {
        std::free(e);
        p->m_gc = 0;
        return nullptr;
    }
    return p;
}

void PreviewWindow::drainErrors()
{
    while (xcb_generic_event_t *ev = xcb_poll_for_event(m_conn)) {
        if (ev->response_type == 0) {
            const auto *e = reinterpret_cast<xcb_generic_error_t *>(ev);
            if (e->error_code == XCB_WINDOW || e->error_code == XCB_DRAWABLE)
                m_gone = true;
        }
        std::free(ev);
    }
    if (xcb_connection_has_error(m_conn))
        m_gone = true;
}

bool PreviewWindow::draw(const Frame &frame)
{
    if (m_gone || frame.isNull())
        return !m_gone;
    xcb_generic_error_t *err = nullptr;
    xcb_get_geometry_reply_t *geo = xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, m_window), &err);
    if (!geo) {
        std::free(err);
        m_gone = true;
        return false;
    }
    const int w = geo->width, h = geo->height;
    std::free(geo);
    if (w <= 0 || h <= 0)
        return true;

    scaleFrame(frame, w, h, m_scaled);
    const size_t rowBytes = size_t(w) * 4;
    const size_t room = m_maxRequestBytes > 64 ? m_maxRequestBytes - 64 : rowBytes;
    const int rowsPerStrip = int(std::max<size_t>(1, room / rowBytes));
    for (int y = 0; y < h; y += rowsPerStrip) {
        const int rows = std::min(rowsPerStrip, h - y);
        xcb_put_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_gc, uint16_t(w), uint16_t(rows), 0,
                      int16_t(y), 0, m_depth, uint32_t(rowBytes * size_t(rows)), m_scaled.row(y));
    }
    xcb_flush(m_conn);
    drainErrors();
    return !m_gone;
}

} // namespace mirelo::camera
