#pragma once
// Stand-ins for the engine's stages' neighbours: a clock that moves only when
// told, a picture source and a sound provider that count what they are asked,
// and a look at the packets of a written file.
#include "core/audio_input.h"
#include "core/clock.h"
#include "core/video_source.h"

#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace enginefake {

class FakeTime : public mirelo::TimeSource
{
public:
    int64_t now() const override { return m_now.load(); }
    void waitUntil(std::condition_variable &wake, std::unique_lock<std::mutex> &lock, int64_t untilUs) const override
    {
        // Time moves only by advance(): look again shortly.
        if (m_now.load() < untilUs)
            wake.wait_for(lock, std::chrono::milliseconds(1));
    }
    void advance(int64_t us) { m_now += us; }

private:
    std::atomic<int64_t> m_now{1000000};
};

// Pictures of one grey level that grows by one per grab; grab() answers
// false where `missing` says so (by grab number, from 0).
class FakeSource : public mirelo::VideoSource
{
public:
    struct Log
    {
        std::atomic<int> grabs{0};
        std::atomic<bool> closed{false};
        std::atomic<bool> held{false}; // a grab, once begun, waits while set
        std::thread::id openThread, closeThread;
    };
    FakeSource(Log &log, int openResult = MIRELO_OK, std::vector<bool> missing = {})
        : m_log(log), m_openResult(openResult), m_missing(std::move(missing))
    {
    }
    int open(int width, int height) override
    {
        m_log.openThread = std::this_thread::get_id();
        m_w = width;
        m_h = height;
        m_pixels.assign(size_t(width) * height * 4, 0);
        return m_openResult;
    }
    bool grab(mirelo::VideoPicture &out, int64_t) override
    {
        const int n = m_log.grabs++;
        while (m_log.held.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (size_t(n) < m_missing.size() && m_missing[size_t(n)])
            return false;
        std::memset(m_pixels.data(), n & 0xff, m_pixels.size());
        out.data = m_pixels.data();
        out.stride = m_w * 4;
        out.width = m_w;
        out.height = m_h;
        return true;
    }
    void close() override
    {
        m_log.closeThread = std::this_thread::get_id();
        m_log.closed = true;
    }

private:
    Log &m_log;
    int m_openResult;
    std::vector<bool> m_missing;
    int m_w = 0, m_h = 0;
    std::vector<uint8_t> m_pixels;
};

class FakeSound : public mirelo::AudioProvider
{
public:
    int startResult = MIRELO_OK;
    std::atomic<mirelo::AudioSink *> sink{nullptr};
    std::atomic<int> starts{0}, stops{0};
    std::function<void()> whileStopping; // runs inside stopAudio
    int startAudio(const RecordParams &, const mirelo::AudioFormat &, mirelo::AudioSink *s) override
    {
        ++starts;
        if (startResult < 0)
            return startResult;
        sink = s;
        return MIRELO_OK;
    }
    void stopAudio() override
    {
        ++stops;
        if (whileStopping)
            whileStopping();
        sink = nullptr;
    }
};

// Per stream type, the packets of a file: count and the end of the last one
// in seconds (-1 when the file does not open).
struct StreamPackets
{
    int count = 0;
    double start = 1e9; // the earliest presentation time
    double end = -1;
    bool ordered = true; // decoding times never go back
    // The largest step from one packet's decoding time to the next: for
    // sound, more than a packet's own length is a hole, which a player
    // closes up (it plays the samples one after another), pulling what
    // follows earlier.
    double largestStep = 0;
};
inline StreamPackets packetsOf(const char *path, AVMediaType type)
{
    StreamPackets r;
    AVFormatContext *in = nullptr;
    if (avformat_open_input(&in, path, nullptr, nullptr) < 0)
        return r;
    avformat_find_stream_info(in, nullptr);
    const int index = av_find_best_stream(in, type, -1, -1, nullptr, 0);
    AVPacket *p = av_packet_alloc();
    int64_t lastDts = INT64_MIN;
    r.end = 0;
    while (index >= 0 && av_read_frame(in, p) >= 0) {
        if (p->stream_index == index) {
            const AVRational tb = in->streams[index]->time_base;
            ++r.count;
            r.end = std::max(r.end, (p->pts + p->duration) * av_q2d(tb));
            r.start = std::min(r.start, p->pts * av_q2d(tb));
            if (p->dts != AV_NOPTS_VALUE) {
                r.ordered = r.ordered && p->dts > lastDts;
                if (lastDts != INT64_MIN)
                    r.largestStep = std::max(r.largestStep, (p->dts - lastDts) * av_q2d(tb));
                lastDts = p->dts;
            }
        }
        av_packet_unref(p);
    }
    av_packet_free(&p);
    avformat_close_input(&in);
    return r;
}

// The pictures a player gets from a file's video: how many decode, and the
// presentation time of the first and the last in seconds (count 0 when none
// does). A packet the disk cut short has no picture.
struct DecodedPictures
{
    int count = 0;
    double first = 1e9;
    double last = -1;
};
inline DecodedPictures picturesOf(const char *path)
{
    DecodedPictures r;
    AVFormatContext *in = nullptr;
    if (avformat_open_input(&in, path, nullptr, nullptr) < 0)
        return r;
    const AVCodec *codec = nullptr;
    const int index = av_find_best_stream(in, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    AVCodecContext *dec = index >= 0 && codec ? avcodec_alloc_context3(codec) : nullptr;
    if (dec && (avcodec_parameters_to_context(dec, in->streams[index]->codecpar) < 0
                || avcodec_open2(dec, codec, nullptr) < 0))
        avcodec_free_context(&dec);
    AVPacket *p = av_packet_alloc();
    AVFrame *f = av_frame_alloc();
    auto receive = [&] {
        while (avcodec_receive_frame(dec, f) >= 0) {
            const double t = f->best_effort_timestamp * av_q2d(in->streams[index]->time_base);
            ++r.count;
            r.first = std::min(r.first, t);
            r.last = std::max(r.last, t);
            av_frame_unref(f);
        }
    };
    while (dec && p && f && av_read_frame(in, p) >= 0) {
        if (p->stream_index == index && avcodec_send_packet(dec, p) >= 0)
            receive();
        av_packet_unref(p);
    }
    if (dec && avcodec_send_packet(dec, nullptr) >= 0)
        receive();
    av_frame_free(&f);
    av_packet_free(&p);
    avcodec_free_context(&dec);
    avformat_close_input(&in);
    return r;
}

} // namespace enginefake
