#pragma once
// Reused buffers for an encoder's packets. Left to libavcodec, every packet
// of every frame is a fresh allocation of up to some hundred kilobytes; when
// the allocator hands such blocks back to the kernel between frames (with
// transparent huge pages, whole huge pages), each frame faults in pages the
// kernel must zero again. Buffers come in size classes (powers of two) and
// return to their class when the muxer frees the packet.
extern "C" {
#include <libavcodec/avcodec.h>
}

#include <mutex>

namespace mirelo {

class PacketPool
{
public:
    PacketPool() = default;
    ~PacketPool();
    PacketPool(const PacketPool &) = delete;
    PacketPool &operator=(const PacketPool &) = delete;

    // Makes the encoder take its packet buffers from this pool, when the
    // encoder lets its caller provide them. Before avcodec_open2.
    void attach(AVCodecContext *encoder);
    // A buffer of at least `size` bytes (null when it cannot be had).
    AVBufferRef *get(int size);

private:
    static int getEncodeBuffer(AVCodecContext *encoder, AVPacket *packet, int flags);

    static constexpr int kMinShift = 16; // 64 KiB and smaller share a class
    static constexpr int kMaxShift = 26; // above 64 MiB: not pooled
    std::mutex m_mutex;
    AVBufferPool *m_pools[kMaxShift - kMinShift + 1] = {};
};

} // namespace mirelo
