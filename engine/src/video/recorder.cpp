#include "video/recorder.h"

#include "core/log.h"
#include "core/muxer.h"
#include "core/session.h"
#include "core/thread_name.h"
#include "video/screen_source.h"
#include "video/watermark.h"

#include <chrono>
#include <condition_variable>
#include <malloc.h>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace mirelo {

namespace {

struct Finishing
{
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;

    bool isDone()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return done;
    }
};

// Once a recording's encoders, pictures and queues are freed, their memory
// lies free in the allocator's arenas (the stage threads' own ones too),
// which glibc would keep for the next allocation: hand it back to the system.
void giveBackFreedMemory()
{
    malloc_trim(0);
}

struct Finisher
{
    std::thread thread;
    std::shared_ptr<Finishing> state;
};

// How long an explicit stop waits for its file to be finished, so that the
// program finds the file as it stays (its size included); a longer rewrite
// (a recording of a gigabyte or more) goes on behind.
constexpr auto kFinishWait = std::chrono::seconds(2);

std::mutex g_mutex; // guards everything below
MireloCaptureRect g_rect{};
bool g_haveRect = false;
std::unique_ptr<RecordingSession> g_session;  // the running recording
std::unique_ptr<RecordingSession> g_last;     // the last stopped one, for queries
std::shared_ptr<ImageOverlay> g_watermark;
std::shared_ptr<ClickMarks> g_clicks;
int g_sourceKind = 1;
std::vector<Finisher> g_finishers;

void reapFinishers(bool all)
{
    for (auto it = g_finishers.begin(); it != g_finishers.end();) {
        if (all || it->state->isDone()) {
            it->thread.join();
            it = g_finishers.erase(it);
        } else {
            ++it;
        }
    }
}

// Stops the running part; a clean MP4 is then rewritten with its index at
// the front on a thread of its own. A split does not wait for it (the next
// part starts at once); a stop waits a little (kFinishWait).
int stopLocked(bool waitForFile)
{
    if (!g_session)
        return MIRELO_E_BAD_STATE;
    const int r = g_session->stop();
    if (r == MIRELO_OK && g_session->isMp4()) {
        auto state = std::make_shared<Finishing>();
        std::string path = g_session->path();
        g_finishers.push_back({std::thread([path, state] {
                                   nameThread("mirelo-finish");
                                   finishMp4(path);
                                   giveBackFreedMemory();
                                   std::lock_guard<std::mutex> lock(state->mutex);
                                   state->done = true;
                                   state->ended.notify_all();
                               }),
                               state});
        if (waitForFile) {
            std::unique_lock<std::mutex> lock(state->mutex);
            state->ended.wait_for(lock, kFinishWait, [&] { return state->done; });
        }
    }
    g_last = std::move(g_session);
    g_clicks.reset();
    reapFinishers(false);
    return r;
}

} // namespace

int setCaptureRect(const MireloCaptureRect *rect)
{
    if (!rect)
        return MIRELO_E_INVALID_ARGUMENT;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    if (w <= 0 || h <= 0)
        return MIRELO_E_INVALID_ARGUMENT;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_session && g_sourceKind == 1) {
        // The region moved while recording: only the place changes; the
        // size stays the one the recording started with.
        g_rect.left = rect->left;
        g_rect.top = rect->top;
        setCaptureOrigin(rect->left, rect->top);
        return MIRELO_OK;
    }
    if ((w & 1) || (h & 1))
        return MIRELO_E_INVALID_ARGUMENT;
    int sw, sh;
    if (screenSize(sw, sh)
        && (rect->right <= 0 || rect->bottom <= 0 || rect->left >= sw || rect->top >= sh))
        return MIRELO_E_INVALID_ARGUMENT; // nothing of it is on the screen
    g_rect = *rect;
    g_haveRect = true;
    return MIRELO_OK;
}

