#include "core/video_encoder.h"

#include "core/log.h"

#include <mirelo/engine_api.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <dirent.h>
#include <fstream>

extern "C" {
#include <libavutil/hwcontext.h>
#include <libavutil/opt.h>
}

namespace mirelo {

VideoEncoder::~VideoEncoder()
{
    av_frame_free(&m_hwFrame);
    avcodec_free_context(&m_ctx);
    av_buffer_unref(&m_hwDevice);
}

const char *VideoEncoder::x264Preset()
{
    const char *preset = getenv("MIRELO_X264_PRESET");
    return preset && *preset ? preset : "veryfast";
}

int VideoEncoder::x264RateFactor(int quality)
{
    switch (quality) {
    case 0: return 18;
    case 2: return 28;
    default: return 23;
    }
}

void VideoEncoder::setCommon(const VideoEncoderConfig &config)
{
    const AVRational rate = av_d2q(config.frameRate, 100000);
    m_ctx->width = config.width;
    m_ctx->height = config.height;
    m_ctx->framerate = rate;
    m_ctx->time_base = av_inv_q(rate);
    // A keyframe every ten seconds, about x264's own default: the file stays
    // seekable, and a killed recording is kept by its fragments, not GOPs.
    m_ctx->gop_size = int(config.frameRate * 10 + 0.5);
    m_ctx->colorspace = AVCOL_SPC_SMPTE170M;
    m_ctx->color_range = AVCOL_RANGE_MPEG;
    m_ctx->sample_aspect_ratio = AVRational{1, 1};
    if (config.globalHeader)
        m_ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
}

int VideoEncoder::open(const VideoEncoderConfig &config)
{
    if (config.width <= 0 || config.height <= 0 || config.frameRate <= 0)
        return MIRELO_E_INVALID_ARGUMENT;
    int r;
    switch (config.family) {
    case MIRELO_ENCODER_SOFTWARE: r = openSoftware(config); break;
    case MIRELO_ENCODER_INTEL:
    case MIRELO_ENCODER_AMD: r = openVaapi(config); break;
    case MIRELO_ENCODER_NVIDIA: r = openNvenc(config); break;
    default: return MIRELO_E_ENCODER;
    }
    if (r != MIRELO_OK) {
        av_frame_free(&m_hwFrame);
        avcodec_free_context(&m_ctx);
        av_buffer_unref(&m_hwDevice);
    }
    return r;
}

int VideoEncoder::openSoftware(const VideoEncoderConfig &config)
{
    const AVCodec *codec = avcodec_find_encoder_by_name("libx264");
    if (!codec || !(m_ctx = avcodec_alloc_context3(codec)))
        return MIRELO_E_ENCODER;
    setCommon(config);
    m_swFormat = AV_PIX_FMT_YUV420P;
    m_ctx->pix_fmt = m_swFormat;
    av_opt_set(m_ctx->priv_data, "preset", x264Preset(), 0);
    av_opt_set_double(m_ctx->priv_data, "crf", x264RateFactor(config.quality), 0);
    // B-frames as the preset gives them; the muxer's edit lists place
    // their decoding times, which start before the first picture.
    // x264's automatic choice (1.5 threads a core) costs more CPU per frame
    // in synchronisation and memory than a screen recording needs; half the
    // cores keep up with 1080p60 at this preset.
    const char *threads = getenv("MIRELO_X264_THREADS");
    m_ctx->thread_count = threads && atoi(threads) > 0
        ? atoi(threads) : std::clamp(int(std::thread::hardware_concurrency()) / 2, 2, 8);
    if (config.frameRate < 20) {
        // x264 holds back frames for its look-ahead and its threads; at a low
        // rate that would be seconds a killed recording loses. Keep it near
        // half a second.
        av_opt_set_int(m_ctx->priv_data, "rc-lookahead", std::max(1, int(config.frameRate / 2)), 0);
        m_ctx->thread_count = std::min(m_ctx->thread_count, 2);
    }
    m_packets.attach(m_ctx);
    const int r = avcodec_open2(m_ctx, codec, nullptr);
    if (r < 0) {
        logLine("libx264 did not open: %d", r);
        return MIRELO_E_ENCODER;
    }
    return MIRELO_OK;
}

std::string renderNodeForVendor(unsigned vendorId)
{
    DIR *dir = opendir("/sys/class/drm");
    if (!dir)
        return {};
    std::string found;
    while (dirent *e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.compare(0, 7, "renderD") != 0)
            continue;
        std::ifstream in("/sys/class/drm/" + name + "/device/vendor");
        unsigned vendor = 0;
        if (in >> std::hex >> vendor && vendor == vendorId) {
            found = "/dev/dri/" + name;
            break;
        }
    }
    closedir(dir);
    return found;
}

