#pragma once
// H.264 encoding of a recording's pictures: libx264 in software, VAAPI for
// the Intel and AMD families, NVENC for Nvidia.
#include "core/packet_pool.h"

#include <functional>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace mirelo {

struct VideoEncoderConfig
{
    int width = 0;
    int height = 0;
    double frameRate = 30;
    int quality = 1;   // 0 High, 1 Medium, 2 Low
    int family = 0;    // MireloEncoderFamily; 0 software
    bool globalHeader = true;
};

class VideoEncoder
{
public:
    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // MIRELO_OK, or MIRELO_E_ENCODER when the family's encoder does not open.
    int open(const VideoEncoderConfig &config);

    const AVCodecContext *context() const { return m_ctx; }
    AVRational timeBase() const { return m_ctx->time_base; }
    // The layout of the pictures encode() takes: YUV420P or NV12.
    AVPixelFormat inputFormat() const { return m_swFormat; }

    // Encodes one picture (null: flush the delayed ones) and hands every
    // finished packet to `sink`, which takes it; a false from the sink stops
    // the hand-over. Returns a negative AVERROR on an encoder failure.
    int encode(AVFrame *frame, const std::function<bool(AVPacket *)> &sink);

    // The x264 preset and rate factor of a quality index (also used by the
    // benchmark to give FFmpeg the same settings).
    static const char *x264Preset();
    static int x264RateFactor(int quality);

private:
    int openSoftware(const VideoEncoderConfig &config);
    int openVaapi(const VideoEncoderConfig &config);
    int openNvenc(const VideoEncoderConfig &config);
    void setCommon(const VideoEncoderConfig &config);

    PacketPool m_packets; // outlives m_ctx: declared first
    AVCodecContext *m_ctx = nullptr;
    AVBufferRef *m_hwDevice = nullptr;
    AVFrame *m_hwFrame = nullptr;
    AVPixelFormat m_swFormat = AV_PIX_FMT_YUV420P;
};

// The VAAPI render node of a display adapter vendor (PCI id), or "".
std::string renderNodeForVendor(unsigned vendorId);

} // namespace mirelo
