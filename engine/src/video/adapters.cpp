#include "video/adapters.h"

#include "core/video_encoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

namespace mirelo {

namespace {

std::mutex g_mutex;
std::vector<MireloEncoderAdapter> g_adapters;
std::map<int, int> g_tested; // family -> result

unsigned readHex(const std::string &file)
{
    std::ifstream in(file);
    unsigned v = 0;
    in >> std::hex >> v;
    return v;
}

int familyOfVendor(unsigned vendor)
{
    switch (vendor) {
    case 0x8086: return MIRELO_ENCODER_INTEL;
    case 0x10de: return MIRELO_ENCODER_NVIDIA;
    case 0x1002: return MIRELO_ENCODER_AMD;
    default: return 0;
    }
}

const char *vendorName(unsigned vendor)
{
    switch (vendor) {
    case 0x8086: return "Intel";
    case 0x10de: return "NVIDIA";
    case 0x1002: return "AMD";
    default: return "Display adapter";
    }
}

} // namespace

int getEncoderAdapters(const MireloEncoderAdapter **list, int *count)
{
    if (!list || !count)
        return MIRELO_E_INVALID_ARGUMENT;
    std::lock_guard<std::mutex> lock(g_mutex);
    // The list stays valid for the life of the library (the program never
    // frees it), so it is filled once.
    static bool scanned = false;
    if (!scanned) {
        scanned = true;
        std::set<std::string> seen;
        if (DIR *dir = opendir("/sys/class/drm")) {
            std::vector<std::string> cards;
            while (dirent *e = readdir(dir)) {
                const std::string name = e->d_name;
                if (name.compare(0, 4, "card") == 0 && name.find('-') == std::string::npos)
                    cards.push_back(name);
            }
            closedir(dir);
            std::sort(cards.begin(), cards.end());
            for (const std::string &card : cards) {
                const std::string dev = "/sys/class/drm/" + card + "/device/";
                const unsigned vendor = readHex(dev + "vendor");
                const unsigned device = readHex(dev + "device");
                if (!vendor || !seen.insert(std::to_string(vendor) + ":" + std::to_string(device) + card).second)
                    continue;
                MireloEncoderAdapter a{};
                char text[64];
                snprintf(text, sizeof text, "%s %04x:%04x", vendorName(vendor), vendor, device);
                for (int i = 0; text[i] && i < MIRELO_ADAPTER_NAME_UNITS - 1; ++i)
                    a.name[i] = char16_t(text[i]);
                a.vendorId = vendor;
                a.deviceId = device;
                a.family = familyOfVendor(vendor);
                g_adapters.push_back(a);
            }
        }
    }
    *list = g_adapters.empty() ? nullptr : g_adapters.data();
    *count = int(g_adapters.size());
    return MIRELO_OK;
}

int testHardwareEncoder(int family, int)
{
    if (family != MIRELO_ENCODER_INTEL && family != MIRELO_ENCODER_NVIDIA && family != MIRELO_ENCODER_AMD)
        return MIRELO_E_INVALID_ARGUMENT;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_tested.find(family);
        if (it != g_tested.end())
            return it->second;
    }
    // Opening is not enough for some drivers: one picture is encoded too.
    VideoEncoder encoder;
    VideoEncoderConfig config;
    config.width = 256;
    config.height = 256;
    config.frameRate = 30;
    config.family = family;
    config.globalHeader = false;
    int result = encoder.open(config);
    if (result == MIRELO_OK) {
        AVFrame *frame = av_frame_alloc();
        frame->format = encoder.inputFormat();
        frame->width = 256;
        frame->height = 256;
        if (av_frame_get_buffer(frame, 0) < 0) {
            result = MIRELO_E_ENCODER;
        } else {
            for (int p = 0; p < 3 && frame->data[p]; ++p)
                memset(frame->data[p], 128, size_t(frame->linesize[p]) * (p ? 128 : 256));
            frame->pts = 0;
            auto drop = [](AVPacket *pkt) { av_packet_free(&pkt); return true; };
            if (encoder.encode(frame, drop) < 0 || encoder.encode(nullptr, drop) < 0)
                result = MIRELO_E_ENCODER;
        }
        av_frame_free(&frame);
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_tested[family] = result;
    return result;
}

} // namespace mirelo