int VideoEncoder::openVaapi(const VideoEncoderConfig &config)
{
    const std::string node = renderNodeForVendor(config.family == MIRELO_ENCODER_INTEL ? 0x8086 : 0x1002);
    if (node.empty())
        return MIRELO_E_ENCODER;
    if (av_hwdevice_ctx_create(&m_hwDevice, AV_HWDEVICE_TYPE_VAAPI, node.c_str(), nullptr, 0) < 0)
        return MIRELO_E_ENCODER;
    const AVCodec *codec = avcodec_find_encoder_by_name("h264_vaapi");
    if (!codec || !(m_ctx = avcodec_alloc_context3(codec)))
        return MIRELO_E_ENCODER;
    setCommon(config);
    m_swFormat = AV_PIX_FMT_NV12;
    m_ctx->pix_fmt = AV_PIX_FMT_VAAPI;
    AVBufferRef *frames = av_hwframe_ctx_alloc(m_hwDevice);
    if (!frames)
        return MIRELO_E_ENCODER;
    auto *fc = reinterpret_cast<AVHWFramesContext *>(frames->data);
    fc->format = AV_PIX_FMT_VAAPI;
    fc->sw_format = AV_PIX_FMT_NV12;
    fc->width = config.width;
    fc->height = config.height;
    fc->initial_pool_size = 16;
    if (av_hwframe_ctx_init(frames) < 0) {
        av_buffer_unref(&frames);
        return MIRELO_E_ENCODER;
    }
    m_ctx->hw_frames_ctx = frames; // the context takes the reference
    m_ctx->global_quality = 18 + 5 * config.quality;
    av_opt_set(m_ctx->priv_data, "rc_mode", "CQP", 0);
    m_ctx->max_b_frames = 0;
    if (avcodec_open2(m_ctx, codec, nullptr) < 0)
        return MIRELO_E_ENCODER;
    m_hwFrame = av_frame_alloc();
    return m_hwFrame ? MIRELO_OK : MIRELO_E_ENCODER;
}

int VideoEncoder::openNvenc(const VideoEncoderConfig &config)
{
    const AVCodec *codec = avcodec_find_encoder_by_name("h264_nvenc");
    if (!codec || !(m_ctx = avcodec_alloc_context3(codec)))
        return MIRELO_E_ENCODER;
    setCommon(config);
    m_swFormat = AV_PIX_FMT_YUV420P;
    m_ctx->pix_fmt = m_swFormat;
    av_opt_set(m_ctx->priv_data, "preset", "p4", 0);
    av_opt_set(m_ctx->priv_data, "rc", "vbr", 0);
    av_opt_set_int(m_ctx->priv_data, "cq", 19 + 5 * config.quality, 0);
    m_ctx->bit_rate = 0;
    if (avcodec_open2(m_ctx, codec, nullptr) < 0)
        return MIRELO_E_ENCODER;
    return MIRELO_OK;
}

int VideoEncoder::encode(AVFrame *frame, const std::function<bool(AVPacket *)> &sink)
{
    AVFrame *input = frame;
    if (frame && m_hwFrame) {
        av_frame_unref(m_hwFrame);
        int r = av_hwframe_get_buffer(m_ctx->hw_frames_ctx, m_hwFrame, 0);
        if (r >= 0)
            r = av_hwframe_transfer_data(m_hwFrame, frame, 0);
        if (r < 0)
            return r;
        m_hwFrame->pts = frame->pts;
        input = m_hwFrame;
    }
    int r = avcodec_send_frame(m_ctx, input);
    if (r < 0 && r != AVERROR_EOF)
        return r;
    for (;;) {
        AVPacket *packet = av_packet_alloc();
        if (!packet)
            return AVERROR(ENOMEM);
        r = avcodec_receive_packet(m_ctx, packet);
        if (r < 0) {
            av_packet_free(&packet);
            return (r == AVERROR(EAGAIN) || r == AVERROR_EOF) ? 0 : r;
        }
        if (!sink(packet))
            return 0;
    }
}

} // namespace mirelo
