// The synthetic camera, for tests: built only into the test build of the
// engine (libMirelo_test.so), never into the shipped one. It behaves
// as a device does: it lists formats, streams pictures in the format chosen
// (JPEG for its MJPG format, packed YUV for its YUY2 one) at that format's
// rate, and those pictures go through the same decoding as a real camera's.
//
// MIRELO_TEST_CAMERA=1 adds it to the list. MIRELO_TEST_CAMERA_FAULT, read
// each time it is opened, makes opening fail as a device would: "denied"
// (no permission, EACCES) or "busy" (EBUSY).
#include "camera/synthetic_camera.h"
#include "camera/jpeg.h"
#include "camera/pixel_formats.h"

#include <libyuv.h>
#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace mirelo::camera {
namespace {

using Clock = std::chrono::steady_clock;

// The moving test picture: a dark-to-light ramp with a red left edge and a
// blue right edge (so a mirrored picture is told from a plain one), and a
// white block that crosses the picture once every two seconds.
void paintPattern(Frame &f, int64_t number, double fps)
{
    const int w = f.width, h = f.height;
    const int edge = w / 4;
    const double t = double(number) / fps;
    const int block = std::max(8, h / 4);
    const int bx = int((t / 2.0 - int(t / 2.0)) * (w - block));
    const int by = (h - block) / 2;
    for (int y = 0; y < h; ++y) {
        uint8_t *p = f.row(y);
        for (int x = 0; x < w; ++x, p += 4) {
            const uint8_t ramp = uint8_t(40 + 120 * x / std::max(1, w - 1));
            uint8_t r = ramp, g = ramp, b = ramp;
            if (x < edge) {
                r = 220; g = 30; b = 30;
            } else if (x >= w - edge) {
                r = 30; g = 30; b = 220;
            }
            if (x >= bx && x < bx + block && y >= by && y < by + block)
                r = g = b = 255;
            p[0] = b; p[1] = g; p[2] = r; p[3] = 255;
        }
    }
}

class SyntheticStream final : public CameraStream
{
public:
    int open(const CameraInfo &camera, int formatIndex) override
    {
        close();
        if (formatIndex < 0 || size_t(formatIndex) >= camera.formats.size())
            return EINVAL;
        if (const char *fault = std::getenv("MIRELO_TEST_CAMERA_FAULT")) {
            if (std::strcmp(fault, "denied") == 0)
                return EACCES;
            if (std::strcmp(fault, "busy") == 0)
                return EBUSY;
        }
        const CameraFormat &f = camera.formats[size_t(formatIndex)];
        m_fourcc = camera.details[size_t(formatIndex)].fourcc;
        m_fps = f.framesPerSecond > 0 ? f.framesPerSecond : 30.0;
        m_picture.resize(f.width, f.height);
        m_number = 0;
        m_start = Clock::now();
        m_open = true;
        return 0;
    }

    int read(RawFrame &frame, int timeoutMs) override
    {
        if (!m_open)
            return -1;
        const auto due = m_start + std::chrono::microseconds(int64_t(1e6 * double(m_number) / m_fps));
        const auto limit = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
        if (due > limit) {
            std::this_thread::sleep_until(limit);
            return 0;
        }
        std::this_thread::sleep_until(due);
        paintPattern(m_picture, m_number++, m_fps);

        frame.fourcc = m_fourcc;
        frame.width = m_picture.width;
        frame.height = m_picture.height;
        if (m_fourcc == V4L2_PIX_FMT_MJPEG) {
            if (!encodeJpeg(m_picture, 85, m_bytes))
                return -1;
            frame.stride = 0;
        } else {
            frame.stride = m_picture.width * 2;
            m_bytes.resize(size_t(frame.stride) * size_t(m_picture.height));
            libyuv::ARGBToYUY2(m_picture.pixels.data(), m_picture.stride(), m_bytes.data(), frame.stride,
                               m_picture.width, m_picture.height);
        }
        frame.data = m_bytes.data();
        frame.size = m_bytes.size();
        return 1;
    }

    void close() override { m_open = false; }

private:
    bool m_open = false;
    uint32_t m_fourcc = 0;
    double m_fps = 30.0;
    Frame m_picture;
    std::vector<uint8_t> m_bytes;
    int64_t m_number = 0;
    Clock::time_point m_start;
};

void addFormat(CameraInfo &cam, uint32_t fourcc, int w, int h, uint32_t fps)
{
    CameraFormat f;
    f.width = w;
    f.height = h;
    f.framesPerSecond = float(fps);
    f.pixelFormat = pixelFormatName(fourcc);
    cam.formats.push_back(f);
    cam.details.push_back(FormatDetail{fourcc, 1, fps});
}

} // namespace

bool syntheticCameraWanted()
{
    const char *v = std::getenv("MIRELO_TEST_CAMERA");
    return v && std::strcmp(v, "1") == 0;
}

CameraPtr syntheticCamera()
{
    auto cam = std::make_shared<CameraInfo>();
    cam->name = "Mirelo Test Camera";
    cam->id = "synthetic:mirelo-test-camera";
    cam->synthetic = true;
    addFormat(*cam, V4L2_PIX_FMT_MJPEG, 640, 480, 30);
    addFormat(*cam, V4L2_PIX_FMT_YUYV, 320, 240, 15);
    return cam;
}

std::unique_ptr<CameraStream> makeSyntheticStream() { return std::make_unique<SyntheticStream>(); }

namespace {
std::vector<CameraPtr> listSynthetic()
{
    if (!syntheticCameraWanted())
        return {};
    return {syntheticCamera()};
}

// Linked in, the test camera joins the engine's list.
[[maybe_unused]] const bool g_installed = [] {
    setExtraCameraSource({&listSynthetic, &makeSyntheticStream});
    return true;
}();
} // namespace

} // namespace mirelo::camera
