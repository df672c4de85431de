#pragma once
// Where the pictures of a recording come from. The screen grabber
// (video/screen_source) implements it for screen jobs; the camera module
// implements it for webcam jobs and registers a factory below.
#include <mirelo/engine_api.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace mirelo {

// A picture in the recording's size: 32-bit BGRA (B, G, R, X bytes in
// memory, the X server's and QImage::Format_RGB32's layout), rows `stride`
// bytes apart. Overlays draw into it, so it must be writable.
struct VideoPicture
{
    uint8_t *data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
};

class VideoSource
{
public:
    virtual ~VideoSource() = default;

    // Called once on the capture thread before the first grab, with the
    // recording's even size. Returns MIRELO_OK or a negative result.
    virtual int open(int width, int height) = 0;

    // Called on the capture thread at every frame tick (the job's frame
    // rate, paced by the recording). Fills `out` with the current picture,
    // valid until the next grab() or close(). `monotonicUs` is the tick's
    // instant. Return false when there is no new picture: the previous one
    // is repeated (so a slow camera never leaves a gap in the file).
    virtual bool grab(VideoPicture &out, int64_t monotonicUs) = 0;

    // Called on the capture thread after the last grab.
    virtual void close() = 0;
};

// The camera module registers how it makes the source of a webcam job
// (sourceKind 2); `params` is the started job's block. Returning null makes
// the start fail with MIRELO_E_NO_DEVICE. Pass an empty function to remove.
using VideoSourceFactory = std::function<std::unique_ptr<VideoSource>(const RecordParams &params)>;
void registerCameraSourceFactory(VideoSourceFactory factory);
std::unique_ptr<VideoSource> makeCameraSource(const RecordParams &params);

// Something drawn over every picture before it is encoded (click marks,
// the watermark). Runs on the capture thread.
class Overlay
{
public:
    virtual ~Overlay() = default;
    // `recordingUs` is the picture's recording time (pause left out).
    virtual void draw(VideoPicture &picture, int64_t recordingUs) = 0;
};

} // namespace mirelo
