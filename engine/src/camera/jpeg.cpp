// JPEG through libjpeg-turbo's TurboJPEG interface; one handle of each kind
// per thread, kept for the thread's life.
#include "camera/jpeg.h"

#include "core/new_file.h"

#include <mirelo/engine_api.h>
#include <turbojpeg.h>

#include <cstdio>
#include <unistd.h>

namespace mirelo::camera {
namespace {

struct Handle {
    tjhandle h = nullptr;
    ~Handle()
    {
        if (h)
            tjDestroy(h);
    }
};

tjhandle decompressor()
{
    thread_local Handle handle;
    if (!handle.h)
        handle.h = tjInitDecompress();
    return handle.h;
}

tjhandle compressor()
{
    thread_local Handle handle;
    if (!handle.h)
        handle.h = tjInitCompress();
    return handle.h;
}

} // namespace

bool decodeJpeg(const uint8_t *data, size_t size, Frame &out)
{
    tjhandle h = decompressor();
    if (!h || !data || size < 4 || size > 0x7fffffffu)
        return false;
    int w = 0, hgt = 0, subsamp = 0, colorspace = 0;
    auto *buf = const_cast<unsigned char *>(data);
    if (tjDecompressHeader3(h, buf, (unsigned long)size, &w, &hgt, &subsamp, &colorspace) != 0)
        return false;
    if (w <= 0 || hgt <= 0 || w > 16384 || hgt > 16384)
        return false;
    out.resize(w, hgt);
    if (tjDecompress2(h, buf, (unsigned long)size, out.pixels.data(), w, out.stride(), hgt, TJPF_BGRA, 0) != 0) {
        // A warning (such as a truncated last line) still leaves a usable picture.
        if (tjGetErrorCode(h) != TJERR_WARNING)
            return false;
    }
    for (size_t i = 3; i < out.pixels.size(); i += 4)
        out.pixels[i] = 0xff;
    return true;
}

bool encodeJpeg(const Frame &frame, int quality, std::vector<uint8_t> &out)
{
    tjhandle h = compressor();
    if (!h || frame.isNull())
        return false;
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(h, frame.pixels.data(), frame.width, frame.stride(), frame.height, TJPF_BGRA,
                    &jpeg, &size, TJSAMP_420, quality, TJFLAG_FASTDCT) != 0) {
        tjFree(jpeg);
        return false;
    }
    out.assign(jpeg, jpeg + size);
    tjFree(jpeg);
    return true;
}

int writeJpegFile(const Frame &frame, const std::string &path)
{
    std::vector<uint8_t> jpeg;
    if (!encodeJpeg(frame, 92, jpeg))
        return MIRELO_E_FAILED;
    // A new file beside the photo: a link planted at the name is not followed.
    std::string temp;
    const int fd = createNewFile(path + ".part", 0644, temp);
    if (fd < 0)
        return MIRELO_E_IO;
    const bool ok = writeAll(fd, jpeg.data(), jpeg.size()) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return MIRELO_E_IO;
    }
    return MIRELO_OK;
}

} // namespace mirelo::camera
