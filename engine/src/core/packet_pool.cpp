#include "core/packet_pool.h"

#include <cstring>

namespace mirelo {

PacketPool::~PacketPool()
{
    // Buffers still held by queued packets keep their pool alive until freed.
    for (AVBufferPool *&p : m_pools)
        av_buffer_pool_uninit(&p);
}

void PacketPool::attach(AVCodecContext *encoder)
{
    if (!encoder || !encoder->codec || !(encoder->codec->capabilities & AV_CODEC_CAP_DR1))
        return;
    encoder->opaque = this;
    encoder->get_encode_buffer = &PacketPool::getEncodeBuffer;
}

AVBufferRef *PacketPool::get(int size)
{
    if (size < 0)
        return nullptr;
    int shift = kMinShift;
    while (shift <= kMaxShift && (size_t(1) << shift) < size_t(size))
        ++shift;
    if (shift > kMaxShift)
        return av_buffer_alloc(size_t(size));
    std::lock_guard<std::mutex> lock(m_mutex);
    AVBufferPool *&pool = m_pools[shift - kMinShift];
    if (!pool)
        pool = av_buffer_pool_init(size_t(1) << shift, av_buffer_alloc);
    return pool ? av_buffer_pool_get(pool) : nullptr;
}

int PacketPool::getEncodeBuffer(AVCodecContext *encoder, AVPacket *packet, int)
{
    auto *self = static_cast<PacketPool *>(encoder->opaque);
    AVBufferRef *buf = self->get(packet->size + AV_INPUT_BUFFER_PADDING_SIZE);
    if (!buf)
        return AVERROR(ENOMEM);
    packet->buf = buf;
    packet->data = buf->data;
    std::memset(packet->data + packet->size, 0, AV_INPUT_BUFFER_PADDING_SIZE);
    return 0;
}

} // namespace mirelo
