#include "core/muxer.h"

#include "core/clock.h"
#include "core/log.h"
#include "core/thread_name.h"

#include <mirelo/engine_api.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavutil/opt.h>
}

namespace mirelo {

namespace {
constexpr int kIoBufferSize = 256 * 1024;
constexpr size_t kQueuePackets = 256;
constexpr int64_t kFlushIntervalUs = 250000;
} // namespace

Muxer::Muxer() : m_queue(kQueuePackets) {}

Muxer::~Muxer()
{
    if (m_started && !m_finished)
        finish();
    if (m_format) {
        avformat_free_context(m_format);
        m_format = nullptr;
    }
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

int Muxer::writePacket(void *opaque, uint8_t *buf, int size)
{
    auto *self = static_cast<Muxer *>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t n = self->m_write ? self->m_write(self->m_fd, buf + done, size_t(size - done))
                                        : ::write(self->m_fd, buf + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing would be tried again forever.
            const int error = n == 0 ? EIO : errno;
            int expected = 0;
            self->m_errno.compare_exchange_strong(expected, error);
            return AVERROR(error);
        }
        done += int(n);
    }
    self->m_pos += size;
    if (self->m_pos > self->m_bytes.load())
        self->m_bytes.store(self->m_pos);
    return size;
}

int64_t Muxer::seek(void *opaque, int64_t offset, int whence)
{
    auto *self = static_cast<Muxer *>(opaque);
    if (whence == AVSEEK_SIZE) {
        struct stat st;
        return fstat(self->m_fd, &st) == 0 ? int64_t(st.st_size) : AVERROR(errno);
    }
    const off_t r = lseek(self->m_fd, offset, whence & ~AVSEEK_FORCE);
    if (r < 0)
        return AVERROR(errno);
    self->m_pos = r;
    return r;
}

int Muxer::create(const std::string &path, Container container)
{
    if (path.empty())
        return MIRELO_E_INVALID_ARGUMENT;
    // Never opened in a way that could block (a FIFO without a reader) or
    // hurt what is there: a new file is created exclusively; an existing
    // path must turn out to be a regular file, not reached through a link
    // (one planted in a shared folder would aim the recording at its
    // target), and it is emptied only when the recording really starts.
    m_path = path;
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    m_created = m_fd >= 0;
    if (m_fd < 0 && errno == EEXIST)
        m_fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (m_fd < 0) {
        logLine("cannot create %s: %s", path.c_str(), strerror(errno));
        return MIRELO_E_IO;
    }
    // Nor a file that has other names too: whoever holds one (another user,
    // in a shared folder) would keep a copy of what is recorded.
    struct stat st;
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode) || (!m_created && st.st_nlink > 1)) {
        logLine("%s is not a regular file of its own", path.c_str());
        ::close(m_fd);
        m_fd = -1;
        return MIRELO_E_IO;
    }
    m_dev = st.st_dev;
    m_ino = st.st_ino;
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    const char *name = container == Container::Mp4 ? "mp4" : "mp3";
    if (avformat_alloc_output_context2(&m_format, nullptr, name, nullptr) < 0 || !m_format)
        return MIRELO_E_FAILED;
    auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBufferSize));
    m_io = avio_alloc_context(buffer, kIoBufferSize, 1, this, nullptr, &Muxer::writePacket, &Muxer::seek);
    if (!m_io)
        return MIRELO_E_FAILED;
    m_format->pb = m_io;
    m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // Interleave within a second even if one stream stalls, so what reaches
    // the disk is never far behind.
    m_format->max_interleave_delta = 1000000;
    return MIRELO_OK;
}

int Muxer::addStream(const AVCodecContext *encoder)
{
    AVStream *st = avformat_new_stream(m_format, nullptr);
    if (!st)
        return MIRELO_E_FAILED;
    if (avcodec_parameters_from_context(st->codecpar, encoder) < 0)
        return MIRELO_E_FAILED;
    st->time_base = encoder->time_base;
    if (encoder->codec_type == AVMEDIA_TYPE_VIDEO)
        st->avg_frame_rate = encoder->framerate;
    return st->index;
}

void Muxer::discard()
{
    if (m_started && !m_finished) {
        m_finished = true;
        m_queue.close();
        if (m_thread.joinable())
            m_thread.join();
    }
    if (m_fd < 0)
        return;
    struct stat mine, now;
    const bool same = fstat(m_fd, &mine) == 0 && stat(m_path.c_str(), &now) == 0 && mine.st_ino == now.st_ino
        && mine.st_dev == now.st_dev;
    ::close(m_fd);
    m_fd = -1;
    if (m_created && same)
        unlink(m_path.c_str());
}

