/*
 * moving-content: keeps a screen busy the way a screen recording sees it,
 * for the recording benchmark. A full-screen window with a static pattern
 * (text-like stripes) and, 60 times a second, a box sliding across it and a
 * band of changing colour, like a moving window and a playing video.
 *
 *   moving-content [--scroll | --still]   (uses $DISPLAY; runs until killed)
 *
 * With --scroll the whole page also scrolls, so every pixel changes every
 * frame (the worst case for a recorder that fetches only what changed).
 * With --still only the page is drawn, once: a quiet desktop.
 */
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/xcb.h>

static void fill(xcb_connection_t *c, xcb_drawable_t w, xcb_gcontext_t gc, uint32_t colour,
                 int x, int y, int wd, int ht)
{
    xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &colour);
    xcb_rectangle_t r = {(int16_t)x, (int16_t)y, (uint16_t)wd, (uint16_t)ht};
    xcb_poly_fill_rectangle(c, w, gc, 1, &r);
}

static void background(xcb_connection_t *c, xcb_drawable_t w, xcb_gcontext_t gc, int W, int H)
{
    fill(c, w, gc, 0xf0f0f0, 0, 0, W, H);
    /* Lines of "text": short dark bars of varying length. */
    unsigned seed = 7;
    for (int y = 20; y < H - 10; y += 18)
        for (int x = 20; x < W - 200; ) {
            seed = seed * 1103515245u + 12345u;
            int len = 10 + (int)(seed >> 16) % 60;
            fill(c, w, gc, 0x303030, x, y, len, 9);
            x += len + 6;
        }
}

int main(int argc, char **argv)
{
    const int scroll = argc > 1 && strcmp(argv[1], "--scroll") == 0;
    const int still = argc > 1 && strcmp(argv[1], "--still") == 0;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int W = s->width_in_pixels, H = s->height_in_pixels;
    xcb_window_t w = xcb_generate_id(c);
    uint32_t values[2] = {0xf0f0f0, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, s->root, 0, 0, (uint16_t)W, (uint16_t)H, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, s->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(c, w);
    xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, w, 0, NULL);
    /* The static page lives in a pixmap, so what the box uncovers is
       restored as it was. */
    xcb_pixmap_t page = xcb_generate_id(c);
    xcb_create_pixmap(c, s->root_depth, page, w, (uint16_t)W, (uint16_t)H);
    background(c, page, gc, W, H);
    xcb_copy_area(c, page, w, gc, 0, 0, 0, 0, (uint16_t)W, (uint16_t)H);
    xcb_flush(c);
    if (still) {
        /* Nothing more to draw: wait until the server goes away. */
        xcb_generic_event_t *e;
        while ((e = xcb_wait_for_event(c)))
            free(e);
        return 0;
    }

    const int boxW = 480, boxH = 320;
    int frame = 0, px = 0, py = 0;
    struct timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (;;) {
        if (scroll) {
            /* The page moved up by a few rows: redraw all of it. */
            const int off = (frame * 3) % H;
            xcb_copy_area(c, page, w, gc, 0, (int16_t)off, 0, 0, (uint16_t)W, (uint16_t)(H - off));
            if (off)
                xcb_copy_area(c, page, w, gc, 0, 0, 0, (int16_t)(H - off), (uint16_t)W, (uint16_t)off);
        } else {
            /* Restore what the box covered, then draw it at its new place. */
            xcb_copy_area(c, page, w, gc, (int16_t)px, (int16_t)py, (int16_t)px, (int16_t)py, boxW, boxH);
        }
        int x = (frame * 7) % (2 * (W - boxW));
        int y = (frame * 4) % (2 * (H - boxH));
        if (x > W - boxW) x = 2 * (W - boxW) - x;
        if (y > H - boxH) y = 2 * (H - boxH) - y;
        fill(c, w, gc, 0x2060c0, x, y, boxW, boxH);
        fill(c, w, gc, 0xffffff, x + 20, y + 40, boxW - 40, boxH - 60);
        for (int i = 0; i < 8; ++i)
            fill(c, w, gc, 0x101010, x + 30, y + 50 + i * 30, 100 + ((frame + i * 13) % 300), 12);
        px = x;
        py = y;
        /* A "video": a band whose colours change every frame. */
        for (int i = 0; i < 16; ++i)
            fill(c, w, gc, (uint32_t)((frame * 2654435761u + (unsigned)i * 40503u) & 0xffffff),
                 W - 400 + (i % 4) * 90, 40 + (i / 4) * 60, 90, 60);
        xcb_flush(c);
        ++frame;
        next.tv_nsec += 1000000000L / 60;
        if (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL);
        if (xcb_connection_has_error(c))
            return 0;
    }
}