int startRecording(const RecordParams *params)
{
    if (!params || !params->filePath || !*params->filePath)
        return MIRELO_E_INVALID_ARGUMENT;
    const bool audioOnly = params->audioOnly != 0;
    const int w = params->width, h = params->height;
    // Checked before a running part is touched: a start refused here
    // leaves the running recording going.
    if (!audioOnly) {
        if (w <= 0 || h <= 0 || (w & 1) || (h & 1) || w > 16384 || h > 16384)
            return MIRELO_E_INVALID_ARGUMENT;
        if (!(params->frameRate > 0.5f && params->frameRate <= 240.0f))
            return MIRELO_E_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    const std::string path = params->filePath;
    if (g_session) {
        // A further start with a new path is the next part of a split
        // recording: the running part ends and the new one begins.
        if (path == g_session->path())
            return MIRELO_E_BAD_STATE;
        const int ended = stopLocked(false);
        if (ended != MIRELO_OK) {
            // The part just ended failed (a full disk): that failure is the
            // answer, and no new part starts, so the program ends the
            // recording as after a failed stop.
            logLine("the part before %s failed: %d", path.c_str(), ended);
            return ended;
        }
        // From here on the old part is finished: a start refused below
        // leaves nothing recording.
    }

    SessionConfig config;
    config.path = path;
    config.params = *params;
    config.params.filePath = nullptr;
    config.audio = audioProvider();
    if (!audioOnly) {
        config.video.width = w;
        config.video.height = h;
        config.video.frameRate = params->frameRate;
        config.video.quality = params->videoQuality;
        config.video.family = params->hardwareEncoder;
        if (params->sourceKind == 2) {
            config.source = makeCameraSource(*params);
            if (!config.source)
                return MIRELO_E_NO_DEVICE;
        } else {
            setCaptureOrigin(g_haveRect ? g_rect.left : 0, g_haveRect ? g_rect.top : 0);
            config.source = std::make_unique<ScreenSource>(params->captureCursor != 0);
            if (params->recordClicks) {
                g_clicks = std::make_shared<ClickMarks>(params->clickColor, params->clickRadius);
                config.overlays.push_back(g_clicks);
            }
        }
        if ((params->textWatermark == 1 || params->imageWatermark == 1) && g_watermark)
            config.overlays.push_back(g_watermark);
    }
    g_sourceKind = params->sourceKind == 2 ? 2 : 1;
    auto session = std::make_unique<RecordingSession>();
    const int r = session->start(std::move(config));
    if (r != MIRELO_OK) {
        g_clicks.reset();
        logLine("start of %s failed: %d", path.c_str(), r);
        return r;
    }
    g_session = std::move(session);
    g_last.reset();
    return MIRELO_OK;
}

int stopRecording()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const int r = stopLocked(true);
    giveBackFreedMemory();
    return r;
}

int getRecordedTime(int64_t *microseconds)
{
    if (!microseconds)
        return MIRELO_E_INVALID_ARGUMENT;
    std::lock_guard<std::mutex> lock(g_mutex);
    const RecordingSession *s = g_session ? g_session.get() : g_last.get();
    *microseconds = s ? s->recordedTime() : 0;
    return MIRELO_OK;
}

int getRecordedSize(int64_t *bytes)
{
    if (!bytes)
        return MIRELO_E_INVALID_ARGUMENT;
    std::lock_guard<std::mutex> lock(g_mutex);
    const RecordingSession *s = g_session ? g_session.get() : g_last.get();
    *bytes = s ? s->recordedSize() : 0;
    return MIRELO_OK;
}

int addMouseClick(int x, int y)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_session)
        return MIRELO_E_BAD_STATE;
    if (!g_clicks || g_session->paused())
        return MIRELO_OK;
    g_clicks->add(x - g_rect.left, y - g_rect.top, g_session->recordedTime());
    return MIRELO_OK;
}

int pauseRecording()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_session ? g_session->pause() : MIRELO_E_BAD_STATE;
}

int resumeRecording()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_session ? g_session->resume() : MIRELO_E_BAD_STATE;
}

int setWatermark(const WatermarkParams *params)
{
    if (!params)
        return MIRELO_E_INVALID_ARGUMENT;
    int result = MIRELO_OK;
    std::shared_ptr<ImageOverlay> overlay = renderWatermark(*params, result);
    std::lock_guard<std::mutex> lock(g_mutex);
    // The last call wins, a failed one included: a watermark the user
    // changed is never stamped in its old form.
    g_watermark = overlay;
    return result;
}

void recorderShutdown()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_session)
        stopLocked(false);
    reapFinishers(true);
    g_last.reset();
    g_watermark.reset();
    g_haveRect = false;
    closeScreenInfo();
}

} // namespace mirelo
