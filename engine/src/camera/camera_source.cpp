// The picture source of a webcam recording: the streaming camera's latest
// picture, mirrored as the preview shows it, stretched to the recording's
// size. The camera keeps its own rate; the recording takes whatever picture
// is newest at each of its ticks, so a slow camera repeats pictures rather
// than leaving gaps.
#include "camera/camera_registry.h"
#include "camera/pixel_formats.h"
#include "core/video_source.h"

#include <cstring>

namespace mirelo::camera {
namespace {

class CameraVideoSource final : public VideoSource
{
public:
    explicit CameraVideoSource(std::shared_ptr<FrameMailbox> mailbox) : m_mailbox(std::move(mailbox)) {}
    ~CameraVideoSource() override { close(); }

    int open(int width, int height) override
    {
        if (width <= 0 || height <= 0)
            return MIRELO_E_INVALID_ARGUMENT;
        m_out.resize(width, height);
        std::fill(m_out.pixels.begin(), m_out.pixels.end(), 0); // black until the first picture
        m_scaled = m_out;
        return MIRELO_OK;
    }

    bool grab(VideoPicture &out, int64_t) override
    {
        if (m_out.isNull())
            return false;
        {
            std::lock_guard<std::mutex> lock(m_mailbox->mutex);
            if (m_mailbox->count != m_seen) {
                m_seen = m_mailbox->count;
                m_latest = m_mailbox->frame;
                m_fresh = true;
            }
        }
        if (m_fresh && !m_latest.isNull()) {
            scaleFrame(m_latest, m_out.width, m_out.height, m_scaled);
            m_fresh = false;
        }
        // Overlays draw into the picture handed out: start from a clean copy.
        std::memcpy(m_out.pixels.data(), m_scaled.pixels.data(), m_out.pixels.size());
        out.data = m_out.pixels.data();
        out.stride = m_out.stride();
        out.width = m_out.width;
        out.height = m_out.height;
        return true;
    }

    void close() override
    {
        if (!m_mailbox)
            return;
        Registry &r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        if (r.recording == m_mailbox) {
            r.recording.reset();
            if (r.session)
                r.session->setSink(nullptr);
            releaseSession(r);
        }
        m_mailbox.reset();
    }

private:
    std::shared_ptr<FrameMailbox> m_mailbox;
    uint64_t m_seen = 0;
    bool m_fresh = false;
    Frame m_latest, m_scaled, m_out;
};

// Made when a webcam recording starts: the camera the preview shows, else
// the selected one opened for the recording. Null when neither streams.
std::unique_ptr<VideoSource> makeSource(const RecordParams &)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!r.session || !r.session->isStreaming()) {
        const CameraPtr cam = r.selectedCamera();
        if (!cam || cam->formats.empty() || startSession(r, cam, cam->chosenFormat.load()) != 0)
            return nullptr;
    }
    auto mailbox = std::make_shared<FrameMailbox>();
    r.recording = mailbox;
    r.session->setSink([mailbox](const Frame &f) { mailbox->put(f); });
    return std::make_unique<CameraVideoSource>(mailbox);
}

} // namespace

void registerRecordingSource() { registerCameraSourceFactory(&makeSource); }
void unregisterRecordingSource() { registerCameraSourceFactory(nullptr); }

} // namespace mirelo::camera
