/*
 * av-stimulus: the picture and the sound of the sync benchmark, from one
 * clock. At irregular instants (0.6 to 1.6 s apart, a fixed pseudo-random
 * sequence, the same every run) the top of the screen flashes white for
 * 100 ms and a 2 kHz beep of 60 ms starts on the default output, at the
 * same monotonic instant. Between flashes a bar along the bottom grows from
 * the left edge, reaching the right edge 2 s after a flash (never, as no
 * interval is that long), so every captured picture tells how long after
 * the last beep it was taken (to about a pixel: 2/width s).
 *
 * Because the intervals differ, the pattern of the intervals that follow a
 * flash (or a beep) tells which one of the sequence it is: a sound shifted
 * by whole seconds is not mistaken for one in step. av_sync_analysis.py
 * draws the same sequence (stimulus_times there).
 *
 *   av-stimulus SECONDS [WxH]   (uses $DISPLAY and the default sound server)
 *
 * The picture covers the whole screen, or the WxH rectangle at its top
 * left corner.
 *
 * The sound is written a few milliseconds ahead; each chunk is the sound of
 * the instant the output will play it (its latency is asked every time), so
 * beeps start when the flashes do.
 */
#define _GNU_SOURCE
#include <math.h>
#include <pthread.h>
#include <pulse/simple.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <xcb/xcb.h>

#define RATE 48000
#define BEEP_S 0.060
#define FLASH_S 0.100
#define BAR_S 2.0 /* the bar's full width, in seconds since the last beep */
#define MAX_EVENTS 8192

static double g_t0;      /* the first beep, monotonic seconds */
static double g_seconds; /* how long to run */
static double g_events[MAX_EVENTS]; /* beeps, in seconds after the first */
static int g_eventCount;

/* The fixed sequence: a 31-bit linear congruential generator from a fixed
 * seed; each interval is 600 + (x >> 8) % 1001 milliseconds. */
static void makeEvents(double seconds)
{
    uint32_t x = 20240611u;
    double t = 0.0;
    g_eventCount = 0;
    while (g_eventCount < MAX_EVENTS && t <= seconds + 2.0) {
        g_events[g_eventCount++] = t;
        x = (1103515245u * x + 12345u) & 0x7fffffffu;
        t += (600 + (x >> 8) % 1001) / 1000.0;
    }
}

/* Seconds since the last beep at stimulus time t, or -1 before the first. */
static double sinceBeep(double t)
{
    if (t < 0 || g_eventCount == 0)
        return -1;
    int lo = 0, hi = g_eventCount - 1;
    while (lo < hi) { /* the last event at or before t */
        const int mid = (lo + hi + 1) / 2;
        if (g_events[mid] <= t)
            lo = mid;
        else
            hi = mid - 1;
    }
    return t - g_events[lo];
}

static double now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

static void sleepUntil(double t)
{
    struct timespec ts;
    ts.tv_sec = (time_t)t;
    ts.tv_nsec = (long)((t - (double)ts.tv_sec) * 1e9);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, NULL);
}

static void *sound(void *arg)
{
    (void)arg;
    pa_sample_spec spec = {PA_SAMPLE_FLOAT32LE, RATE, 1};
    pa_buffer_attr attr = {(uint32_t)-1, (uint32_t)(RATE * 4 * 0.03), (uint32_t)-1, (uint32_t)-1, (uint32_t)-1};
    int err = 0;
    pa_simple *s = pa_simple_new(NULL, "av-stimulus", PA_STREAM_PLAYBACK, NULL, "beeps", &spec, NULL, &attr, &err);
    if (!s) {
        fprintf(stderr, "av-stimulus: no sound output (%d)\n", err);
        exit(1);
    }
    enum { CHUNK = RATE / 200 }; /* 5 ms */
    float buf[CHUNK];
    /* Prime with silence; then, for every chunk, ask when the next written
     * sample plays (the output's latency can change while it runs, e.g.
     * when recorders attach to its monitor) and write the sound of that
     * instant. */
    for (int i = 0; i < CHUNK; ++i)
        buf[i] = 0.0f;
    for (int k = 0; k < 4; ++k)
        pa_simple_write(s, buf, sizeof buf, &err);
    for (;;) {
        const double playsAt = now() + pa_simple_get_latency(s, &err) / 1e6;
        if (playsAt > g_t0 + g_seconds + 1.0)
            break;
        for (int i = 0; i < CHUNK; ++i) {
            const double since = sinceBeep(playsAt + (double)i / RATE - g_t0);
            buf[i] = (since >= 0 && since < BEEP_S) ? (float)(0.8 * sin(2 * M_PI * 2000.0 * since)) : 0.0f;
        }
        pa_simple_write(s, buf, sizeof buf, &err);
    }
    pa_simple_drain(s, &err);
    pa_simple_free(s);
    return NULL;
}

static void fill(xcb_connection_t *c, xcb_window_t w, xcb_gcontext_t gc, uint32_t colour, int x, int y, int wd,
                 int ht)
{
    if (wd <= 0 || ht <= 0)
        return;
    xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &colour);
    xcb_rectangle_t r = {(int16_t)x, (int16_t)y, (uint16_t)wd, (uint16_t)ht};
    xcb_poly_fill_rectangle(c, w, gc, 1, &r);
}

int main(int argc, char **argv)
{
    g_seconds = argc > 1 ? atof(argv[1]) : 60;
    makeEvents(g_seconds);
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "av-stimulus: no X display\n");
        return 1;
    }
    xcb_screen_t *scr = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    int W = scr->width_in_pixels, H = scr->height_in_pixels;
    int w0 = 0, h0 = 0;
    if (argc > 2 && sscanf(argv[2], "%dx%d", &w0, &h0) == 2 && w0 > 0 && h0 > 0 && w0 <= W && h0 <= H) {
        W = w0;
        H = h0;
    }
    xcb_window_t w = xcb_generate_id(c);
    uint32_t values[2] = {0, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, scr->root, 0, 0, (uint16_t)W, (uint16_t)H, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, scr->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT,
                      values);
    xcb_map_window(c, w);
    xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, w, 0, NULL);
    fill(c, w, gc, 0, 0, 0, W, H);
    xcb_flush(c);

    g_t0 = ceil(now()) + 2.0; /* a whole second, after the sound is running */
    printf("first_beep_monotonic=%.6f\n", g_t0);
    fflush(stdout);
    pthread_t th;
    pthread_create(&th, NULL, sound, NULL);

    const int barTop = H * 5 / 6;
    int lastFlash = -1, lastBar = -1;
    while (now() < g_t0 + g_seconds + 1.0) {
        const double since = sinceBeep(now() - g_t0);
        const int flash = since >= 0 && since < FLASH_S;
        int bar = since < 0 ? 0 : (int)(since / BAR_S * W);
        if (bar > W)
            bar = W;
        if (flash != lastFlash) {
            fill(c, w, gc, flash ? 0xffffff : 0, 0, 0, W, barTop);
            lastFlash = flash;
        }
        if (bar != lastBar) {
            fill(c, w, gc, 0xffffff, 0, barTop, bar, H - barTop);
            fill(c, w, gc, 0, bar, barTop, W - bar, H - barTop);
            lastBar = bar;
        }
        xcb_flush(c);
        sleepUntil(now() + 0.001);
    }
    pthread_join(th, NULL);
    xcb_disconnect(c);
    return 0;
}
