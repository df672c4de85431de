// Streaming from a Video4Linux2 device through memory-mapped buffers.
#include "camera/camera_device.h"
#include "camera/v4l2_util.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

namespace mirelo::camera {
namespace {

class V4l2Stream final : public CameraStream
{
public:
    ~V4l2Stream() override { close(); }

    int open(const CameraInfo &camera, int formatIndex) override
    {
        close();
        if (formatIndex < 0 || size_t(formatIndex) >= camera.formats.size())
            return EINVAL;
        const CameraFormat &want = camera.formats[size_t(formatIndex)];
        const FormatDetail &detail = camera.details[size_t(formatIndex)];

        m_fd = ::open(camera.path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            return errno;
        v4l2_format f{};
        f.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        f.fmt.pix.width = uint32_t(want.width);
        f.fmt.pix.height = uint32_t(want.height);
        f.fmt.pix.pixelformat = detail.fourcc;
        f.fmt.pix.field = V4L2_FIELD_ANY;
        if (xioctl(m_fd, VIDIOC_S_FMT, &f) != 0)
            return failWith(errno);
        if (f.fmt.pix.pixelformat != detail.fourcc)
            return failWith(EINVAL);
        m_fourcc = f.fmt.pix.pixelformat;
        m_width = int(f.fmt.pix.width);
        m_height = int(f.fmt.pix.height);
        m_stride = int(f.fmt.pix.bytesperline);

        v4l2_streamparm parm{};
        parm.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        parm.parm.capture.timeperframe.numerator = detail.intervalNumerator;
        parm.parm.capture.timeperframe.denominator = detail.intervalDenominator;
        xioctl(m_fd, VIDIOC_S_PARM, &parm); // a device that keeps its own rate still works

        v4l2_requestbuffers req{};
        req.count = 4;
        req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        req.memory = V4L2_MEMORY_MMAP;
        if (xioctl(m_fd, VIDIOC_REQBUFS, &req) != 0)
            return failWith(errno);
        if (req.count < 2)
            return failWith(ENOMEM);
        for (uint32_t i = 0; i < req.count && i < kMaxBuffers; ++i) {
            v4l2_buffer b{};
            b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
            b.memory = V4L2_MEMORY_MMAP;
            b.index = i;
            if (xioctl(m_fd, VIDIOC_QUERYBUF, &b) != 0)
                return failWith(errno);
            void *p = ::mmap(nullptr, b.length, PROT_READ, MAP_SHARED, m_fd, b.m.offset);
            if (p == MAP_FAILED)
                return failWith(errno);
            m_buffers[m_count++] = {p, b.length};
            if (xioctl(m_fd, VIDIOC_QBUF, &b) != 0)
                return failWith(errno);
        }
        int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        if (xioctl(m_fd, VIDIOC_STREAMON, &type) != 0)
            return failWith(errno);
        m_streaming = true;
        return 0;
    }

    int read(RawFrame &frame, int timeoutMs) override
    {
        if (m_fd < 0)
            return -1;
        requeue();
        pollfd p{m_fd, POLLIN, 0};
        const int r = ::poll(&p, 1, timeoutMs);
        if (r == 0 || (r < 0 && errno == EINTR))
            return 0;
        if (r < 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return -1;
        v4l2_buffer b{};
        b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        b.memory = V4L2_MEMORY_MMAP;
        if (xioctl(m_fd, VIDIOC_DQBUF, &b) != 0)
            return errno == EAGAIN ? 0 : -1;
        if (b.index >= m_count) {
            return -1;
        }
        m_pending = int(b.index);
        if (b.flags & V4L2_BUF_FLAG_ERROR)
            return 0;
        frame.fourcc = m_fourcc;
        frame.width = m_width;
        frame.height = m_height;
        frame.stride = m_stride;
        frame.data = static_cast<const uint8_t *>(m_buffers[b.index].start);
        // A few drivers leave bytesused at 0 for raw pictures: the buffer is whole then.
        const size_t used = b.bytesused ? b.bytesused : m_buffers[b.index].length;
        frame.size = std::min<size_t>(used, m_buffers[b.index].length);
        return 1;
    }

    void close() override
    {
        if (m_fd < 0)
            return;
        if (m_streaming) {
            int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
            xioctl(m_fd, VIDIOC_STREAMOFF, &type);
        }
        for (uint32_t i = 0; i < m_count; ++i)
            ::munmap(m_buffers[i].start, m_buffers[i].length);
        m_count = 0;
        m_pending = -1;
        m_streaming = false;
        ::close(m_fd);
        m_fd = -1;
    }

private:
    static constexpr uint32_t kMaxBuffers = 8;
    struct Buffer {
        void *start = nullptr;
        size_t length = 0;
    };

    int failWith(int err)
    {
        close();
        return err ? err : EIO;
    }

    void requeue()
    {
        if (m_pending < 0)
            return;
        v4l2_buffer b{};
        b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        b.memory = V4L2_MEMORY_MMAP;
        b.index = uint32_t(m_pending);
        xioctl(m_fd, VIDIOC_QBUF, &b);
        m_pending = -1;
    }

    int m_fd = -1;
    bool m_streaming = false;
    Buffer m_buffers[kMaxBuffers];
    uint32_t m_count = 0;
    int m_pending = -1;
    uint32_t m_fourcc = 0;
    int m_width = 0, m_height = 0, m_stride = 0;
};

} // namespace

std::unique_ptr<CameraStream> makeV4l2Stream() { return std::make_unique<V4l2Stream>(); }

} // namespace mirelo::camera
