/*
 * mirelo-rec: records the screen through an engine library's one entry
 * symbol, the way any program built on the engine contract does. Used by
 * the engine tests and the benchmark.
 *
 *   mirelo-rec [options] OUTPUT
 *     --lib PATH            engine library (default: build/bin/libMirelo.so)
 *     --rect X,Y,W,H        capture rectangle (default 0,0,1920,1080)
 *     --fps N               frame rate (default 30)
 *     --seconds S           length of the recording (default 3)
 *     --quality Q           0 High, 1 Medium, 2 Low (default 1)
 *     --encoder F           hardware family (default 0, software)
 *     --cursor              draw the cursor
 *     --clicks RGB,R        record clicks with colour 0xRRGGBB and radius R
 *     --click-at S,X,Y      a left-button press at second S (screen pixels)
 *     --pause S,D           pause at second S for D seconds
 *     --move-at S,X,Y       move the capture rectangle at second S
 *     --split-at S,PATH     continue into PATH at second S
 *     --watermark-text X,Y,W,H,RGB,TEXT
 *     --watermark-image X,Y,W,H,PATH
 *     --transparency T      watermark transparency 0..1
 *     --audio               record audio too (system sound and microphone)
 *     --audio-only          an audio-only job (MP3)
 *     --no-stop             never stop (for kill tests): wait forever
 *     --repeat N            N recordings one after the other into OUTPUT, in
 *                           one engine session (for memory over many)
 * Prints "start=<result>" and at the end "stop=<result> time_us=... size=...
 * rss_kb=..." (resident memory once the stop returned); with --repeat, first
 * "rss_before_kb=...".
 * Exit status 0 when start and stop succeeded.
 */
#define _GNU_SOURCE
#include <mirelo/engine_api.h>

#include <dlfcn.h>
#include <getopt.h>
#include <libgen.h>
#include <limits.h>
#include <malloc.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#define MAX_EVENTS 32

enum { EV_CLICK, EV_PAUSE, EV_RESUME, EV_MOVE, EV_SPLIT };
struct event { double at; int kind; int x, y; const char *path; };

static struct event events[MAX_EVENTS];
static int eventCount;
static MireloEngineEntryFn entry;

static void *op(int n)
{
    void *p = entry(n);
    if (!p) {
        fprintf(stderr, "mirelo-rec: the engine has no operation %d\n", n);
        exit(2);
    }
    return p;
}

static double now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

static void addEvent(double at, int kind, int x, int y, const char *path)
{
    if (eventCount >= MAX_EVENTS) {
        fprintf(stderr, "mirelo-rec: too many timed actions\n");
        exit(2);
    }
    events[eventCount].at = at;
    events[eventCount].kind = kind;
    events[eventCount].x = x;
    events[eventCount].y = y;
    events[eventCount].path = path;
    ++eventCount;
}

static int byTime(const void *a, const void *b)
{
    const struct event *x = a, *y = b;
    return x->at < y->at ? -1 : x->at > y->at;
}

/* UTF-8 to a new terminated UTF-16 string. */
static char16_t *utf16(const char *s)
{
    size_t n = strlen(s);
    char16_t *out = calloc(2 * n + 1, sizeof(char16_t));
    size_t o = 0;
    const unsigned char *p = (const unsigned char *)s;
    while (*p) {
        unsigned cp;
        int extra;
        if (*p < 0x80) { cp = *p; extra = 0; }
        else if ((*p & 0xe0) == 0xc0) { cp = *p & 0x1f; extra = 1; }
        else if ((*p & 0xf0) == 0xe0) { cp = *p & 0x0f; extra = 2; }
        else { cp = *p & 0x07; extra = 3; }
        ++p;
        while (extra-- > 0 && (*p & 0xc0) == 0x80)
            cp = (cp << 6) | (*p++ & 0x3f);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out[o++] = (char16_t)(0xd800 + (cp >> 10));
            out[o++] = (char16_t)(0xdc00 + (cp & 0x3ff));
        } else {
            out[o++] = (char16_t)cp;
        }
    }
    return out;
}

static int callback(int event, int *data, void *context)
{
    (void)event; (void)data; (void)context;
    return 0;
}

/* Resident memory of this process in kB (VmRSS), -1 when unknown. */
static long residentKb(void)
{
    FILE *f = fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (f && fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1)
            break;
    if (f)
        fclose(f);
    return kb;
}

static void sleepUntil(double t)
{
    double d = t - now();
    if (d > 0)
        usleep((useconds_t)(d * 1e6));
}

