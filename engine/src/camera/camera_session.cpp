#include "camera/camera_session.h"
#include "camera/pixel_formats.h"
#include "core/thread_name.h"

#include <chrono>

namespace mirelo::camera {

CameraSession::CameraSession(CameraPtr camera, int formatIndex)
    : m_camera(std::move(camera)), m_format(formatIndex)
{
}

CameraSession::~CameraSession() { stop(); }

int CameraSession::start()
{
    m_stream = makeStream(*m_camera);
    const int err = m_stream->open(*m_camera, m_format);
    if (err != 0) {
        m_stream.reset();
        return err;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = false;
        m_streaming = true;
    }
    m_thread = std::thread([this] {
        nameThread("mirelo-camera");
        run();
    });
    return 0;
}

void CameraSession::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_cond.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    if (m_stream) {
        m_stream->close();
        m_stream.reset();
    }
    std::lock_guard<std::mutex> lock(m_windowMutex);
    m_window.reset();
}

bool CameraSession::isStreaming() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_streaming;
}

void CameraSession::setWindow(std::unique_ptr<PreviewWindow> window)
{
    std::lock_guard<std::mutex> lock(m_windowMutex);
    m_window = std::move(window);
}

bool CameraSession::hasWindow() const
{
    std::lock_guard<std::mutex> lock(m_windowMutex);
    return m_window != nullptr;
}

void CameraSession::setSink(FrameSink sink)
{
    std::lock_guard<std::mutex> lock(m_sinkMutex);
    m_sink = std::move(sink);
}

std::unique_ptr<PreviewWindow> CameraSession::takeWindow()
{
    std::lock_guard<std::mutex> lock(m_windowMutex);
    return std::move(m_window);
}

bool CameraSession::latestFrame(Frame &out, int waitMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cond.wait_for(lock, std::chrono::milliseconds(waitMs),
                    [this] { return m_frameCount > 0 || !m_streaming || m_stopping; });
    if (m_frameCount == 0)
        return false;
    out = m_latest;
    return true;
}

void CameraSession::run()
{
    Frame frame;
    RawFrame raw;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopping)
                break;
        }
        const int r = m_stream->read(raw, 100);
        if (r < 0)
            break;
        if (r == 0 || !decodeFrame(raw, frame))
            continue;
        if (m_camera->flip.load())
            mirrorFrame(frame);

        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_latest = frame;
            ++m_frameCount;
        }
        m_cond.notify_all();
        {
            std::lock_guard<std::mutex> lock(m_sinkMutex);
            if (m_sink)
                m_sink(frame);
        }
        std::lock_guard<std::mutex> lock(m_windowMutex);
        if (m_window && !m_window->isGone())
            m_window->draw(frame);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_streaming = false;
    m_cond.notify_all();
}

} // namespace mirelo::camera
