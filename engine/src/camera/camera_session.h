#pragma once
// One camera streaming: a thread of the engine reads the device, decodes each
// picture, mirrors it when asked, keeps the latest one (for photos), draws it
// into the preview window when there is one, and hands it to the recording
// when one listens.
#include "camera/camera_device.h"
#include "camera/preview_window.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace mirelo::camera {

class CameraSession
{
public:
    using FrameSink = std::function<void(const Frame &)>;

    CameraSession(CameraPtr camera, int formatIndex);
    ~CameraSession();
    CameraSession(const CameraSession &) = delete;
    CameraSession &operator=(const CameraSession &) = delete;

    // Opens the device on the calling thread and starts streaming; 0 or
    // the errno value that kept the device from opening.
    int start();
    void stop();

    const CameraPtr &camera() const { return m_camera; }
    int formatIndex() const { return m_format; }
    // False once the device failed or went away while streaming.
    bool isStreaming() const;

    // The window the pictures are drawn into; null stops drawing.
    void setWindow(std::unique_ptr<PreviewWindow> window);
    bool hasWindow() const;

    // The recording's receiver of every picture, called on the session's
    // thread; null ends it, and once setSink returns the old one is not
    // called any more.
    void setSink(FrameSink sink);
    std::unique_ptr<PreviewWindow> takeWindow();

    // Copies the latest picture, waiting up to waitMs for a first one.
    bool latestFrame(Frame &out, int waitMs);

private:
    void run();

    CameraPtr m_camera;
    int m_format;
    std::unique_ptr<CameraStream> m_stream;
    std::thread m_thread;

    mutable std::mutex m_mutex; // guards the state below up to the sink
    std::condition_variable m_cond;
    bool m_stopping = false;
    bool m_streaming = false;
    Frame m_latest;
    uint64_t m_frameCount = 0;

    std::mutex m_sinkMutex; // held while the sink runs, so clearing it waits for that
    FrameSink m_sink;

    mutable std::mutex m_windowMutex; // held while drawing and while swapping
    std::unique_ptr<PreviewWindow> m_window;
};

} // namespace mirelo::camera