int main(int argc, char **argv)
{
    const char *lib = NULL;
    int rx = 0, ry = 0, rw = 1920, rh = 1080;
    double fps = 30, seconds = 3, transparency = 0;
    int quality = 1, encoder = 0, cursor = 0, clicks = 0, clickRgb = 0xff0000, clickRadius = 15;
    int audio = 0, audioOnly = 0, noStop = 0, repeat = 1;
    WatermarkParams wm;
    memset(&wm, 0, sizeof wm);
    int haveWatermark = 0;

    static const struct option options[] = {
        {"lib", 1, 0, 'l'}, {"rect", 1, 0, 'r'}, {"fps", 1, 0, 'f'}, {"seconds", 1, 0, 's'},
        {"quality", 1, 0, 'q'}, {"encoder", 1, 0, 'e'}, {"cursor", 0, 0, 'c'}, {"clicks", 1, 0, 'k'},
        {"click-at", 1, 0, 'K'}, {"pause", 1, 0, 'p'}, {"move-at", 1, 0, 'm'}, {"split-at", 1, 0, 'S'},
        {"watermark-text", 1, 0, 't'}, {"watermark-image", 1, 0, 'i'}, {"transparency", 1, 0, 'T'},
        {"audio", 0, 0, 'a'}, {"audio-only", 0, 0, 'A'}, {"no-stop", 0, 0, 'N'}, {"repeat", 1, 0, 'R'}, {0, 0, 0, 0}};
    int c;
    while ((c = getopt_long(argc, argv, "", options, NULL)) != -1) {
        double s, d;
        int x, y, w, h, n;
        switch (c) {
        case 'l': lib = optarg; break;
        case 'r':
            if (sscanf(optarg, "%d,%d,%d,%d", &rx, &ry, &rw, &rh) != 4) goto usage;
            break;
        case 'f': fps = atof(optarg); break;
        case 's': seconds = atof(optarg); break;
        case 'q': quality = atoi(optarg); break;
        case 'e': encoder = atoi(optarg); break;
        case 'c': cursor = 1; break;
        case 'k':
            if (sscanf(optarg, "%x,%d", (unsigned *)&clickRgb, &clickRadius) != 2) goto usage;
            clicks = 1;
            break;
        case 'K':
            if (sscanf(optarg, "%lf,%d,%d", &s, &x, &y) != 3) goto usage;
            addEvent(s, EV_CLICK, x, y, NULL);
            break;
        case 'p':
            if (sscanf(optarg, "%lf,%lf", &s, &d) != 2) goto usage;
            addEvent(s, EV_PAUSE, 0, 0, NULL);
            addEvent(s + d, EV_RESUME, 0, 0, NULL);
            break;
        case 'm':
            if (sscanf(optarg, "%lf,%d,%d", &s, &x, &y) != 3) goto usage;
            addEvent(s, EV_MOVE, x, y, NULL);
            break;
        case 'S':
            if (sscanf(optarg, "%lf,%n", &s, &n) != 1) goto usage;
            addEvent(s, EV_SPLIT, 0, 0, optarg + n);
            break;
        case 't': {
            unsigned rgb;
            if (sscanf(optarg, "%d,%d,%d,%d,%x,%n", &x, &y, &w, &h, &rgb, &n) != 5) goto usage;
            wm.kind = MIRELO_WATERMARK_TEXT;
            wm.left = x; wm.top = y; wm.right = x + w; wm.bottom = y + h;
            wm.fontPointSize = 24;
            wm.fontFamily = utf16("DejaVu Sans");
            wm.bold = 1;
            wm.textColor = (int)(((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff));
            wm.text = utf16(optarg + n);
            haveWatermark = 1;
            break;
        }
        case 'i':
            if (sscanf(optarg, "%d,%d,%d,%d,%n", &x, &y, &w, &h, &n) != 4) goto usage;
            wm.kind = MIRELO_WATERMARK_IMAGE;
            wm.left = x; wm.top = y; wm.right = x + w; wm.bottom = y + h;
            wm.imagePath = utf16(optarg + n);
            haveWatermark = 2;
            break;
        case 'T': transparency = atof(optarg); break;
        case 'a': audio = 1; break;
        case 'A': audioOnly = 1; break;
        case 'N': noStop = 1; break;
        case 'R': repeat = atoi(optarg); if (repeat < 1) goto usage; break;
        default: goto usage;
        }
    }
    if (optind + 1 != argc)
        goto usage;

    /* The allocator as the program sets it (two arenas), so memory is
     * measured as it runs there. */
    mallopt(M_ARENA_MAX, 2);
    char defaultLib[PATH_MAX];
    if (!lib) {
        char self[PATH_MAX];
        ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n < 0) n = 0;
        self[n] = 0;
        snprintf(defaultLib, sizeof defaultLib, "%s/../../bin/libMirelo.so", dirname(self));
        lib = defaultLib;
    }
    void *handle = dlopen(lib, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        fprintf(stderr, "mirelo-rec: %s\n", dlerror());
        return 2;
    }
    entry = (MireloEngineEntryFn)dlsym(handle, MIRELO_ENGINE_ENTRY_SYMBOL);
    if (!entry) {
        fprintf(stderr, "mirelo-rec: no %s in %s\n", MIRELO_ENGINE_ENTRY_SYMBOL, lib);
        return 2;
    }

    ((MireloInitializeFn)op(MIRELO_OP_INITIALIZE))("", callback, NULL);
    RecordParams params;
    memset(&params, 0, sizeof params);
    params.filePath = argv[optind];
    params.fixedCode = 2;
    params.sampleRate = 48000;
    params.audioSources = (audio || audioOnly) ? (MIRELO_DEVICE_SYSTEM_SOUND | MIRELO_DEVICE_MICROPHONE) : 0;
    if (audioOnly) {
        params.audioOnly = 1;
    } else {
        MireloCaptureRect rect = {rx, ry, rx + rw, ry + rh};
        int r = ((MireloSetCaptureRectFn)op(MIRELO_OP_SET_CAPTURE_RECT))(&rect);
        if (r < 0) {
            printf("rect=%d\n", r);
            fflush(stdout);
            return 1;
        }
        wm.transparency = (float)transparency;
        ((MireloSetWatermarkFn)op(MIRELO_OP_SET_WATERMARK))(&wm);
        params.hardwareEncoder = encoder;
        params.width = rw;
        params.height = rh;
        params.frameRate = (float)fps;
        params.videoQuality = quality;
        params.streamCode = 3;
        params.captureCursor = cursor;
        params.recordClicks = clicks;
        params.clickColor = ((clickRgb & 0xff) << 16) | (clickRgb & 0xff00) | ((clickRgb >> 16) & 0xff);
        params.clickRadius = clickRadius;
        params.sourceKind = 1;
        params.textWatermark = haveWatermark == 1;
        params.imageWatermark = haveWatermark == 2;
    }
    if (audio || audioOnly) {
        MireloOpenAudioDeviceFn open = (MireloOpenAudioDeviceFn)entry(MIRELO_OP_OPEN_AUDIO_DEVICE);
        if (open) {
            open(MIRELO_DEVICE_SYSTEM_SOUND);
            open(MIRELO_DEVICE_MICROPHONE);
        }
    }
    if (repeat > 1) {
        printf("rss_before_kb=%ld\n", residentKb());
        fflush(stdout);
    }
    int s = 0;
    for (int round = 0; round < repeat; ++round) {
        params.filePath = argv[optind];
        double t0 = now();
        int r = ((MireloStartRecordingFn)op(MIRELO_OP_START_RECORDING))(&params);
        printf("start=%d start_ms=%.1f\n", r, (now() - t0) * 1000);
        fflush(stdout);
        if (r < 0) {
            ((MireloShutdownFn)op(MIRELO_OP_SHUTDOWN))();
            return 1;
        }
        t0 = now();
        if (round == 0)
            qsort(events, (size_t)eventCount, sizeof events[0], byTime);
        for (int i = 0; i < eventCount; ++i) {
            sleepUntil(t0 + events[i].at);
            switch (events[i].kind) {
            case EV_CLICK: ((MireloAddMouseClickFn)op(MIRELO_OP_ADD_MOUSE_CLICK))(events[i].x, events[i].y); break;
            case EV_PAUSE: ((MireloPauseRecordingFn)op(MIRELO_OP_PAUSE_RECORDING))(); break;
            case EV_RESUME: ((MireloResumeRecordingFn)op(MIRELO_OP_RESUME_RECORDING))(); break;
            case EV_MOVE: {
                MireloCaptureRect rect = {events[i].x, events[i].y, events[i].x + rw, events[i].y + rh};
                ((MireloSetCaptureRectFn)op(MIRELO_OP_SET_CAPTURE_RECT))(&rect);
                break;
            }
            case EV_SPLIT: {
                int64_t us = 0;
                ((MireloGetRecordedTimeFn)op(MIRELO_OP_GET_RECORDED_TIME))(&us);
                int s = ((MireloStopRecordingFn)op(MIRELO_OP_STOP_RECORDING))();
                params.filePath = (char *)events[i].path;
                r = ((MireloStartRecordingFn)op(MIRELO_OP_START_RECORDING))(&params);
                printf("split stop=%d time_us=%lld start=%d\n", s, (long long)us, r);
                fflush(stdout);
                break;
            }
            }
        }
        if (noStop)
            for (;;)
                pause();
        sleepUntil(t0 + seconds);
        int64_t us = 0, bytes = 0;
        ((MireloGetRecordedTimeFn)op(MIRELO_OP_GET_RECORDED_TIME))(&us);
        ((MireloGetRecordedSizeFn)op(MIRELO_OP_GET_RECORDED_SIZE))(&bytes);
        t0 = now();
        s = ((MireloStopRecordingFn)op(MIRELO_OP_STOP_RECORDING))();
        double stopMs = (now() - t0) * 1000;
        printf("stop=%d stop_ms=%.1f time_us=%lld size=%lld rss_kb=%ld\n", s, stopMs, (long long)us,
               (long long)bytes, residentKb());
        fflush(stdout);
        if (s != 0)
            break;
    }
    ((MireloShutdownFn)op(MIRELO_OP_SHUTDOWN))();
    return s == 0 ? 0 : 1;

usage:
    fprintf(stderr, "usage: mirelo-rec [options] OUTPUT (see the comment at the top of mirelo-rec.c)\n");
    return 2;
}
