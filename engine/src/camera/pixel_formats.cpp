// Device pixel formats into B, G, R, A frames: JPEG through libjpeg-turbo,
// everything raw through libyuv. Every raw picture is checked against the
// size its format needs before a byte of it is read.
#include "camera/pixel_formats.h"
#include "camera/jpeg.h"

#include <libyuv.h>
#include <linux/videodev2.h>

#include <cstring>

namespace mirelo::camera {

int pixelFormatName(uint32_t fourcc)
{
    switch (fourcc) {
    case V4L2_PIX_FMT_MJPEG:
    case V4L2_PIX_FMT_JPEG: return PixelMjpg;
    case V4L2_PIX_FMT_YUYV: return PixelYuy2;
    case V4L2_PIX_FMT_YUV420: return PixelI420;
    case V4L2_PIX_FMT_RGB24:
    case V4L2_PIX_FMT_BGR24: return PixelRgb24;
    case V4L2_PIX_FMT_XBGR32:
    case V4L2_PIX_FMT_BGR32: return PixelRgb32;
    case V4L2_PIX_FMT_ABGR32: return PixelArgb32;
    case V4L2_PIX_FMT_NV12:
    case V4L2_PIX_FMT_GREY: return PixelUnknown; // decodable, but without a name of their own
    default: return -1;
    }
}

namespace {

// Bytes a raw picture must hold; 0 for compressed or unknown formats.
size_t neededBytes(uint32_t fourcc, int stride, int height)
{
    const size_t s = size_t(stride), h = size_t(height);
    switch (fourcc) {
    case V4L2_PIX_FMT_YUYV:
    case V4L2_PIX_FMT_RGB24:
    case V4L2_PIX_FMT_BGR24:
    case V4L2_PIX_FMT_XBGR32:
    case V4L2_PIX_FMT_BGR32:
    case V4L2_PIX_FMT_ABGR32: return s * h;
    case V4L2_PIX_FMT_YUV420: return s * h + 2 * ((s + 1) / 2) * ((h + 1) / 2);
    case V4L2_PIX_FMT_NV12: return s * h + s * ((h + 1) / 2);
    case V4L2_PIX_FMT_GREY: return s * h;
    default: return 0;
    }
}

int minimumStride(uint32_t fourcc, int width)
{
    switch (fourcc) {
    case V4L2_PIX_FMT_YUYV: return width * 2;
    case V4L2_PIX_FMT_RGB24:
    case V4L2_PIX_FMT_BGR24: return width * 3;
    case V4L2_PIX_FMT_XBGR32:
    case V4L2_PIX_FMT_BGR32:
    case V4L2_PIX_FMT_ABGR32: return width * 4;
    default: return width;
    }
}

} // namespace

bool decodeFrame(const RawFrame &raw, Frame &out)
{
    if (!raw.data || raw.size == 0)
        return false;
    if (raw.fourcc == V4L2_PIX_FMT_MJPEG || raw.fourcc == V4L2_PIX_FMT_JPEG)
        return decodeJpeg(raw.data, raw.size, out);

    const int w = raw.width, h = raw.height;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384)
        return false;
    const int stride = raw.stride > 0 ? raw.stride : minimumStride(raw.fourcc, w);
    if (stride < minimumStride(raw.fourcc, w))
        return false;
    const size_t need = neededBytes(raw.fourcc, stride, h);
    if (need == 0 || raw.size < need)
        return false;

    out.resize(w, h);
    uint8_t *dst = out.pixels.data();
    const int dstStride = out.stride();
    const uint8_t *src = raw.data;
    int r = -1;
    switch (raw.fourcc) {
    case V4L2_PIX_FMT_YUYV:
        r = libyuv::YUY2ToARGB(src, stride, dst, dstStride, w, h);
        break;
    case V4L2_PIX_FMT_YUV420: {
        const int cs = (stride + 1) / 2;
        const uint8_t *u = src + size_t(stride) * size_t(h);
        const uint8_t *v = u + size_t(cs) * size_t((h + 1) / 2);
        r = libyuv::I420ToARGB(src, stride, u, cs, v, cs, dst, dstStride, w, h);
        break;
    }
    case V4L2_PIX_FMT_GREY:
        r = libyuv::J400ToARGB(src, stride, dst, dstStride, w, h);
        break;
    case V4L2_PIX_FMT_NV12:
        r = libyuv::NV12ToARGB(src, stride, src + size_t(stride) * size_t(h), stride, dst, dstStride, w, h);
        break;
    case V4L2_PIX_FMT_RGB24: // R, G, B in memory: libyuv calls it RAW
        r = libyuv::RAWToARGB(src, stride, dst, dstStride, w, h);
        break;
    case V4L2_PIX_FMT_BGR24:
        r = libyuv::RGB24ToARGB(src, stride, dst, dstStride, w, h);
        break;
    case V4L2_PIX_FMT_XBGR32:
    case V4L2_PIX_FMT_BGR32:
    case V4L2_PIX_FMT_ABGR32:
        for (int y = 0; y < h; ++y) {
            uint8_t *d = out.row(y);
            std::memcpy(d, src + size_t(y) * size_t(stride), size_t(w) * 4);
            for (int x = 0; x < w; ++x)
                d[x * 4 + 3] = 0xff; // the picture is opaque whatever the padding byte holds
        }
        r = 0;
        break;
    default: break;
    }
    return r == 0;
}

void mirrorFrame(Frame &frame)
{
    if (frame.isNull())
        return;
    for (int y = 0; y < frame.height; ++y) {
        auto *p = reinterpret_cast<uint32_t *>(frame.row(y));
        for (int a = 0, b = frame.width - 1; a < b; ++a, --b)
            std::swap(p[a], p[b]);
    }
}

void scaleFrame(const Frame &src, int w, int h, Frame &dst)
{
    dst.resize(w, h);
    if (src.width == w && src.height == h) {
        dst.pixels = src.pixels;
        return;
    }
    libyuv::ARGBScale(src.pixels.data(), src.stride(), src.width, src.height,
                      dst.pixels.data(), dst.stride(), w, h, libyuv::kFilterBilinear);
}

} // namespace mirelo::camera
