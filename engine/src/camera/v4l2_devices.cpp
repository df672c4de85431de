// Listing Video4Linux2 capture devices: names, stable ids and formats.
#include "camera/camera_device.h"
#include "camera/pixel_formats.h"
#include "camera/v4l2_util.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace mirelo::camera {
namespace {

constexpr size_t kMaxFormats = 256;

// Sizes offered from a stepwise or continuous range, smallest first.
const int kCommonSizes[][2] = {
    {160, 120}, {320, 240}, {352, 288}, {640, 360}, {640, 480}, {800, 600},
    {960, 540}, {1024, 768}, {1280, 720}, {1280, 960}, {1600, 1200},
    {1920, 1080}, {2560, 1440}, {3840, 2160},
};

std::string realPath(const std::string &path)
{
    char buf[PATH_MAX];
    return ::realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// The first link in a by-id (then by-path) folder that points at the node:
// it names the device by maker, model and serial (or port), not by the order
// it was found in.
std::string stableLink(const std::string &devFolder, const std::string &node)
{
    const std::string target = realPath(node);
    if (target.empty())
        return {};
    for (const char *sub : {"/v4l/by-id", "/v4l/by-path"}) {
        const std::string folder = devFolder + sub;
        DIR *dir = ::opendir(folder.c_str());
        if (!dir)
            continue;
        std::vector<std::string> names;
        while (dirent *e = ::readdir(dir)) {
            if (e->d_name[0] != '.')
                names.push_back(e->d_name);
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string &n : names) {
            if (realPath(folder + "/" + n) == target)
                return folder + "/" + n;
        }
    }
    return {};
}

std::string fixedString(const uint8_t *s, size_t n)
{
    size_t len = 0;
    while (len < n && s[len])
        ++len;
    return std::string(reinterpret_cast<const char *>(s), len);
}

std::string sysfsValue(const std::string &node, const char *file)
{
    const size_t slash = node.rfind('/');
    std::ifstream in("/sys/class/video4linux/" + node.substr(slash + 1) + "/" + file);
    std::string line;
    std::getline(in, line);
    return line;
}

void addFormat(CameraInfo &cam, uint32_t fourcc, int name, uint32_t w, uint32_t h, uint32_t num, uint32_t den)
{
    if (cam.formats.size() >= kMaxFormats || w == 0 || h == 0 || w > 16384 || h > 16384 || num == 0 || den == 0)
        return;
    CameraFormat f;
    f.width = int32_t(w);
    f.height = int32_t(h);
    f.framesPerSecond = float(double(den) / double(num));
    f.pixelFormat = name;
    cam.formats.push_back(f);
    cam.details.push_back(FormatDetail{fourcc, num, den});
}

void addIntervals(int fd, CameraInfo &cam, uint32_t fourcc, int name, uint32_t w, uint32_t h)
{
    v4l2_frmivalenum iv{};
    iv.pixel_format = fourcc;
    iv.width = w;
    iv.height = h;
    bool any = false;
    for (iv.index = 0; xioctl(fd, VIDIOC_ENUM_FRAMEINTERVALS, &iv) == 0; ++iv.index) {
        if (iv.type == V4L2_FRMIVAL_TYPE_DISCRETE) {
            addFormat(cam, fourcc, name, w, h, iv.discrete.numerator, iv.discrete.denominator);
            any = true;
        } else {
            // A range: offer its fastest rate.
            addFormat(cam, fourcc, name, w, h, iv.stepwise.min.numerator, iv.stepwise.min.denominator);
            any = true;
            break;
        }
    }
    if (!any)
        addFormat(cam, fourcc, name, w, h, 1, 30);
}

void addSizes(int fd, CameraInfo &cam, uint32_t fourcc, int name)
{
    v4l2_frmsizeenum fs{};
    fs.pixel_format = fourcc;
    bool any = false;
    for (fs.index = 0; xioctl(fd, VIDIOC_ENUM_FRAMESIZES, &fs) == 0; ++fs.index) {
        any = true;
        if (fs.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
            addIntervals(fd, cam, fourcc, name, fs.discrete.width, fs.discrete.height);
            continue;
        }
        const auto &sw = fs.stepwise;
        const uint32_t stepW = std::max<uint32_t>(1, sw.step_width), stepH = std::max<uint32_t>(1, sw.step_height);
        for (const auto &s : kCommonSizes) {
            const uint32_t w = uint32_t(s[0]), h = uint32_t(s[1]);
            if (w >= sw.min_width && w < sw.max_width && h >= sw.min_height && h < sw.max_height
                && (w - sw.min_width) % stepW == 0 && (h - sw.min_height) % stepH == 0)
                addIntervals(fd, cam, fourcc, name, w, h);
        }
        addIntervals(fd, cam, fourcc, name, sw.max_width, sw.max_height);
        break;
    }
    if (any)
        return;
    // Drivers that cannot list sizes: offer the size the device has now.
    v4l2_format f{};
    f.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    f.fmt.pix.pixelformat = fourcc;
    if (xioctl(fd, VIDIOC_G_FMT, &f) == 0)
        addIntervals(fd, cam, fourcc, name, f.fmt.pix.width, f.fmt.pix.height);
}

void addFormats(int fd, CameraInfo &cam)
{
    v4l2_fmtdesc d{};
    d.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (d.index = 0; xioctl(fd, VIDIOC_ENUM_FMT, &d) == 0 && d.index < 64; ++d.index) {
        const int name = pixelFormatName(d.pixelformat);
        if (name >= 0)
            addSizes(fd, cam, d.pixelformat, name);
    }
}

bool numericVideoName(const char *n, int &number)
{
    if (std::strncmp(n, "video", 5) != 0 || !n[5])
        return false;
    char *end = nullptr;
    const long v = std::strtol(n + 5, &end, 10);
    if (*end || v < 0 || v > 9999)
        return false;
    number = int(v);
    return true;
}

} // namespace

std::vector<CameraPtr> enumerateV4l2(const std::string &devFolder)
{
    std::vector<std::pair<int, std::string>> nodes;
    if (DIR *dir = ::opendir(devFolder.c_str())) {
        while (dirent *e = ::readdir(dir)) {
            int n = 0;
            if (numericVideoName(e->d_name, n))
                nodes.emplace_back(n, devFolder + "/" + e->d_name);
        }
        ::closedir(dir);
    }
    std::sort(nodes.begin(), nodes.end());

    std::vector<CameraPtr> out;
    for (const auto &node : nodes) {
        const std::string &path = node.second;
        const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            // A camera the user may not open is still listed, so that opening
            // it can tell the user why it does not work. Only a device's
            // first node is its picture node; the others carry metadata.
            if ((errno == EACCES || errno == EPERM) && sysfsValue(path, "index") == "0") {
                auto cam = std::make_shared<CameraInfo>();
                cam->openError = errno;
                cam->name = sysfsValue(path, "name");
                cam->path = path;
                cam->id = stableLink(devFolder, path);
                if (cam->id.empty())
                    cam->id = path;
                out.push_back(cam);
            }
            continue;
        }
        v4l2_capability cap{};
        if (xioctl(fd, VIDIOC_QUERYCAP, &cap) == 0) {
            const uint32_t caps = (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
            if ((caps & V4L2_CAP_VIDEO_CAPTURE) && (caps & V4L2_CAP_STREAMING)) {
                auto cam = std::make_shared<CameraInfo>();
                cam->name = fixedString(cap.card, sizeof cap.card);
                cam->path = path;
                cam->id = stableLink(devFolder, path);
                if (cam->id.empty())
                    cam->id = "bus:" + fixedString(cap.bus_info, sizeof cap.bus_info) + "|" + cam->name;
                addFormats(fd, *cam);
                out.push_back(cam);
            }
        }
        ::close(fd);
    }
    return out;
}

namespace {
ExtraCameraSource g_extraCameras;
}

void setExtraCameraSource(const ExtraCameraSource &source)
{
    g_extraCameras = source;
}

std::vector<CameraPtr> enumerateCameras()
{
    std::vector<CameraPtr> out = enumerateV4l2("/dev");
    if (g_extraCameras.list) {
        for (CameraPtr &camera : g_extraCameras.list())
            out.push_back(std::move(camera));
    }
    return out;
}

std::unique_ptr<CameraStream> makeStream(const CameraInfo &camera)
{
    if (camera.synthetic && g_extraCameras.makeStream)
        return g_extraCameras.makeStream();
    return makeV4l2Stream();
}

} // namespace mirelo::camera
