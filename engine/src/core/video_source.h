#pragma once
// Where the pictures of a recording come from. The screen grabber
// (video/screen_source) implements it for screen jobs; the camera module
// implements it for webcam jobs and registers a factory below.
#include <mirelo/engine_api.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace mirelo {

// A rectangle of a picture, in pixels.
struct PictureRect
{
    int x, y, w, h;
};

// A picture in the recording's size: 32-bit BGRA (B, G, R, X bytes in
// memory, the X server's and QImage::Format_RGB32's layout), rows `stride`
// bytes apart.
//
// By default the pipeline draws the overlays straight into it, so it must
// be writable, and converts all of it. A source that keeps its own copy of
// the picture and knows what changed (the screen) sets `persistent`: the
// pipeline then leaves the buffer alone and converts only the rectangles
// listed in `changed` (all of it when `changed` is null).
struct VideoPicture
{
    uint8_t *data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    bool persistent = false;
    const std::vector<PictureRect> *changed = nullptr;
};

class Overlay;

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

    // Something the source draws over its own pictures (the cursor), or
    // null. Drawn before the recording's overlays.
    virtual Overlay *overlay() { return nullptr; }
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
    // Called first for each picture: appends the rectangles that draw()
    // will touch. `recordingUs` is the picture's recording time (pause left
    // out).
    virtual void area(int64_t recordingUs, int width, int height, std::vector<PictureRect> &out)
    {
        (void)recordingUs;
        out.push_back({0, 0, width, height});
    }
    // Called after area() for the same picture: true when draw() would draw
    // just what it drew for the previous picture, in the same place, so a
    // picture where nothing else changed is not composed again.
    virtual bool unchanged() const { return false; }
    // Draws into the picture, only within the rectangles given by area().
    virtual void draw(VideoPicture &picture, int64_t recordingUs) = 0;
};

} // namespace mirelo