int Muxer::start()
{
    if (!m_created && ftruncate(m_fd, 0) != 0) {
        logLine("cannot empty %s: %s", m_path.c_str(), strerror(errno));
        return MIRELO_E_IO;
    }
    AVDictionary *opts = nullptr;
    if (std::string(m_format->oformat->name) == "mp4") {
        // The index waits for the first fragment (half a second), so its
        // edit lists say where each stream starts: B-frames give decoding
        // times before the first picture, the sound encoder's priming comes
        // before the first sample. Without them every stream would start at
        // its first decoding time and the picture would lag the sound.
        av_dict_set(&opts, "movflags", "empty_moov+delay_moov+default_base_moof+frag_keyframe", 0);
        av_dict_set(&opts, "frag_duration", "500000", 0);
    }
    const int r = avformat_write_header(m_format, &opts);
    av_dict_free(&opts);
    if (r < 0) {
        logLine("cannot write the header: %d", r);
        return MIRELO_E_IO;
    }
    avio_flush(m_io);
    if (m_io->error < 0)
        return MIRELO_E_IO;
    m_started = true;
    m_thread = std::thread([this] {
        nameThread("mirelo-mux");
        run();
    });
    return MIRELO_OK;
}

bool Muxer::submit(AVPacket *packet, int index, AVRational encoderTimeBase)
{
    if (m_failed.load() || !m_started) {
        av_packet_free(&packet);
        return false;
    }
    packet->stream_index = index;
    av_packet_rescale_ts(packet, encoderTimeBase, m_format->streams[index]->time_base);
    if (!m_queue.push(packet)) {
        av_packet_free(&packet);
        return false;
    }
    return true;
}

void Muxer::fail(int errorNumber)
{
    if (errorNumber) {
        int expected = 0;
        m_errno.compare_exchange_strong(expected, errorNumber);
    }
    if (m_failed.exchange(true))
        return;
    if (m_onFailure)
        m_onFailure();
}

bool Muxer::pathStillNamesFile() const
{
    struct stat st;
    return stat(m_path.c_str(), &st) == 0 && st.st_dev == m_dev && st.st_ino == m_ino;
}

void Muxer::run()
{
    AVPacket *packet = nullptr;
    int64_t lastFlush = monotonicMicros();
    while (m_queue.pop(packet)) {
        if (!m_failed.load()) {
            const int r = av_interleaved_write_frame(m_format, packet);
            if (r < 0 || m_io->error < 0) {
                logLine("write failed: %d", r < 0 ? r : m_io->error);
                fail();
            } else {
                const int64_t now = monotonicMicros();
                if (now - lastFlush >= kFlushIntervalUs) {
                    avio_flush(m_io);
                    lastFlush = now;
                    if (m_io->error < 0) {
                        fail();
                    } else if (!pathStillNamesFile()) {
                        // Writing on would fill a file nobody can reach any
                        // more, and the recording would be lost unseen.
                        logLine("%s was removed or replaced while recording", m_path.c_str());
                        fail(ENOENT);
                    }
                }
            }
        }
        av_packet_free(&packet);
    }
}

int Muxer::finish()
{
    if (!m_started || m_finished)
        return m_failed.load() ? MIRELO_E_IO : MIRELO_OK;
    m_finished = true;
    m_queue.close();
    if (m_thread.joinable())
        m_thread.join();
    if (!m_failed.load()) {
        if (av_write_trailer(m_format) < 0 || (avio_flush(m_io), m_io->error < 0))
            m_failed.store(true);
    }
    if (m_fd >= 0) {
        // The file counts as written only once it is on the disk: a write
        // back that fails shows here or at close, not in any write before.
        // The stop answers it; the recording is ending anyway, so no event.
        const auto failed = [this](int error) {
            int expected = 0;
            m_errno.compare_exchange_strong(expected, error);
            m_failed.store(true);
        };
        if (!m_failed.load() && ::fsync(m_fd) != 0)
            failed(errno);
        if (::close(m_fd) != 0 && !m_failed.load())
            failed(errno);
        m_fd = -1;
    }
    if (m_failed.load() && std::string(m_format->oformat->name) == "mp4") {
        // A full disk can end the file inside a fragment's index, which
        // readers refuse along with everything before it: that fragment
        // goes. Only in the file we wrote, reached afresh for reading.
        const int fd = ::open(m_path.c_str(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        struct stat st;
        if (fd >= 0 && fstat(fd, &st) == 0 && st.st_dev == m_dev && st.st_ino == m_ino && !dropCutFragment(fd))
            logLine("cannot drop the cut fragment of %s: %s", m_path.c_str(), strerror(errno));
        if (fd >= 0)
            ::close(fd);
    }
    return m_failed.load() ? MIRELO_E_IO : MIRELO_OK;
}

} // namespace mirelo
